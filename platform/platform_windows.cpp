#include <windows.h>

#include "platform/platform.h"

namespace platform {

std::string CommandLine() { return GetCommandLineA(); }

std::string UpperCaseKey(std::string_view key) {
  std::string upper(key);
  CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));
  return upper;
}

std::uint32_t ShowBox(std::string_view text, std::string_view caption, std::uint32_t style) {
  // The views are not NUL-terminated; the copies are, and an empty one is "".
  const std::string textZ(text), captionZ(caption);
  return static_cast<std::uint32_t>(MessageBoxA(nullptr, textZ.c_str(), captionZ.c_str(), style));
}

void Exit(std::uint32_t code) { ExitProcess(code); }

}  // namespace platform
