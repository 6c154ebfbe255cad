// From the raw process command line to the text Yelpit interprets.
#pragma once

#include <string_view>

// The command line without the program name and the spaces after it.
std::string_view GetCommandTail(std::string_view commandLine);

// Strips spaces (0x20) only: tabs and other bytes are part of the text.
std::string_view TrimSpaces(std::string_view text);
std::string_view TrimTrailingSpaces(std::string_view text);

// True when the trimmed tail asks for the help box instead of a message.
bool IsHelpRequested(std::string_view workingText);
