#include "command/help.h"

#include <cstdint>
#include <iterator>

#include "platform/platform.h"
#include "yelpit_version.h"

namespace {

constexpr std::uint32_t kInformationOk = 0x40;  // MB_ICONINFORMATION | MB_OK

constexpr std::string_view kHelpLines[] = {
    YELPIT_COPYRIGHT " - " YELPIT_WEB_ADDRESS,
    "",
    "USAGE:",
    "Yelpit.exe MessageToDisplay [/c:Caption] [/t:Type] [/? | /h]",
    "",
    "WHERE:",
    "MessageToDisplay\t\tMessage to be displayed.",
    "/c:Caption\t\tThe dialog box title, default title is Error.",
    "/t:Type\t\t\tSpecifies the contents and behavior of the dialog box.",
    "/? | /h\t\t\tDisplay this help.",
    "",
    "NOTE:",
    "Type parameter can be a combination of any flags supported by the MessageBox API.",
    "",
    "EXAMPLE:",
    "Yelpit Hello Word, are you ready? /c:Greeting /t:MB_ICONEXCLAMATION,MB_YESNO",
};

}  // namespace

std::string_view HelpCaption() { return "Yelpit version " YELPIT_VERSION " - Wait for some time"; }

std::string HelpText() {
  std::string text;
  for (std::size_t i = 0; i < std::size(kHelpLines); ++i) {
    if (i > 0) text += "\r\n";
    text += kHelpLines[i];
  }
  return text;
}

void ShowHelp() {
  // Whatever the box returns, asking for help ends with exit code 0.
  platform::ShowBox(HelpText(), HelpCaption(), kInformationOk);
}
