// The tables of inputs and what each must give, shared by the unit tests
// and, as seeds, by the fuzzers.
#pragma once

#include <cstdint>
#include <string>

using namespace std::string_literals;

struct TailCase {
  std::string line, tail;
};

inline const TailCase kTailCases[] = {
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
    {"Yelpit! Hi", "Hi"},      // 0x21, the first byte above a space, is part of the name
    {"Y Hi", "Hi"},            // a one-byte name
    {"Yelpit\0Hi"s, "\0Hi"s},  // an embedded NUL ends the name
    // UTF-8, as under the system setting that makes it the ANSI code page:
    // every byte of a multi-byte sequence is above 0x20, so none ends a name.
    {"\"C:\\Programme\\Größe\\Yelpit.exe\" Grüße", "Grüße"},
    {"Yelpit\u3000Hi x", "x"},  // an ideographic space is no space
    {"Yelpit 日本語 ", "日本語 "},
};

struct ArgumentsCase {
  std::string text, message, caption, type;
};

inline const ArgumentsCase kArgumentsCases[] = {
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
    {"Hello/", "Hello", "", ""},  // an empty field changes nothing
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
    // UTF-8: every byte Yelpit looks for is ASCII, and none occurs inside a
    // multi-byte sequence, so pieces are cut between characters only.
    {"Grüße aus Köln /c:日本語 /t:MB_OK", "Grüße aus Köln", "日本語", "MB_OK"},
    {"表/c:ソ能/t:ポ", "表", "ソ能", "ポ"},
    {"с:Диск полон", "с:Диск полон", "", ""},  // a Cyrillic с is no C
    {"«Zitat»/ c:naïve", "c:naïve", "", ""},
    {"\u00a0/c:\u00a0x\u00a0", "\u00a0", "\u00a0x\u00a0", ""},  // a no-break space is not trimmed
    {"😀 /c: 😀😀 ", "😀", "😀😀", ""},
};

struct TypeCase {
  std::string type;
  std::uint32_t flags;
};

inline const TypeCase kTypeCases[] = {
    {"", 0},
    {"   ", 0},
    {",", 0},
    {"MB_ICONEXCLAMATION,MB_YESNO", 0x34},
    {" MB_OK , MB_ICONSTOP ", 0x10},
    {"mb_yesno", 0},
    {"Mb_YesNo", 0},
    {"48", 0},
    {"0x30", 0},
    {"MB_YESNO,MB_OKCANCEL", 0x5},  // ORed, never validated
    {"MB_YESNO,", 0x4},
    {"MB_YESNO,,MB_ICONSTOP", 0x14},
    {"MB_YESNO,MB_YESNO", 0x4},
    {"MB_ICONERROR,MB_ICONHAND,MB_ICONSTOP", 0x10},
    {"MB_ICONWARNING,MB_ICONASTERISK", 0x70},
    {"MB_TOPMOST", 0x40000},
    {"MB_SERVICE_NOTIFICATION", 0x200000},
    {"MB_SERVICE_NOTIFICATION_NT3", 0},
    {"MB_YESNOX", 0},
    {"MB_YES", 0},
    {"MB_YESNO MB_ICONSTOP", 0},  // only commas separate
    {"MB_YESNO;MB_ICONSTOP", 0},
    {"\tMB_YESNO", 0},
    {"MB_YESNO\t", 0},
    {"MB_YESNO\t,MB_ICONSTOP", 0x10},
    {"\"MB_YESNO\"", 0x4},
    {"\"MB_YESNO\"junk,MB_ICONSTOP", 0x14},
    {"\"MB_YESNO\"junk\"x,MB_ICONSTOP", 0x14},  // a quote after the closing one is a plain byte
    {"\" MB_YESNO\"", 0},                       // inner spaces stay
    {"\"MB_YESNO \"", 0},
    {"\"MB_YESNO,MB_ICONSTOP\"", 0},  // a quoted comma does not separate
    {"\"MB_YESNO\",\"MB_ICONSTOP\"", 0x14},
    {"  \"MB_YESNO\"  ,  MB_ICONSTOP  ", 0x14},
    {"x\"MB_YESNO\"", 0},  // a quote after another byte opens nothing
    {"\"MB_YESNO", 0x4},   // an unclosed quote takes the rest
    {"\"MB_YESNO,MB_ICONSTOP", 0},
    {"\"", 0},
    {"\"\"", 0},
    {"\"\",MB_YESNO", 0x4},
    {"MB_ICONSTOP,\"MB_YESNO", 0x14},
    {"MB_YESNO\xa0", 0},
    {std::string("MB_YESNO\0", 9), 0},
    {"MB_DEFBUTTON2,MB_ABORTRETRYIGNORE,MB_HELP,MB_TOPMOST,MB_RIGHT,MB_RTLREADING", 0x1c4102},
    // UTF-8 around the names
    {"\"MB_YESNO\"日本,MB_ICONSTOP", 0x14},
    {"MB_YESNO,\"Größe,MB_ICONSTOP\",MB_ICONSTOP", 0x14},
    {"MB_YESNO\u00a0,MB_ICONSTOP", 0x10},
    {"MB_YESNO，MB_ICONSTOP", 0},  // a full-width comma separates nothing
};
