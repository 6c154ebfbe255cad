#include "messagebox/message_box.h"

#include "platform/platform.h"
#include "text/trim.h"

std::uint32_t StyleValue(std::string_view name) {
  for (const StyleName& style : TypeNameTable) {
    if (style.name == name) return style.value;
  }
  return 0;
}

std::uint32_t ParseTypeList(std::string_view type) {
  constexpr std::size_t npos = std::string_view::npos;
  if (type.empty()) return 0;
  std::uint32_t flags = 0;
  for (;;) {
    type = TrimLeadingSpaces(type);
    std::string_view item;
    std::size_t comma;
    if (!type.empty() && type[0] == '"') {
      const std::size_t closing = type.find('"', 1);
      item = std::string_view(type.data() + 1, (closing == npos ? type.size() : closing) - 1);
      // Whatever stands between the closing quote and the comma is dropped.
      comma = closing == npos ? npos : type.find(',', closing + 1);
    } else {
      comma = type.find(',');
      item = TrimTrailingSpaces(std::string_view(type.data(), comma == npos ? type.size() : comma));
    }
    flags |= StyleValue(item);
    if (comma == npos) return flags;
    type.remove_prefix(comma + 1);
  }
}

std::uint32_t DisplayBox(std::string_view messageToDisplay, std::string_view caption, std::string_view type) {
  return platform::ShowBox(messageToDisplay, caption, ParseTypeList(type));
}
