#include "command/main_flow.h"

#include "command/arguments.h"
#include "command/command_line.h"
#include "command/help.h"
#include "messagebox/message_box.h"
#include "text/trim.h"

std::uint32_t RunCommandLine(std::string_view commandLine) {
  const std::string_view text = TrimSpaces(GetCommandTail(commandLine));
  if (IsHelpRequested(text)) {
    ShowHelp();
    return 0;
  }
  const Operands operands = InterpretArguments(text);
  return DisplayBox(operands.MessageToDisplay, operands.Caption, operands.Type);
}
