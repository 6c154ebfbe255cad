// Yelpit: shows one message box for a batch file and exits with the
// identifier of the button the user pressed.
#include <new>
#include <string>

#include "command/arguments.h"
#include "command/command_line.h"
#include "command/help.h"
#include "messagebox/message_box.h"
#include "platform/platform.h"

int main() {
  try {
    const std::string commandLine = platform::CommandLine();
    const std::string_view text = TrimSpaces(GetCommandTail(commandLine));
    if (IsHelpRequested(text)) {
      ShowHelp();
      platform::Exit(0);
    }
    const Operands operands = InterpretArguments(text);
    platform::Exit(DisplayBox(operands.MessageToDisplay, operands.Caption, operands.Type));
  } catch (const std::bad_alloc&) {
    // Without memory there is no box to show; the batch file sees 255.
    platform::Exit(255);
  }
}
