#include "tests/fake_platform.h"

#include "platform/platform.h"

namespace fake {

Platform& State() {
  static Platform state;
  return state;
}

void Reset() { State() = Platform(); }

}  // namespace fake

namespace platform {

std::array<char, 2> UpperCaseKey(std::array<char, 2> key) {
  for (char& c : key) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return key;
}

std::uint32_t ShowBox(std::string_view text, std::string_view caption, std::uint32_t style) {
  fake::State().boxes.push_back({std::string(text), std::string(caption), style});
  return fake::State().nextResult;
}

}  // namespace platform
