#include <windows.h>
// wtsapi32.h needs windows.h first; only its declarations are used.
#include <wtsapi32.h>

#include <cstring>

#include "platform/memory_windows.h"
#include "platform/platform.h"
#include "platform/sessions.h"

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

// The system's function of this name, or null where this Windows lacks it:
// Yelpit still starts on versions older than the function.
template <typename Function>
Function* SystemFunction(HMODULE module, const char* name) {
  return module ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                : nullptr;
}

HMODULE Kernel32() { return GetModuleHandleA("kernel32.dll"); }

// The session whose screen and keyboard are at the machine; before Windows XP
// there was only session 0. 0xFFFFFFFF while none is attached.
DWORD ConsoleSession() {
  auto* console =
      SystemFunction<decltype(WTSGetActiveConsoleSessionId)>(Kernel32(), "WTSGetActiveConsoleSessionId");
  return console ? console() : 0;
}

// A scheduled task with nobody logged on, a service or a remote shell runs on
// a window station without a display, and since Windows Vista every service
// runs in session 0, which no user sees, whatever its window station says: a
// box there waits for a press that never comes. When the question itself
// fails, the box is shown as usual.
bool NobodyCanSeeABox() {
  USEROBJECTFLAGS flags{};
  DWORD needed = 0;
  const HWINSTA station = GetProcessWindowStation();
  if (station && GetUserObjectInformationA(station, UOI_FLAGS, &flags, sizeof flags, &needed) &&
      !(flags.dwFlags & WSF_VISIBLE)) {
    return true;
  }
  auto* sessionOf = SystemFunction<decltype(ProcessIdToSessionId)>(Kernel32(), "ProcessIdToSessionId");
  DWORD session = 0;
  return sessionOf && sessionOf(GetCurrentProcessId(), &session) && session == 0 && ConsoleSession() != 0;
}

// Styles that ask for the box to reach the user from wherever Yelpit runs.
constexpr std::uint32_t kServiceStyles = MB_SERVICE_NOTIFICATION | MB_DEFAULT_DESKTOP_ONLY;

// Puts the box in front of the user signed in at the console, or else the
// one user working over Remote Desktop, the way Windows lets a service ask,
// and waits for the answer; 0 when there is nobody to ask or the box cannot
// go. The DLL comes from the system folder by its whole path, so no copy
// beside Yelpit.exe is ever loaded.
std::uint32_t AskTheSignedInUser(char* text, DWORD textSize, char* caption, DWORD captionSize,
                                 std::uint32_t style) {
  static constexpr char kName[] = "\\wtsapi32.dll";
  char path[MAX_PATH + sizeof kName];
  const UINT folder = GetSystemDirectoryA(path, MAX_PATH);
  if (folder == 0 || folder >= MAX_PATH) return 0;
  std::memcpy(path + folder, kName, sizeof kName);
  const HMODULE wts = LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  auto* list = SystemFunction<decltype(WTSEnumerateSessionsA)>(wts, "WTSEnumerateSessionsA");
  auto* release = SystemFunction<decltype(WTSFreeMemory)>(wts, "WTSFreeMemory");
  auto* send = SystemFunction<decltype(WTSSendMessageA)>(wts, "WTSSendMessageA");
  WTS_SESSION_INFOA* sessions = nullptr;
  DWORD count = 0;
  if (!list || !release || !send || !list(WTS_CURRENT_SERVER_HANDLE, 0, 1, &sessions, &count)) return 0;
  static_assert(WTSActive == platform::kSessionActive);
  const DWORD session = platform::SessionToAsk(sessions, count, ConsoleSession());
  release(sessions);
  DWORD pressed = 0;
  if (session == platform::kNobody || !send(WTS_CURRENT_SERVER_HANDLE, session, caption, captionSize, text,
                                            textSize, style & ~kServiceStyles, 0, &pressed, TRUE)) {
    return 0;
  }
  return pressed;
}

}  // namespace

namespace platform {

std::array<char, 2> UpperCaseKey(std::array<char, 2> key) {
  CharUpperBuffA(key.data(), static_cast<DWORD>(key.size()));
  return key;
}

std::uint32_t ShowBox(std::string_view text, std::string_view caption, std::uint32_t style) {
  const bool unseen = NobodyCanSeeABox();
  if (unseen && !(style & kServiceStyles)) return 0;
  char* const textZ = CopyWithNul(text);
  char* const captionZ = CopyWithNul(caption);
  const std::uint32_t pressed =
      unseen ? AskTheSignedInUser(textZ, static_cast<DWORD>(text.size()), captionZ,
                                  static_cast<DWORD>(caption.size()), style)
             : static_cast<std::uint32_t>(MessageBoxA(nullptr, textZ, captionZ, style));
  FreeText(captionZ);
  FreeText(textZ);
  return pressed;
}

}  // namespace platform

// Windows starts the process here, as its first thread's start routine, with
// no C runtime before or after. On x86 that stack is only 4-byte aligned.
extern "C" [[noreturn]] __attribute__((force_align_arg_pointer)) void WINAPI YelpitStart(void*) {
  Exit(platform::RunProgram(GetCommandLineA()));
}
