// Yelpit.exe where nobody can see a box: on a window station without a
// display, as under a scheduled task run with nobody logged on, a service or
// a remote shell. A box asked for with a service style goes to the user at
// the console instead; on Windows the driver answers it there. Wine cannot
// send such a box, so there a stand-in wtsapi32.dll shows what Yelpit sends.
#include <windows.h>
// These need windows.h first.
#include <shlobj.h>
#include <tlhelp32.h>
#include <wtsapi32.h>

#include <cstdio>
#include <string>

#include "tests/wine/box.h"

namespace driver {
namespace {

enum class Outcome {
  ZeroAtOnce,     // the run ends with 0 at once
  ToTheConsole,   // on Windows the box reaches this session and Yes is pressed; Wine's wtsapi32.dll
                  // can neither list the sessions nor send a box, so there: 0 at once
  StandIn,        // under Wine, the stand-in in the system folder lists the sessions; it answers No to
                  // what it is sent, and when it is sent nothing the run ends with 0 at once
  StandInFails,   // the same, but the sending fails, whatever the answer: 0 at once
  StandInBeside,  // the stand-in beside Yelpit.exe only, where it must never be loaded: 0 at once
};

struct UnseenCase {
  std::string name, commandLine;
  Outcome outcome;
  // The stand-in's sessions, "id:state": Wine's console is session 1; the states
  // as wtsapi32.h numbers them, 0 active, 1 the sign-in screen, 4 disconnected, 6 listening.
  std::string sessions = {};
  std::string sent = {};     // what the stand-in must be sent; empty: nothing
  std::string missing = {};  // a function the stand-in lacks
};

const std::string kRestart = "Yelpit Restart now? /c:Updates /t:MB_YESNO,MB_ICONQUESTION,MB_DEFBUTTON2,";
const std::string kAsk = kRestart + "MB_SERVICE_NOTIFICATION";
// The service bits go; the buttons, icon, default button and the rest stay.
const std::string kSent = "caption \"Updates\", text \"Restart now?\", style 0x124, timeout 0, wait 1";

const UnseenCase kUnseenCases[] = {
    {"a plain message", "Yelpit Hello", Outcome::ZeroAtOnce},
    {"the typical Yes/No box", "Yelpit Hello Word, are you ready? /c:Greeting /t:MB_ICONEXCLAMATION,MB_YESNO",
     Outcome::ZeroAtOnce},
    {"help", "Yelpit /?", Outcome::ZeroAtOnce},
    {"MB_SERVICE_NOTIFICATION", kAsk, Outcome::ToTheConsole},
    {"MB_DEFAULT_DESKTOP_ONLY", kRestart + "MB_DEFAULT_DESKTOP_ONLY", Outcome::ToTheConsole},
    {"MB_SERVICE_NOTIFICATION, the console before a remote user", kAsk + ",MB_TOPMOST", Outcome::StandIn,
     "0:4 2:0 1:0 65536:6",
     "session 1, caption \"Updates\", text \"Restart now?\", style 0x40124, timeout 0, wait 1"},
    {"MB_SERVICE_NOTIFICATION, the sending fails", kAsk, Outcome::StandInFails, "1:0", "session 1, " + kSent},
    {"MB_SERVICE_NOTIFICATION, the sign-in screen at the console, one remote user", kAsk, Outcome::StandIn,
     "0:4 2:0 1:1 65536:6", "session 2, " + kSent},
    {"MB_SERVICE_NOTIFICATION, nobody signed in", kAsk, Outcome::StandIn, "0:4 1:1 65536:6"},
    {"MB_SERVICE_NOTIFICATION, two remote users", kAsk, Outcome::StandIn, "1:1 2:0 3:0"},
    {"MB_SERVICE_NOTIFICATION, a disconnected user only", kAsk, Outcome::StandIn, "1:1 2:4"},
    {"no service style, with the stand-in in place", kRestart + "MB_TOPMOST", Outcome::StandIn, "1:0"},
    {"a wtsapi32.dll without WTSEnumerateSessionsA", kAsk, Outcome::StandIn, "1:0", "",
     "WTSEnumerateSessionsA"},
    {"a wtsapi32.dll without WTSFreeMemory", kAsk, Outcome::StandIn, "1:0", "", "WTSFreeMemory"},
    {"a wtsapi32.dll without WTSSendMessageA", kAsk, Outcome::StandIn, "1:0", "", "WTSSendMessageA"},
    {"MB_SERVICE_NOTIFICATION, a wtsapi32.dll beside Yelpit.exe", kAsk, Outcome::StandInBeside, "1:0"},
};

// A row the stand-in answers, with No.
bool Answered(const UnseenCase& c) { return c.outcome == Outcome::StandIn && !c.sent.empty(); }

// The exit code of a started process, or STILL_ACTIVE when it was still
// running after `patience` and had to be ended.
DWORD Finish(const PROCESS_INFORMATION& process, DWORD patience = kPatienceMs) {
  DWORD code = STILL_ACTIVE;
  if (WaitForSingleObject(process.hProcess, patience) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process.hProcess, &code);
  } else {
    TerminateProcess(process.hProcess, 99);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

// Runs a command line, hidden.
DWORD Run(std::string commandLine) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  return CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &process)
             ? Finish(process)
             : GetLastError();
}

// A box sent to a session is drawn by the session's csrss, at SYSTEM's level,
// which Windows lets no lower process read or press. So the driver presses
// it through a copy of itself started with the token of this session's
// winlogon. Gives what went wrong, or nothing.
std::string PressAsSystem(const std::string& caption, int button) {
  HANDLE token = nullptr, system = nullptr;
  TOKEN_PRIVILEGES debug{1, {{{0, 0}, SE_PRIVILEGE_ENABLED}}};
  if (OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &token)) {
    if (LookupPrivilegeValueA(nullptr, "SeDebugPrivilege", &debug.Privileges[0].Luid)) {
      AdjustTokenPrivileges(token, FALSE, &debug, 0, nullptr, nullptr);
    }
    CloseHandle(token);
  }
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more && !system;
       more = Process32Next(snapshot, &entry)) {
    DWORD session = 0;
    if (_stricmp(entry.szExeFile, "winlogon.exe") != 0 ||
        !ProcessIdToSessionId(entry.th32ProcessID, &session) || session != Session()) {
      continue;
    }
    const HANDLE winlogon = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
    if (winlogon && OpenProcessToken(winlogon, TOKEN_DUPLICATE | TOKEN_QUERY, &token)) {
      DuplicateTokenEx(token, MAXIMUM_ALLOWED, nullptr, SecurityImpersonation, TokenPrimary, &system);
      CloseHandle(token);
    }
    if (winlogon) CloseHandle(winlogon);
  }
  CloseHandle(snapshot);
  if (!system) return "no SYSTEM token of this session's winlogon, error " + std::to_string(GetLastError());
  wchar_t driver[MAX_PATH], desktop[] = L"winsta0\\default";
  GetModuleFileNameW(nullptr, driver, MAX_PATH);
  std::wstring line = L"\"" + std::wstring(driver) + L"\" press \"" +
                      std::wstring(caption.begin(), caption.end()) + L"\" " + std::to_wstring(button);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.lpDesktop = desktop;
  PROCESS_INFORMATION process{};
  const BOOL started =
      CreateProcessWithTokenW(system, 0, nullptr, line.data(), 0, nullptr, nullptr, &startup, &process);
  const DWORD error = GetLastError();
  CloseHandle(system);
  if (!started) return "could not start the driver as SYSTEM, error " + std::to_string(error);
  // It looks for the box for kPatienceMs itself.
  return Finish(process, 2 * kPatienceMs) == 0 ? ""
                                               : "no box \"" + caption + "\" reached this session to press";
}

