#include "tests/fake_platform.h"

#include <cstdlib>

#include "platform/platform.h"

namespace fake {

Platform& State() {
  static Platform state;
  return state;
}

void Reset() { State() = Platform(); }

}  // namespace fake

namespace platform {

std::string CommandLine() { return {}; }

std::string UpperCaseKey(std::string_view key) {
  std::string upper(key);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

std::uint32_t ShowBox(std::string_view text, std::string_view caption, std::uint32_t style) {
  fake::State().boxes.push_back({std::string(text), std::string(caption), style});
  return fake::State().nextResult;
}

void Exit(std::uint32_t code) { std::exit(static_cast<int>(code)); }

}  // namespace platform
