#include "command/help.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/fake_platform.h"
#include "yelpit_version.h"

namespace {

const std::vector<std::string> kExpectedLines = {
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

std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

TEST(Help, CaptionAndSixteenLines) {
  EXPECT_EQ(HelpCaption(), "Yelpit version 1.0.0.0 - Wait for some time");
  const std::string text = HelpText();
  EXPECT_EQ(SplitCrLf(text), kExpectedLines);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 15) << "no bare LF";
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 15) << "no bare CR";
  EXPECT_NE(text.substr(text.size() - 2), "\r\n");
}

TEST(Help, CreditLineHasYearHolderAndAddress) {
  const std::string credit = SplitCrLf(HelpText())[0];
  EXPECT_NE(credit.find("2026"), std::string::npos);
  EXPECT_NE(credit.find(YELPIT_PUBLISHER), std::string::npos);
  EXPECT_EQ(credit.substr(credit.find(" - ") + 3), YELPIT_WEB_ADDRESS);
}

TEST(Help, ShowsOneInformationBoxWithOk) {
  fake::Reset();
  fake::State().nextResult = 0;  // even a failed box is no error
  ShowHelp();
  ASSERT_EQ(fake::State().boxes.size(), 1u);
  EXPECT_EQ(fake::State().boxes[0].style, 0x40u);
  EXPECT_EQ(fake::State().boxes[0].caption, HelpCaption());
  EXPECT_EQ(fake::State().boxes[0].text, HelpText());
}

}  // namespace
