#include "text/trim.h"

std::string_view TrimLeadingSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  text.remove_prefix(first == std::string_view::npos ? text.size() : first);
  return text;
}

std::string_view TrimTrailingSpaces(std::string_view text) {
  const std::size_t last = text.find_last_not_of(' ');
  text.remove_suffix(text.size() - (last == std::string_view::npos ? 0 : last + 1));
  return text;
}

std::string_view TrimSpaces(std::string_view text) { return TrimTrailingSpaces(TrimLeadingSpaces(text)); }
