#include "messagebox/message_box.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/fake_platform.h"

namespace {

TEST(ParseTypeList, EveryNameAlone) {
  for (const StyleName& style : TypeNameTable) {
    EXPECT_EQ(ParseTypeList(style.name), style.value) << style.name;
    EXPECT_EQ(ParseTypeList(" \"" + std::string(style.name) + "\" ,"), style.value) << style.name;
  }
}

struct TypeCase {
  std::string type;
  std::uint32_t flags;
};

const TypeCase kTypeCases[] = {
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
    {"MB_ICONSTOP,\"MB_YESNO", 0x14},
    {"MB_YESNO\xa0", 0},
    {std::string("MB_YESNO\0", 9), 0},
    {"MB_DEFBUTTON2,MB_ABORTRETRYIGNORE,MB_HELP,MB_TOPMOST,MB_RIGHT,MB_RTLREADING", 0x1c4102},
};

TEST(ParseTypeList, Table) {
  for (const TypeCase& c : kTypeCases) EXPECT_EQ(ParseTypeList(c.type), c.flags) << '[' << c.type << ']';
}

struct BoxCase {
  std::string message, caption, type;
  std::uint32_t style, pressed;
};

const BoxCase kBoxCases[] = {
    {"Hello", "", "", 0x0, 1},
    {"", "", "", 0x0, 1},
    {"Are you ready?", "Greeting", "MB_ICONEXCLAMATION,MB_YESNO", 0x34, 6},
    {"Retry?", "Disk", "MB_YESNO,MB_OKCANCEL", 0x5, 4},
    {"x", "y", "MB_SERVICE_NOTIFICATION,MB_SETFOREGROUND", 0x210000, 0},  // the box failed
    {"x", "y", "MB_CANCELTRYCONTINUE", 0x6, 0x12345678},                  // all 32 bits come back
    {"tab\there", "caf\xe9", "MB_OK", 0x0, 256},
};

TEST(DisplayBox, PassesOperandsAndReturnsTheButtonUnchanged) {
  for (const BoxCase& c : kBoxCases) {
    fake::Reset();
    fake::State().nextResult = c.pressed;
    EXPECT_EQ(DisplayBox(c.message, c.caption, c.type), c.pressed) << c.message;
    ASSERT_EQ(fake::State().boxes.size(), 1u) << c.message;
    const fake::BoxCall& box = fake::State().boxes[0];
    EXPECT_EQ(box.text, c.message);
    EXPECT_EQ(box.caption, c.caption);
    EXPECT_EQ(box.style, c.style) << c.type;
  }
}

}  // namespace