// Runs Yelpit where nobody can see it; on Windows presses Yes on the box
// with this caption where it reaches the console. Gives what went wrong.
std::string RunUnseen(const std::string& yelpit, std::string commandLine, DWORD expected,
                      const std::string& pressed = {}) {
  std::string where = kUnseenDesktop;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.lpDesktop = where.data();
  startup.dwFlags = STARTF_USESTDHANDLES;  // and none: what the driver runs there says nothing here
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(yelpit.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return "could not start, error " + std::to_string(GetLastError());
  }
  const std::string problem = pressed.empty() ? "" : PressAsSystem(pressed, IDYES);
  const DWORD code = Finish(process);
  if (!problem.empty()) return problem;
  if (code == STILL_ACTIVE)
    return "still running after " + std::to_string(kPatienceMs / 1000) + " s: it hangs";
  return code == expected ? "" : "exit code " + std::to_string(code);
}

// Runs with the stand-in as the system's wtsapi32.dll, or beside Yelpit.exe,
// and puts Wine's back afterwards; first too, should an earlier run have been cut short.
std::string WithStandIn(const UnseenCase& c) {
  char folder[MAX_PATH];
  GetSystemDirectoryA(folder, MAX_PATH);
  const std::string system = std::string(folder) + "\\wtsapi32.dll", saved = system + ".yelpit";
  const std::string standIn =
      ThisDirectory() + "wtsapi32-standin" + (c.missing.empty() ? "" : "-without-" + c.missing) + ".dll";
  const std::string log = ThisDirectory() + "standin.log";
  std::string yelpit = ThisDirectory() + "Yelpit.exe";
  MoveFileExA(saved.c_str(), system.c_str(), MOVEFILE_REPLACE_EXISTING);
  DeleteFileA(log.c_str());
  if (c.outcome == Outcome::StandInBeside) {
    const std::string beside = ThisDirectory() + "planted\\";
    CreateDirectoryA(beside.c_str(), nullptr);
    CopyFileA(yelpit.c_str(), (beside + "Yelpit.exe").c_str(), FALSE);
    CopyFileA(standIn.c_str(), (beside + "wtsapi32.dll").c_str(), FALSE);
    yelpit = beside + "Yelpit.exe";
  } else if (!MoveFileExA(system.c_str(), saved.c_str(), MOVEFILE_REPLACE_EXISTING) ||
             !CopyFileA(standIn.c_str(), system.c_str(), FALSE)) {
    return "could not put the stand-in in " + system;
  }
  // Wine loads its own wtsapi32.dll unless told to prefer a native one, for Yelpit.exe only.
  const char overrides[] = "Software\\Wine\\AppDefaults\\Yelpit.exe\\DllOverrides";
  RegSetKeyValueA(HKEY_CURRENT_USER, overrides, "wtsapi32", REG_SZ, "native,builtin", 15);
  SetEnvironmentVariableA("YELPIT_STANDIN_LOG", log.c_str());
  SetEnvironmentVariableA("YELPIT_STANDIN_SESSIONS", c.sessions.c_str());
  SetEnvironmentVariableA("YELPIT_STANDIN_FAILS", c.outcome == Outcome::StandInFails ? "1" : nullptr);
  const std::string problem = RunUnseen(yelpit, c.commandLine, Answered(c) ? IDNO : 0);
  RegDeleteKeyValueA(HKEY_CURRENT_USER, overrides, "wtsapi32");
  if (c.outcome != Outcome::StandInBeside)
    MoveFileExA(saved.c_str(), system.c_str(), MOVEFILE_REPLACE_EXISTING);

  char sent[512] = "";
  if (FILE* file = std::fopen(log.c_str(), "rb")) {
    sent[std::fread(sent, 1, sizeof sent - 1, file)] = '\0';
    std::fclose(file);
  }
  if (!problem.empty()) return problem;
  if (sent == c.sent) return {};
  return *sent ? "the stand-in was sent " + Shown(sent) : "the stand-in was sent nothing";
}

