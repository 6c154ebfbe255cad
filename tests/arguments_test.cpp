#include "command/arguments.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/tables.h"

namespace {

TEST(InterpretArguments, Table) {
  for (const ArgumentsCase& c : kArgumentsCases) {
    const std::string fenced = c.text + ':';  // were it read, a last field "c" would be a switch
    const Operands operands = InterpretArguments(std::string_view(fenced).substr(0, c.text.size()));
    EXPECT_EQ(operands.MessageToDisplay, c.message) << '[' << c.text << ']';
    EXPECT_EQ(operands.Caption, c.caption) << '[' << c.text << ']';
    EXPECT_EQ(operands.Type, c.type) << '[' << c.text << ']';
  }
}

}  // namespace
