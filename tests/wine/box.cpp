#include "tests/wine/box.h"
// psapi.h needs windows.h first.
#include <psapi.h>

#include <algorithm>
#include <cstdio>

namespace driver {
namespace {

std::string WindowText(HWND window) {
  const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT got = SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(got));
  return text;
}

std::wstring WideWindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::string ClassName(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

struct Search {
  DWORD pid;            // 0: a box of any process
  std::string caption;  // empty: any caption
  HWND found;
};

BOOL CALLBACK MatchBox(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (!IsWindowVisible(window) || ClassName(window) != "#32770") return TRUE;
  if (search->pid != 0 && pid != search->pid) return TRUE;
  if (!search->caption.empty() && WindowText(window) != search->caption) return TRUE;
  search->found = window;
  return FALSE;
}

BOOL CALLBACK ReadControl(HWND control, LPARAM param) {
  auto* box = reinterpret_cast<Box*>(param);
  if (!IsWindowVisible(control)) return TRUE;
  const std::string type = ClassName(control);
  if (type == "Button") {
    box->buttons.push_back(GetDlgCtrlID(control));
  } else if (type == "Static") {
    if ((GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
      box->icon = SendMessageA(control, STM_GETICON, 0, 0) != 0;  // an empty one may stay in place
    } else {
      box->text = WindowText(control);
      box->wideText = WideWindowText(control);
    }
  }
  return TRUE;
}

// The path of the loaded module with this file name, empty when none is.
std::wstring LoadedFrom(HANDLE process, const wchar_t* name) {
  HMODULE modules[512];
  DWORD bytes = 0;
  if (!EnumProcessModules(process, modules, sizeof modules, &bytes)) return {};
  for (DWORD i = 0; i < bytes / sizeof modules[0] && i < 512; ++i) {
    wchar_t path[MAX_PATH];
    const std::wstring full(path, GetModuleFileNameExW(process, modules[i], path, MAX_PATH));
    if (_wcsicmp(full.c_str() + full.find_last_of(L'\\') + 1, name) == 0) return full;
  }
  return {};
}

// Reads and presses the started program's box, then waits for its end.
Run Await(const PROCESS_INFORMATION& process, Press press) {
  Run run;
  run.started = true;
  if (HWND window = FindBox(process.dwProcessId, "", process.hProcess)) {
    run.boxShown = true;
    run.box = ReadBox(window);
    run.commonControls = LoadedFrom(process.hProcess, L"comctl32.dll");
    PressOn(run.box, press);
  }
  run.exited = WaitForSingleObject(process.hProcess, kPatienceMs) == WAIT_OBJECT_0;
  if (!run.exited) TerminateProcess(process.hProcess, 99);
  GetExitCodeProcess(process.hProcess, &run.exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return run;
}

Run StartFailed() {
  Run run;
  run.startError = GetLastError();
  return run;
}

}  // namespace

HWND FindBox(DWORD pid, const std::string& caption, HANDLE process) {
  for (DWORD waited = 0; waited < kPatienceMs; waited += 50) {
    Search search{pid, caption, nullptr};
    EnumWindows(MatchBox, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    if (process && WaitForSingleObject(process, 50) == WAIT_OBJECT_0) return nullptr;
    if (!process) Sleep(50);
  }
  return nullptr;
}

Box ReadBox(HWND window) {
  Box box;
  box.window = window;
  box.caption = WindowText(window);
  box.wideCaption = WideWindowText(window);
  EnumChildWindows(window, ReadControl, reinterpret_cast<LPARAM>(&box));
  std::sort(box.buttons.begin(), box.buttons.end(), [window](int a, int b) {
    RECT ra, rb;
    GetWindowRect(GetDlgItem(window, a), &ra);
    GetWindowRect(GetDlgItem(window, b), &rb);
    return ra.left < rb.left;
  });
  return box;
}

void PressOn(const Box& box, Press press) {
  switch (press.action) {
    case Action::Button:
      // What a click sends the box; a click itself needs the box to be the
      // active window, which Windows may not let a box of another process be.
      PostMessageA(box.window, WM_COMMAND, MAKEWPARAM(press.button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(box.window, press.button)));
      break;
    case Action::Escape:
      PostMessageA(box.window, WM_KEYDOWN, VK_ESCAPE, 0);
      PostMessageA(box.window, WM_KEYUP, VK_ESCAPE, 0xC0000001);
      break;
    case Action::Close:
      PostMessageA(box.window, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
    case Action::None:
      break;
  }
}

std::string Shown(const std::string& bytes) {
  std::string shown;
  for (const unsigned char c : bytes.substr(0, 120)) {
    char hex[8];
    std::snprintf(hex, sizeof hex, c < 0x20 || c >= 0x7f ? "\\x%02X" : "%c", c);
    shown += hex;
  }
  return shown + (bytes.size() > 120 ? "... (" + std::to_string(bytes.size()) + " bytes)" : "");
}

std::string FirstDifference(const std::string& seen, const std::string& expected) {
  const auto at = std::mismatch(seen.begin(), seen.end(), expected.begin(), expected.end());
  const std::size_t offset = static_cast<std::size_t>(at.first - seen.begin());
  return "differ at byte " + std::to_string(offset) + " of " + std::to_string(expected.size()) + ": seen " +
         Shown(seen.substr(offset, 16)) + ", expected " + Shown(expected.substr(offset, 16));
}

Run StartAndPress(const std::string& program, std::string commandLine, Press press) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return StartFailed();
  }
  return Await(process, press);
}

Run StartAndPress(const std::string& program, std::wstring commandLine, Press press) {
  std::wstring path(program.size(), L'\0');  // never longer in UTF-16
  path.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, program.data(),
                                                           static_cast<int>(program.size()), path.data(),
                                                           static_cast<int>(path.size()))));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return StartFailed();
  }
  return Await(process, press);
}

