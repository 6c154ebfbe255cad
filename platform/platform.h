// The four operations Yelpit needs from the operating system. Everything
// else in the program is plain code over byte strings.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The whole process command line, program name included, as bytes.
std::string CommandLine();

// The platform's ANSI upper-casing of a switch key (two bytes).
std::string UpperCaseKey(std::string_view key);

// Shows a modal box with no owner and returns the identifier of the button
// that closed it, or 0 when no box could be shown.
std::uint32_t ShowBox(std::string_view text, std::string_view caption, std::uint32_t style);

[[noreturn]] void Exit(std::uint32_t code);

}  // namespace platform
