#include "command/arguments.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/tables.h"

namespace {

TEST(InterpretArguments, Table) {
  for (const ArgumentsCase& c : kArgumentsCases) {
    const Operands operands = InterpretArguments(c.text);
    EXPECT_EQ(operands.MessageToDisplay, c.message) << '[' << c.text << ']';
    EXPECT_EQ(operands.Caption, c.caption) << '[' << c.text << ']';
    EXPECT_EQ(operands.Type, c.type) << '[' << c.text << ']';
  }
}

}  // namespace
