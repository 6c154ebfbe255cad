// Splits the working text into the message, the caption and the style list.
#pragma once

#include <string_view>

// Each operand is a piece of the text it was interpreted from, so that text
// must outlive them.
struct Operands {
  std::string_view MessageToDisplay;
  std::string_view Caption;
  std::string_view Type;
};

Operands InterpretArguments(std::string_view workingText);
