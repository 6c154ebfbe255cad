// The four operations Yelpit needs from the operating system. Everything
// else in the program is plain code over byte strings.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace platform {

// The whole process command line, program name included, as bytes. It stays
// valid until the process ends.
std::string_view CommandLine();

// The platform's ANSI upper-casing of a two-byte switch key.
std::array<char, 2> UpperCaseKey(std::array<char, 2> key);

// Shows a modal box with no owner and returns the identifier of the button
// that closed it, or 0 when no box could be shown. Ends the process with 255
// when there is no memory to show it.
std::uint32_t ShowBox(std::string_view text, std::string_view caption, std::uint32_t style);

[[noreturn]] void Exit(std::uint32_t code);

}  // namespace platform
