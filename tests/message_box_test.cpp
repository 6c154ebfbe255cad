#include "messagebox/message_box.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/fake_platform.h"
#include "tests/tables.h"

namespace {

TEST(ParseTypeList, EveryNameAlone) {
  for (const StyleName& style : TypeNameTable) {
    EXPECT_EQ(ParseTypeList(style.name), style.value) << style.name;
    EXPECT_EQ(ParseTypeList(" \"" + std::string(style.name) + "\" ,"), style.value) << style.name;
  }
}

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
