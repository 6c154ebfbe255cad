#include "command/command_line.h"

#include "text/trim.h"

std::string_view GetCommandTail(std::string_view commandLine) {
  if (commandLine.empty()) return {};
  std::size_t nameEnd = 0;  // a line that starts with a space has no name
  if (commandLine[0] == '"') {
    const std::size_t closing = commandLine.find('"', 1);
    // A name that never closes its quote swallows the whole line.
    if (closing == std::string_view::npos) return {};
    nameEnd = closing + 1;
  } else if (commandLine[0] != ' ') {
    nameEnd = 1;
    while (nameEnd < commandLine.size() && static_cast<unsigned char>(commandLine[nameEnd]) > 0x20) ++nameEnd;
  }
  commandLine.remove_prefix(nameEnd);
  // Only spaces part the name from the tail: a tab or other control byte
  // that ends the name stays in the tail.
  return TrimLeadingSpaces(commandLine);
}

bool IsHelpRequested(std::string_view workingText) {
  static constexpr std::string_view kTriggers[] = {"/?", "/H", "/h"};
  if (workingText.empty()) return true;
  for (const std::string_view trigger : kTriggers) {
    if (workingText.find(trigger) != std::string_view::npos) return true;
  }
  return false;
}
