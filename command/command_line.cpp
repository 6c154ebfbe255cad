#include "command/command_line.h"

namespace {

std::size_t SkipSpaces(std::string_view text, std::size_t pos) {
  while (pos < text.size() && text[pos] == ' ') ++pos;
  return pos;
}

}  // namespace

std::string_view GetCommandTail(std::string_view commandLine) {
  if (commandLine.empty()) return {};
  std::size_t pos;
  if (commandLine[0] == '"') {
    const std::size_t closing = commandLine.find('"', 1);
    // A name that never closes its quote swallows the whole line.
    if (closing == std::string_view::npos) return {};
    pos = SkipSpaces(commandLine, closing + 1);
  } else if (commandLine[0] != ' ') {
    pos = 1;
    while (pos < commandLine.size() && static_cast<unsigned char>(commandLine[pos]) > 0x20) ++pos;
    // A tab or other control byte ends the name but stays in the tail.
    pos = SkipSpaces(commandLine, pos);
  } else {
    pos = SkipSpaces(commandLine, 0);
  }
  commandLine.remove_prefix(pos);
  return commandLine;
}

std::string_view TrimTrailingSpaces(std::string_view text) {
  const std::size_t last = text.find_last_not_of(' ');
  text.remove_suffix(text.size() - (last == std::string_view::npos ? 0 : last + 1));
  return text;
}

std::string_view TrimSpaces(std::string_view text) {
  text.remove_prefix(SkipSpaces(text, 0));
  return TrimTrailingSpaces(text);
}

bool IsHelpRequested(std::string_view workingText) {
  constexpr std::string_view kTriggers[] = {"/?", "/H", "/h"};
  if (workingText.empty()) return true;
  for (const std::string_view trigger : kTriggers) {
    if (workingText.find(trigger) != std::string_view::npos) return true;
  }
  return false;
}
