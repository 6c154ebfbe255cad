#include "command/command_line.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/tables.h"

namespace {

TEST(GetCommandTail, Table) {
  for (const TailCase& c : kTailCases) {
    const std::string fenced = c.line + 'x';  // were it read, the name would grow
    EXPECT_EQ(GetCommandTail(std::string_view(fenced).substr(0, c.line.size())), c.tail)
        << '[' << c.line << ']';
  }
}

TEST(GetCommandTail, IsAViewIntoTheLine) {
  const std::string line = "\"Yelpit\"   Hi";
  const std::string_view tail = GetCommandTail(line);
  EXPECT_EQ(tail.data() + tail.size(), line.data() + line.size());
}

struct HelpCase {
  std::string text;
  bool help;
};

const HelpCase kHelpCases[] = {
    {"", true},
    {"/?", true},
    {"/h", true},
    {"/H", true},
    {"Press /Help", true},
    {"Hi /c:a/h", true},
    {"Hi /c:What/?", true},
    {"Hi /t:MB_OK /?", true},
    {"Hi", false},
    {"/", false},
    {"h/", false},
    {"?/", false},
    {"/ h", false},
    {"\\h \\?", false},
    {"/c:Help", false},
    {"Hi /c:Greeting /t:MB_YESNO", false},
    {"\t", false},
};

TEST(IsHelpRequested, Table) {
  for (const HelpCase& c : kHelpCases) EXPECT_EQ(IsHelpRequested(c.text), c.help) << '[' << c.text << ']';
}

}  // namespace
