#include "command/command_line.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/tables.h"

namespace {

TEST(GetCommandTail, Table) {
  for (const TailCase& c : kTailCases) EXPECT_EQ(GetCommandTail(c.line), c.tail) << '[' << c.line << ']';
}

TEST(GetCommandTail, IsAViewIntoTheLine) {
  const std::string line = "\"Yelpit\"   Hi";
  const std::string_view tail = GetCommandTail(line);
  EXPECT_EQ(tail.data() + tail.size(), line.data() + line.size());
}

struct TrimCase {
  std::string text, both, trailing;
};

const TrimCase kTrimCases[] = {
    {"", "", ""},
    {"   ", "", ""},
    {"  a b  ", "a b", "  a b"},
    {"\ta\t", "\ta\t", "\ta\t"},
    {" \t a \t ", "\t a \t", " \t a \t"},
    {"\xa0x\xa0", "\xa0x\xa0", "\xa0x\xa0"},  // a no-break space is not a space
    {" \r\n", "\r\n", " \r\n"},
};

TEST(TrimSpaces, Table) {
  for (const TrimCase& c : kTrimCases) {
    EXPECT_EQ(TrimSpaces(c.text), c.both) << '[' << c.text << ']';
    EXPECT_EQ(TrimTrailingSpaces(c.text), c.trailing) << '[' << c.text << ']';
  }
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
