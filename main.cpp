// Yelpit: shows one message box for a batch file and exits with the
// identifier of the button the user pressed.
#include "command/main_flow.h"
#include "platform/platform.h"

std::uint32_t platform::RunProgram(std::string_view commandLine) { return RunCommandLine(commandLine); }
