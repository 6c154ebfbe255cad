// The trimming rules of the whole program: only the space byte (0x20) is
// ever trimmed; tabs and every other byte are part of the text.
#pragma once

#include <string_view>

std::string_view TrimLeadingSpaces(std::string_view text);
std::string_view TrimTrailingSpaces(std::string_view text);
std::string_view TrimSpaces(std::string_view text);