BatchRun RunBatch(const std::string& batch, const std::string& caption, const std::vector<int>& presses,
                  const char* desktop, const std::string& folder) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd, writeEnd;
  CreatePipe(&readEnd, &writeEnd, &inherit, 0);
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  std::string where = desktop ? desktop : "";
  if (desktop) startup.lpDesktop = where.data();
  std::string commandLine = "cmd.exe /c \"" + batch + "\"";
  PROCESS_INFORMATION process{};
  const std::string directory = folder.empty() ? ThisDirectory() : folder;
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, directory.c_str(),
                      &startup, &process)) {
    return {"(cmd.exe did not start)", {}};
  }
  CloseHandle(writeEnd);
  BatchRun run;
  for (const int button : presses) {
    const HWND window = FindBox(0, caption, process.hProcess);
    if (!window) {
      run.output += "(no box) ";
      break;
    }
    run.boxes.push_back(ReadBox(window));
    PressOn(run.boxes.back(), {Action::Button, button});
    // The next box may only be looked for once this one has gone.
    for (DWORD waited = 0; IsWindow(window) && waited < kPatienceMs; waited += 20) Sleep(20);
  }
  // Reads what the batch file prints until it ends; one that hangs is ended.
  const DWORD start = GetTickCount();
  for (bool ended = false; !ended;) {
    ended = WaitForSingleObject(process.hProcess, 20) == WAIT_OBJECT_0;
    char buffer[512];
    DWORD available = 0, got = 0;
    while (PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr) && available > 0 &&
           ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr)) {
      run.output.append(buffer, got);
    }
    if (!ended && GetTickCount() - start > kPatienceMs) {
      TerminateProcess(process.hProcess, 99);
      run.output += "(still running after " + std::to_string(kPatienceMs / 1000) + " s)";
      break;
    }
  }
  GetExitCodeProcess(process.hProcess, &run.exitCode);
  CloseHandle(readEnd);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return run;
}

bool OnWine() { return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr; }

std::string ThisDirectory() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string full = path;
  return full.substr(0, full.find_last_of("\\/") + 1);
}

std::string YelpitWithoutManifest() {
  const std::string folder = ThisDirectory() + "without-manifest\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  CopyFileA((ThisDirectory() + "Yelpit.exe").c_str(), (folder + "Yelpit.exe").c_str(), FALSE);
  return folder + "Yelpit.exe";
}

std::string CannotRunHere(const std::string& what, const std::string& why) {
  char required[256] = "";
  if (GetEnvironmentVariableA("YELPIT_REQUIRE", required, sizeof required) >= sizeof required) *required = 0;
  if (("," + std::string(required) + ",").find("," + what + ",") == std::string::npos) return "skip: " + why;
  return why + " (YELPIT_REQUIRE=" + required + ": it must run here)";
}

DWORD Session() {
  DWORD session = 0;
  ProcessIdToSessionId(GetCurrentProcessId(), &session);
  return session;
}

std::string NobodyCanSeeABoxHere() {
  USEROBJECTFLAGS flags{};
  if (!GetUserObjectInformationA(GetProcessWindowStation(), UOI_FLAGS, &flags, sizeof flags, nullptr) ||
      !(flags.dwFlags & WSF_VISIBLE)) {
    return CannotRunHere("desktop", "this window station has no display, as where nobody is signed in");
  }
  if (Session() == 0) return CannotRunHere("desktop", "this runs in session 0, which nobody sees");
  return {};
}

void Tally::Tell(const std::string& what, const std::string& problem, const std::string& done) {
  const bool skipped = problem.rfind("skip: ", 0) == 0;
  const std::string said = skipped ? problem.substr(6) : problem.empty() ? done : problem;
  std::printf("%s %s%s%s\n",
              skipped           ? "skip"
              : problem.empty() ? "ok  "
                                : "FAIL",
              what.c_str(), said.empty() ? "" : ": ", said.c_str());
  if (!skipped) (problem.empty() ? passed : failed)++;
}

int Tally::Report() const {
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}

}  // namespace driver
