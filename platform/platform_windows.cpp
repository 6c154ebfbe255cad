#include <windows.h>

#include <cstring>

#include "platform/memory_windows.h"
#include "platform/platform.h"

namespace {

[[noreturn]] void Exit(std::uint32_t code) { ExitProcess(code); }

// MessageBoxA wants NUL-terminated texts; an empty view still gives "".
char* CopyWithNul(std::string_view text) {
  char* copy = platform::AllocateText(text.size() + 1);
  if (!copy) Exit(255);
  if (!text.empty()) std::memcpy(copy, text.data(), text.size());
  copy[text.size()] = '\0';
  return copy;
}

// A scheduled task with nobody logged on, a service or a remote shell runs on
// a window station without a display: a box there waits for a press that
// never comes. When the question itself fails, the box is shown as usual.
bool NobodyCanSeeABox() {
  USEROBJECTFLAGS flags{};
  DWORD needed = 0;
  const HWINSTA station = GetProcessWindowStation();
  return station && GetUserObjectInformationA(station, UOI_FLAGS, &flags, sizeof flags, &needed) &&
         !(flags.dwFlags & WSF_VISIBLE);
}

// Styles that ask the platform itself to find a desktop the user can see.
constexpr std::uint32_t kServiceStyles = MB_SERVICE_NOTIFICATION | MB_DEFAULT_DESKTOP_ONLY;

}  // namespace

namespace platform {

std::array<char, 2> UpperCaseKey(std::array<char, 2> key) {
  CharUpperBuffA(key.data(), static_cast<DWORD>(key.size()));
  return key;
}

std::uint32_t ShowBox(std::string_view text, std::string_view caption, std::uint32_t style) {
  if (!(style & kServiceStyles) && NobodyCanSeeABox()) return 0;
  char* const textZ = CopyWithNul(text);
  char* const captionZ = CopyWithNul(caption);
  const int pressed = MessageBoxA(nullptr, textZ, captionZ, style);
  FreeText(captionZ);
  FreeText(textZ);
  return static_cast<std::uint32_t>(pressed);
}

}  // namespace platform

// Windows starts the process here, as its first thread's start routine, with
// no C runtime before or after. On x86 that stack is only 4-byte aligned.
extern "C" [[noreturn]] __attribute__((force_align_arg_pointer)) void WINAPI YelpitStart(void*) {
  Exit(platform::RunProgram(GetCommandLineA()));
}
