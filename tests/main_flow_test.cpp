#include "command/main_flow.h"

#include <gtest/gtest.h>

#include <string>

#include "command/help.h"
#include "tests/fake_platform.h"

namespace {

struct FlowCase {
  std::string commandLine;
  bool help;
  std::string text = {}, caption = {};
  std::uint32_t style = 0;
};

const FlowCase kFlowCases[] = {
    {"", true},
    {"Yelpit", true},
    {"Yelpit      ", true},
    {"\"C:\\Program Files\\Yelpit.exe\"", true},
    {"\"C:\\Program Files\\Yelpit.exe", true},  // unclosed quote: no tail
    {"Yelpit /?", true},
    {"Yelpit Hi /c:Title/h", true},
    {"Yelpit Press /Help /t:MB_YESNO", true},
    {"Yelpit Hello", false, "Hello", "", 0},
    {"Yelpit /", false, "", "", 0},
    {"Yelpit\t/c:x", false, "\t", "x", 0},
    {"Yelpit Hello Word, are you ready? /c:Greeting /t:MB_ICONEXCLAMATION,MB_YESNO", false,
     "Hello Word, are you ready?", "Greeting", 0x34},
};

TEST(RunCommandLine, ShowsHelpOrTheBoxAndReturnsItsExitCode) {
  for (const FlowCase& c : kFlowCases) {
    fake::Reset();
    fake::State().nextResult = 7;
    const std::uint32_t exitCode = RunCommandLine(c.commandLine);
    ASSERT_EQ(fake::State().boxes.size(), 1u) << c.commandLine;
    const fake::BoxCall& box = fake::State().boxes[0];
    if (c.help) {
      EXPECT_EQ(exitCode, 0u) << c.commandLine;
      EXPECT_EQ(box.caption, HelpCaption()) << c.commandLine;
    } else {
      EXPECT_EQ(exitCode, 7u) << c.commandLine;
      EXPECT_EQ(box.text, c.text) << c.commandLine;
      EXPECT_EQ(box.caption, c.caption) << c.commandLine;
      EXPECT_EQ(box.style, c.style) << c.commandLine;
    }
  }
}

}  // namespace
