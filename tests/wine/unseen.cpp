// Yelpit.exe where nobody can see a box: on a window station without a
// display, as under a scheduled task run with nobody logged on, a service or
// a remote shell.
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/wine/box.h"

namespace driver {
namespace {

struct UnseenCase {
  std::string name, commandLine;
  bool boxRequested;  // false: the run ends with 0 at once
};

const UnseenCase kUnseenCases[] = {
    {"a plain message", "Yelpit Hello", false},
    {"the typical Yes/No box", "Yelpit Hello Word, are you ready? /c:Greeting /t:MB_ICONEXCLAMATION,MB_YESNO",
     false},
    {"help", "Yelpit /?", false},
    {"MB_SERVICE_NOTIFICATION", "Yelpit Backup done /c:Backup /t:MB_SERVICE_NOTIFICATION", true},
    {"MB_DEFAULT_DESKTOP_ONLY", "Yelpit Backup done /c:Backup /t:MB_DEFAULT_DESKTOP_ONLY,MB_YESNO", true},
};

DWORD ExitCode(HANDLE process) {
  DWORD code = 0;
  GetExitCodeProcess(process, &code);
  return code;
}

BOOL CALLBACK NoteBox(HWND window, LPARAM found) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::string(name) != "#32770") return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// Ends the process and says why if it does not end with 0 at once, or, when
// a box is to be requested, if none appears on the desktop while it runs.
std::string Check(const UnseenCase& c, HDESK desktop, HANDLE process) {
  if (!c.boxRequested) {
    if (WaitForSingleObject(process, kPatienceMs) != WAIT_OBJECT_0) {
      TerminateProcess(process, 99);
      return "still running after " + std::to_string(kPatienceMs / 1000) + " s: it hangs";
    }
    const DWORD code = ExitCode(process);
    return code == 0 ? "" : "exit code " + std::to_string(code);
  }
  for (DWORD waited = 0; waited < kPatienceMs; waited += 50) {
    HWND box = nullptr;
    EnumDesktopWindows(desktop, NoteBox, reinterpret_cast<LPARAM>(&box));
    if (box) {
      TerminateProcess(process, 99);
      return {};
    }
    if (WaitForSingleObject(process, 50) == WAIT_OBJECT_0) {
      return "ended with " + std::to_string(ExitCode(process)) + " without asking for a box";
    }
  }
  TerminateProcess(process, 99);
  return "no box appeared on its desktop";
}

}  // namespace

HDESK MakeUnseenDesktop() {
  const HWINSTA station = CreateWindowStationA(kUnseenStation, 0, WINSTA_ALL_ACCESS, nullptr);
  if (!station) return nullptr;
  // A desktop is made on the process's window station, so switch for a moment.
  const HWINSTA own = GetProcessWindowStation();
  SetProcessWindowStation(station);
  const HDESK desktop = CreateDesktopA("Default", nullptr, nullptr, 0, GENERIC_ALL, nullptr);
  SetProcessWindowStation(own);
  return desktop;
}

int RunUnseenCases() {
  const HDESK desktop = MakeUnseenDesktop();
  if (!desktop) {
    std::printf("FAIL could not make a window station and desktop, error %lu\n", GetLastError());
    return 1;
  }
  const std::string yelpit = ThisDirectory() + "Yelpit.exe";
  int passed = 0, failed = 0;
  for (const UnseenCase& c : kUnseenCases) {
    std::string commandLine = c.commandLine, where = kUnseenDesktop;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.lpDesktop = where.data();
    PROCESS_INFORMATION process{};
    std::string problem;
    if (CreateProcessA(yelpit.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process)) {
      problem = Check(c, desktop, process.hProcess);
      CloseHandle(process.hThread);
      CloseHandle(process.hProcess);
    } else {
      problem = "could not start, error " + std::to_string(GetLastError());
    }
    std::printf("%s where nobody can see it, %s: %s\n", problem.empty() ? "ok  " : "FAIL", c.name.c_str(),
                problem.empty() ? (c.boxRequested ? "the box was still requested" : "exit code 0 at once")
                                : problem.c_str());
    (problem.empty() ? passed : failed)++;
  }
  return Report(passed, failed);
}

}  // namespace driver
