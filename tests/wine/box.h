// Finds, reads and presses message boxes of other processes, for the
// end-to-end tests under Wine.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace driver {

constexpr int IDTRYAGAIN_ = 10, IDCONTINUE_ = 11;  // older headers lack them
constexpr DWORD kPatienceMs = 20000;               // a box that has not come by then never will

enum class Action { Button, Escape, Close, None };

struct Press {
  Action action;
  int button = 0;
};

struct Box {
  HWND window = nullptr;
  std::string caption, text;
  std::wstring wideCaption, wideText;  // as read in Unicode
  std::vector<int> buttons;            // the visible ones, left to right
  bool icon = false;
};

struct Run {
  bool started = false;
  DWORD startError = 0;  // GetLastError() when the start failed
  bool boxShown = false;
  Box box;
  DWORD exitCode = 0;
  bool exited = false;
  std::wstring commonControls;  // where comctl32.dll came from while the box was up; empty: not loaded
};

// A visible box of the process (0: of any process) with this caption (empty:
// any); null once the process has ended or after kPatienceMs.
HWND FindBox(DWORD pid, const std::string& caption, HANDLE process);
Box ReadBox(HWND window);
void PressOn(const Box& box, Press press);

// Starts a program with this exact command line, presses on its box and
// waits for it to end.
Run StartAndPress(const std::string& program, std::string commandLine, Press press);
// The same with a Unicode command line, as Explorer and PowerShell start programs.
Run StartAndPress(const std::string& program, std::wstring commandLine, Press press);

struct BatchRun {
  std::string output;      // what the batch file printed
  std::vector<Box> boxes;  // each box as it was before its press
  DWORD exitCode = 0;
};

// Runs a batch file under cmd.exe, on this desktop or the one named, in this
// folder (empty: the driver's), and answers the boxes with this caption in turn.
BatchRun RunBatch(const std::string& batch, const std::string& caption, const std::vector<int>& presses,
                  const char* desktop = nullptr, const std::string& folder = {});

// Bytes as readable text, and where two texts part.
std::string Shown(const std::string& bytes);
std::string FirstDifference(const std::string& seen, const std::string& expected);

// Wine, rather than Windows: its ntdll exports wine_get_version. Where the
// two differ, the tests expect what Windows does and name what Wine does.
bool OnWine();

std::string ThisDirectory();
// A copy of the Yelpit.exe beside this driver in a folder of its own,
// without the manifest: what runs where the file is left behind.
std::string YelpitWithoutManifest();

// A case this machine cannot run: "skip: why", or a failure saying why where
// the comma-separated YELPIT_REQUIRE lists what it proves, as CI's does.
std::string CannotRunHere(const std::string& what, const std::string& why);
DWORD Session();  // this process's
// Why no box of this process's desktop can be seen or pressed, as
// CannotRunHere gives it for "desktop"; empty when one can.
std::string NobodyCanSeeABoxHere();

// Counts a mode's cases and prints a line for each: "ok" or "FAIL" with what
// went wrong, or "skip" with why, for a problem that starts with "skip: ".
struct Tally {
  int passed = 0, failed = 0;
  void Tell(const std::string& what, const std::string& problem, const std::string& done = {});
  // Prints "N passed, N failed" and gives the driver's exit code.
  int Report() const;
};

int CheckResources(const std::vector<std::string>& executables);

// A window station of the driver's own, without a display, and its desktop:
// what a scheduled task with nobody logged on, a service or a remote shell
// runs on. Programs started there with STARTUPINFO.lpDesktop set to
// kUnseenDesktop run where nobody can see them.
constexpr char kUnseenStation[] = "YelpitUnseen", kUnseenDesktop[] = "YelpitUnseen\\Default";
HDESK MakeUnseenDesktop();
int RunUnseenCases();
// Prints whether this window station is visible, the screen size and the sessions.
int DescribeDesktop();

// Boxes written in the script of this ANSI code page, which the locale must
// give; under 1252 also the batch file saved in OEM code page 850.
int RunCodePageCases(UINT codePage, const std::string& examples);

}  // namespace driver
