// Yelpit: shows one message box for a batch file and exits with the
// identifier of the button the user pressed.
#include <new>

#include "command/main_flow.h"
#include "platform/platform.h"

int main() {
  try {
    platform::Exit(RunCommandLine(platform::CommandLine()));
  } catch (const std::bad_alloc&) {
    // Without memory there is no box to show; the batch file sees 255.
    platform::Exit(255);
  }
}
