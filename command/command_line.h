// From the raw process command line to the text Yelpit interprets.
#pragma once

#include <string_view>

// The command line without the program name and the spaces after it.
std::string_view GetCommandTail(std::string_view commandLine);

// True when the trimmed tail asks for the help box instead of a message.
bool IsHelpRequested(std::string_view workingText);
