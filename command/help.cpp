#include "command/help.h"

#include <cstdint>

#include "platform/platform.h"
#include "yelpit_version.h"

namespace {

constexpr std::uint32_t kInformationOk = 0x40;  // MB_ICONINFORMATION | MB_OK

// Sixteen lines joined by CR LF, with none after the last.
constexpr std::string_view kHelpText =
    YELPIT_COPYRIGHT " - " YELPIT_WEB_ADDRESS
                     "\r\n"
                     "\r\n"
                     "USAGE:\r\n"
                     "Yelpit.exe MessageToDisplay [/c:Caption] [/t:Type] [/? | /h]\r\n"
                     "\r\n"
                     "WHERE:\r\n"
                     "MessageToDisplay\t\tMessage to be displayed.\r\n"
                     "/c:Caption\t\tThe dialog box title, default title is Error.\r\n"
                     "/t:Type\t\t\tSpecifies the contents and behavior of the dialog box.\r\n"
                     "/? | /h\t\t\tDisplay this help.\r\n"
                     "\r\n"
                     "NOTE:\r\n"
                     "Type parameter can be a combination of any flags supported by the MessageBox API.\r\n"
                     "\r\n"
                     "EXAMPLE:\r\n"
                     "Yelpit Hello Word, are you ready? /c:Greeting /t:MB_ICONEXCLAMATION,MB_YESNO";

}  // namespace

std::string_view HelpCaption() { return "Yelpit version " YELPIT_VERSION " - Wait for some time"; }

std::string_view HelpText() { return kHelpText; }

void ShowHelp() {
  // Whatever the box returns, asking for help ends with exit code 0.
  platform::ShowBox(HelpText(), HelpCaption(), kInformationOk);
}
