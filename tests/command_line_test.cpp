#include "command/command_line.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace {

struct TailCase {
  std::string line, tail;
};

const TailCase kTailCases[] = {
    {"Yelpit Hello", "Hello"},
    {"Yelpit    Hello  ", "Hello  "},
    {"Yelpit", ""},
    {"Yelpit   ", ""},
    {"\"C:\\Program Files\\Yelpit.exe\"   Hi", "Hi"},
    {"\"C:\\Program Files\\Yelpit.exe\"Hi there", "Hi there"},
    {"\"Yelpit\"\tHi", "\tHi"},   // only spaces follow a quoted name
    {"\"\" Hi", "Hi"},            // an empty quoted name
    {"\"C:\\Yelpit.exe Hi", ""},  // the quote never closes
    {"\"", ""},
    {"", ""},
    {"Yelpit\tHi", "\tHi"},  // a tab ends the name and stays
    {"Yelpit\x01Hi", "\x01Hi"},
    {"Yelpit\x1f Hi", "\x1f Hi"},
    {"Yelpit \tHi", "\tHi"},  // spaces skipped, the tab is not
    {"\tYelpit Hi", "Hi"},    // the first byte is never tested
    {"Ye\"lpit\" Hi", "Hi"},  // a quote only counts at the start
    {"C:\\Tools\\Yelpit.exe /c:A", "/c:A"},
    {"   Hi there", "Hi there"},  // no program name at all
    {"Yelpit\xa0Hi x", "x"},      // 0xA0 is above 0x20, part of the name
    {"Yelpit\x7fHi x", "x"},
    {"Yelpit\0Hi"s, "\0Hi"s},  // an embedded NUL ends the name
};

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