// Why a box that Windows sends to the console cannot be answered from here;
// empty when it can.
std::string ConsoleOutOfReach() {
  if (Session() != WTSGetActiveConsoleSessionId())
    return CannotRunHere("console", "this session is not the one at the console, where such a box goes");
  if (!IsUserAnAdmin())
    return CannotRunHere("console",
                         "only an elevated driver can press a box from a service, or run a task as SYSTEM");
  return {};
}

// The result of one case, "skip: why" where it cannot run here.
std::string Check(const UnseenCase& c) {
  if (c.outcome >= Outcome::StandIn) {
    return OnWine() ? WithStandIn(c) : "skip: the system's wtsapi32.dll is replaced under Wine only";
  }
  const bool answered = c.outcome == Outcome::ToTheConsole && !OnWine();
  const std::string unreachable = answered ? ConsoleOutOfReach() : "";
  if (!unreachable.empty()) return unreachable;
  return RunUnseen(ThisDirectory() + "Yelpit.exe", c.commandLine, answered ? IDYES : 0,
                   answered ? "Updates" : "");
}

// Windows only: a one-shot scheduled task runs Yelpit as SYSTEM, in session
// 0, which nobody sees; the box must reach this session at the console, and
// the task record the button pressed there.
std::string CheckFromSystem() {
  if (OnWine()) return "skip: Wine runs no scheduled tasks";
  if (const std::string unreachable = ConsoleOutOfReach(); !unreachable.empty()) return unreachable;
  const std::string task = " /TN YelpitFromSystem";
  if (Run("schtasks /Create /F /RU SYSTEM /SC ONCE /ST 00:00" + task + " /TR \"\\\"" + ThisDirectory() +
          "Yelpit.exe\\\" Restart now? /c:Yelpit from SYSTEM /t:MB_YESNO,MB_SERVICE_NOTIFICATION\"") != 0) {
    return "schtasks could not make the task";
  }
  std::string problem = Run("schtasks /Run" + task) == 0 ? PressAsSystem("Yelpit from SYSTEM", IDYES)
                                                         : "schtasks could not start the task";
  // 0x41301: still running; 0x41303: not yet started.
  DWORD result = 0x41303;
  for (DWORD waited = 0; problem.empty() && (result == 0x41301 || result == 0x41303) && waited < kPatienceMs;
       waited += 500) {
    Sleep(500);
    result =
        Run("powershell -NoProfile -Command exit (Get-ScheduledTaskInfo -TaskName YelpitFromSystem)"
            ".LastTaskResult");
  }
  if (problem.empty() && result != IDYES) problem = "the task recorded " + std::to_string(result);
  Run("schtasks /Delete /F" + task);
  return problem;
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

int DescribeDesktop() {
  USEROBJECTFLAGS flags{};
  GetUserObjectInformationA(GetProcessWindowStation(), UOI_FLAGS, &flags, sizeof flags, nullptr);
  std::printf("window station %s; screen %dx%d; session %lu, at the console: session %lu%s\n",
              flags.dwFlags & WSF_VISIBLE ? "visible (WSF_VISIBLE)" : "NOT visible",
              GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), Session(),
              WTSGetActiveConsoleSessionId(), OnWine() ? "; Wine" : "");
  return 0;
}

