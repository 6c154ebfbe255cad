// What Yelpit needs from the operating system. Everything else in the
// program is plain code over byte strings.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace platform {

// The program itself, defined by the entry point at the top of the tree:
// takes the whole command line, program name included, as bytes, and returns
// the exit code. Each binding enters the process in its own way, runs this
// once with the command line and ends the process with the value.
std::uint32_t RunProgram(std::string_view commandLine);

// The platform's ANSI upper-casing of a two-byte switch key.
std::array<char, 2> UpperCaseKey(std::array<char, 2> key);

// Shows a modal box with no owner and returns the identifier of the button
// that closed it, or 0 when no box could be shown or nobody could see it.
// Where nobody can see it, a box asked for with a service style goes to the
// signed-in user, at the console or else the one over Remote Desktop, where
// a binding can send it there. Ends the process with 255 when there is no
// memory to show it.
std::uint32_t ShowBox(std::string_view text, std::string_view caption, std::uint32_t style);

}  // namespace platform
