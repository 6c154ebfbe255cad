#include "command/arguments.h"

#include "command/command_line.h"
#include "platform/platform.h"

namespace {

void ClassifyField(std::string_view field, Operands& operands) {
  if (field.empty()) return;
  // Only trailing spaces go: a field that starts with a space is never a switch.
  field = TrimTrailingSpaces(field);
  if (field.size() >= 2 && field[1] == ':') {
    const std::string key = platform::UpperCaseKey(field.substr(0, 2));
    std::string_view* target = key == "C:" ? &operands.Caption : key == "T:" ? &operands.Type : nullptr;
    if (target) {
      // A bare "c:" or "t:" keeps the value already set.
      if (field.size() > 2) *target = TrimSpaces(field.substr(2));
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
    ClassifyField(workingText.substr(0, slash), operands);
    if (slash == std::string_view::npos) return operands;
    workingText.remove_prefix(slash + 1);
  }
}
