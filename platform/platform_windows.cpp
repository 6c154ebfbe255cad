#include <windows.h>

#include <cstring>

#include "platform/memory_windows.h"
#include "platform/platform.h"

namespace {

// MessageBoxA wants NUL-terminated texts; an empty view still gives "".
char* CopyWithNul(std::string_view text) {
  char* copy = platform::AllocateText(text.size() + 1);
  if (!copy) platform::Exit(255);
  if (!text.empty()) std::memcpy(copy, text.data(), text.size());
  copy[text.size()] = '\0';
  return copy;
}

}  // namespace

namespace platform {

std::string_view CommandLine() { return GetCommandLineA(); }

std::array<char, 2> UpperCaseKey(std::array<char, 2> key) {
  CharUpperBuffA(key.data(), static_cast<DWORD>(key.size()));
  return key;
}

std::uint32_t ShowBox(std::string_view text, std::string_view caption, std::uint32_t style) {
  char* const textZ = CopyWithNul(text);
  char* const captionZ = CopyWithNul(caption);
  const int pressed = MessageBoxA(nullptr, textZ, captionZ, style);
  FreeText(captionZ);
  FreeText(textZ);
  return static_cast<std::uint32_t>(pressed);
}

void Exit(std::uint32_t code) { ExitProcess(code); }

}  // namespace platform
