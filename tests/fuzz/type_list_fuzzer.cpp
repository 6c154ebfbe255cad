// ParseTypeList against a second reading of the same list: a byte-by-byte
// state machine that cuts the list into items.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "messagebox/message_box.h"
#include "tests/fuzz/check.h"

namespace {

std::vector<std::string> Items(std::string_view list) {
  enum class State { BeforeItem, Plain, Quoted, AfterQuote };
  std::vector<std::string> items;
  if (list.empty()) return items;
  std::string item;
  State state = State::BeforeItem;
  const auto trimTrailingSpaces = [&item] {
    while (!item.empty() && item.back() == ' ') item.pop_back();
  };
  for (const char c : list) {
    switch (state) {
      case State::BeforeItem:
        if (c == ' ') break;
        if (c == '"') {
          state = State::Quoted;
          break;
        }
        state = State::Plain;
        [[fallthrough]];
      case State::Plain:
        if (c == ',') {
          trimTrailingSpaces();
          items.push_back(item);
          item.clear();
          state = State::BeforeItem;
        } else {
          item += c;
        }
        break;
      case State::Quoted:
        if (c == '"') {
          state = State::AfterQuote;
        } else {
          item += c;
        }
        break;
      case State::AfterQuote:
        if (c == ',') {
          items.push_back(item);
          item.clear();
          state = State::BeforeItem;
        }
        break;
    }
  }
  if (state == State::Plain) trimTrailingSpaces();
  items.push_back(item);
  return items;
}

std::uint32_t AllKnownBits() {
  std::uint32_t bits = 0;
  for (const StyleName& style : TypeNameTable) bits |= style.value;
  return bits;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view list(reinterpret_cast<const char*>(data), size);
  const std::uint32_t flags = ParseTypeList(list);

  std::uint32_t expected = 0;
  for (const std::string& item : Items(list)) expected |= StyleValue(item);
  REQUIRE(flags == expected);
  REQUIRE((flags & ~AllKnownBits()) == 0);
  return 0;
}
