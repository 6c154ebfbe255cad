// The help box as the user must see it, written out independently of the
// program's own table.
#pragma once

#include <string>
#include <vector>

#include "yelpit_version.h"

inline const std::string kExpectedHelpCaption = "Yelpit version 1.0.0.0 - Wait for some time";

inline const std::vector<std::string> kExpectedHelpLines = {
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

inline std::string ExpectedHelpText() {
  std::string text = kExpectedHelpLines[0];
  for (std::size_t i = 1; i < kExpectedHelpLines.size(); ++i) text += "\r\n" + kExpectedHelpLines[i];
  return text;
}
