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
  std::vector<int> buttons;  // the visible ones, left to right
  bool icon = false;
};

struct Run {
  bool started = false;
  DWORD startError = 0;  // GetLastError() when the start failed
  bool boxShown = false;
  Box box;
  DWORD exitCode = 0;
  bool exited = false;
};

// A visible box of the process (0: of any process) with this caption (empty:
// any); null once the process has ended or after kPatienceMs.
HWND FindBox(DWORD pid, const std::string& caption, HANDLE process);
Box ReadBox(HWND window);
void PressOn(const Box& box, Press press);

// Starts a program with this exact command line, presses on its box and
// waits for it to end.
Run StartAndPress(const std::string& program, std::string commandLine, Press press);

// Bytes as readable text, and where two texts part.
std::string Shown(const std::string& bytes);
std::string FirstDifference(const std::string& seen, const std::string& expected);

std::string ThisDirectory();
int Report(int passed, int failed);

int CheckResources(const std::vector<std::string>& executables);

}  // namespace driver
