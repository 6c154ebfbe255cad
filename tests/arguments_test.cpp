#include "command/arguments.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ArgumentsCase {
  std::string text, message, caption, type;
};

const ArgumentsCase kCases[] = {
    {"Hello", "Hello", "", ""},
    {"Hello Word, are you ready? /c:Greeting /t:MB_ICONEXCLAMATION,MB_YESNO", "Hello Word, are you ready?",
     "Greeting", "MB_ICONEXCLAMATION,MB_YESNO"},
    {"Yes/No?", "No?", "", ""},
    {"/c:Title", "", "Title", ""},
    {"/C:Title /T:MB_OK hello", "", "Title", "MB_OK hello"},
    {"Hello/ /c:X", "", "X", ""},
    {"Hi /c:A /c:", "Hi", "A", ""},
    {"Hi /c:A /c: /t:MB_OK", "Hi", "A", "MB_OK"},
    {"Hello / c:X", "c:X", "", ""},
    {"/", "", "", ""},
    {"//", "", "", ""},
    {"c:\\temp is full", "", "\\temp is full", ""},
    {"x:abc", "x:abc", "", ""},
    {"d:", "d:", "", ""},
    {"c", "c", "", ""},
    {":c", ":c", "", ""},
    {"Line one\\nLine two", "Line one\\nLine two", "", ""},
    {"\"Quoted/text\"", "text\"", "", ""},
    {"/c:\"Quoted title\"", "", "\"Quoted title\"", ""},
    {"/c:   spaced   /t:  MB_OK  ", "", "spaced", "MB_OK"},
    {"/c:A/c:B", "", "B", ""},
    {"/t:MB_OK/t:MB_YESNO/t:", "", "", "MB_YESNO"},
    {"first/second/c:cap/third", "third", "cap", ""},
    {"Hi/   ", "", "", ""},       // a field of spaces empties the message
    {"Hi/c:\t", "Hi", "\t", ""},  // a tab is a value, not blank
    {"\tc:X", "\tc:X", "", ""},
    {"c:X\t", "", "X\t", ""},
    {"\xe7:abc", "\xe7:abc", "", ""},  // only C and T are switch letters
    {"Caf\xe9 cr\xe8me /c:\xc0 la carte", "Caf\xe9 cr\xe8me", "\xc0 la carte", ""},
    {"t:c:x", "", "", "c:x"},
};

TEST(InterpretArguments, Table) {
  for (const ArgumentsCase& c : kCases) {
    const Operands operands = InterpretArguments(c.text);
    EXPECT_EQ(operands.MessageToDisplay, c.message) << '[' << c.text << ']';
    EXPECT_EQ(operands.Caption, c.caption) << '[' << c.text << ']';
    EXPECT_EQ(operands.Type, c.type) << '[' << c.text << ']';
  }
}

}  // namespace
