// The help box: usage, the switches and an example.
#pragma once

#include <string_view>

std::string_view HelpCaption();
std::string_view HelpText();

// Shows the help box and returns when the user closes it.
void ShowHelp();
