// Times programs, run in turn so that all meet the same machine, from their
// start to a visible box and from the press of a button to the box's
// disappearance, and reads their peak memory. Prints a line for each:
// lower quartile and median to the box, median to its end, peak in KB.
// Usage: startup_bench RUNS PROGRAM COMMAND-LINE [PROGRAM COMMAND-LINE...]
// (the programs beside this one)
#include <windows.h>
// psapi.h needs windows.h first.
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double Now() {
  LARGE_INTEGER frequency, count;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&count);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The value below which this share of the values lies, interpolated.
double Quantile(std::vector<double> values, double share) {
  std::sort(values.begin(), values.end());
  const double at = share * static_cast<double>(values.size() - 1);
  const std::size_t below = static_cast<std::size_t>(at);
  const std::size_t above = std::min(below + 1, values.size() - 1);
  return values[below] + (at - static_cast<double>(below)) * (values[above] - values[below]);
}

struct Program {
  std::string path, commandLine;
  std::vector<double> toBox, toGone;
  SIZE_T peak = 0;
};

// The visible box of the process; null if it ends without one.
HWND PollForBox(DWORD pid, HANDLE process) {
  while (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, "#32770", nullptr))) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      if (owner == pid && IsWindowVisible(window)) return window;
    }
    Sleep(0);
  }
  return nullptr;
}

// One run: start, wait for the box, press Yes, wait for the end.
bool TimeOneRun(Program& program) {
  std::string commandLine = program.commandLine;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const double start = Now();
  if (!CreateProcessA(program.path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    std::fprintf(stderr, "cannot start %s\n", program.path.c_str());
    return false;
  }
  const HWND window = PollForBox(process.dwProcessId, process.hProcess);
  if (window) {
    program.toBox.push_back(Now() - start);
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(process.hProcess, &counters, sizeof counters)) {
      program.peak = std::max(program.peak, counters.PeakWorkingSetSize);
    }
    const double press = Now();
    PostMessageA(GetDlgItem(window, IDYES), BM_CLICK, 0, 0);
    while (IsWindow(window) && IsWindowVisible(window)) Sleep(0);
    program.toGone.push_back(Now() - press);
  } else {
    std::fprintf(stderr, "%s showed no box\n", program.path.c_str());
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return window != nullptr;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 4 || argc % 2 != 0) {
    std::fprintf(stderr, "usage: startup_bench RUNS PROGRAM COMMAND-LINE [PROGRAM COMMAND-LINE...]\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string here = self;
  here = here.substr(0, here.find_last_of("\\/") + 1);
  std::vector<Program> programs;
  for (int i = 2; i < argc; i += 2) programs.push_back({here + argv[i], argv[i + 1], {}, {}});
  for (int i = 0; i < runs; ++i) {
    for (Program& program : programs) {
      if (!TimeOneRun(program)) return 1;
    }
  }
  for (const Program& program : programs) {
    std::printf("%.2f %.2f %.2f %lu\n", Quantile(program.toBox, 0.25), Quantile(program.toBox, 0.5),
                Quantile(program.toGone, 0.5), static_cast<unsigned long>(program.peak / 1024));
  }
  return 0;
}
