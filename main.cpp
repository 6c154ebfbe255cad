// Yelpit: shows one message box for a batch file and exits with the
// identifier of the button the user pressed.
#include "command/main_flow.h"
#include "platform/platform.h"

int main() { platform::Exit(RunCommandLine(platform::CommandLine())); }