int RunUnseenCases() {
  if (!MakeUnseenDesktop()) {
    std::printf("FAIL could not make a window station and desktop, error %lu\n", GetLastError());
    return 1;
  }
  Tally tally;
  for (const UnseenCase& c : kUnseenCases) {
    const char* done = Answered(c)                          ? "the stand-in received it and answered No"
                       : c.outcome != Outcome::ToTheConsole ? "exit code 0 at once"
                       : OnWine()                           ? "Wine cannot send it on: exit code 0 at once"
                                                            : "it reached the console, where Yes was pressed";
    tally.Tell("where nobody can see it, " + c.name, Check(c), done);
  }
  tally.Tell("a scheduled task as SYSTEM", CheckFromSystem(),
             "its box reached the console; the task recorded Yes");
  // As on a runner with nobody signed in: the driver's own box rows skip, or fail where
  // required. Last, since it sets the YELPIT_REQUIRE this driver hands on.
  for (const char* setting : {"", "desktop"}) {
    SetEnvironmentVariableA("YELPIT_REQUIRE", setting);
    tally.Tell(std::string("the driver's box rows where nobody can see them, YELPIT_REQUIRE=") + setting,
               RunUnseen(ThisDirectory() + "box_driver.exe", "box_driver boxes", *setting ? 1 : 0),
               *setting ? "they fail" : "they skip");
  }
  return tally.Report();
}

}  // namespace driver
