#include "text/trim.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TrimCase {
  std::string text, both, leading, trailing;
};

const TrimCase kTrimCases[] = {
    {"", "", "", ""},
    {"   ", "", "", ""},
    {"  a b  ", "a b", "a b  ", "  a b"},
    {"\ta\t", "\ta\t", "\ta\t", "\ta\t"},
    {" \t a \t ", "\t a \t", "\t a \t ", " \t a \t"},
    {"\xa0x\xa0", "\xa0x\xa0", "\xa0x\xa0", "\xa0x\xa0"},  // a no-break space is not a space
    {" \r\n", "\r\n", "\r\n", " \r\n"},
};

TEST(TrimSpaces, Table) {
  for (const TrimCase& c : kTrimCases) {
    EXPECT_EQ(TrimSpaces(c.text), c.both) << '[' << c.text << ']';
    EXPECT_EQ(TrimLeadingSpaces(c.text), c.leading) << '[' << c.text << ']';
    EXPECT_EQ(TrimTrailingSpaces(c.text), c.trailing) << '[' << c.text << ']';
  }
}

}  // namespace
