#include "command/help.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/expected_help.h"
#include "tests/fake_platform.h"
#include "yelpit_version.h"

namespace {

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
  EXPECT_EQ(HelpCaption(), kExpectedHelpCaption);
  const std::string text(HelpText());
  EXPECT_EQ(SplitCrLf(text), kExpectedHelpLines);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 15) << "no bare LF";
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 15) << "no bare CR";
  EXPECT_NE(text.substr(text.size() - 2), "\r\n");
}

TEST(Help, CreditLineHasYearHolderAndAddress) {
  const std::string credit = SplitCrLf(std::string(HelpText()))[0];
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
