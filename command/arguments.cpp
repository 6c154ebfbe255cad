#include "command/arguments.h"

#include <array>

#include "platform/platform.h"
#include "text/trim.h"

namespace {

void ClassifyField(std::string_view field, Operands& operands) {
  if (field.empty()) return;
  // Only trailing spaces go: a field that starts with a space is never a switch.
  field = TrimTrailingSpaces(field);
  if (field.size() >= 2 && field[1] == ':') {
    const std::array<char, 2> upper = platform::UpperCaseKey({field[0], field[1]});
    const std::string_view key(upper.data(), upper.size());
    std::string_view* target = key == "C:" ? &operands.Caption : key == "T:" ? &operands.Type : nullptr;
    if (target) {
      // A bare "c:" or "t:" keeps the value already set.
      field.remove_prefix(2);
      if (!field.empty()) *target = TrimSpaces(field);
      return;
    }
  }
  operands.MessageToDisplay = TrimSpaces(field);
}

}  // namespace

Operands InterpretArguments(std::string_view workingText) {
  Operands operands;
  for (;;) {
    const std::size_t slash = workingText.find('/');
    const std::size_t end = slash == std::string_view::npos ? workingText.size() : slash;
    ClassifyField(std::string_view(workingText.data(), end), operands);
    if (slash == std::string_view::npos) return operands;
    workingText.remove_prefix(slash + 1);
  }
}
