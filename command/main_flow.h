// One run of Yelpit, from the command line to the exit code.
#pragma once

#include <cstdint>
#include <string_view>

// Shows the help box or the message box the command line asks for and
// returns the exit code: 0 after help, otherwise the pressed button.
std::uint32_t RunCommandLine(std::string_view commandLine);
