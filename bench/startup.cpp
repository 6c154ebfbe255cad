// Times a program from its start to a visible box, and from the press of a
// button to the box's disappearance, and reads its peak memory.
// Usage: startup_bench RUNS PROGRAM COMMAND-LINE (PROGRAM beside this one)
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

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

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

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: startup_bench RUNS PROGRAM COMMAND-LINE\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  // The program is looked for beside this one.
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string program = self;
  program = program.substr(0, program.find_last_of("\\/") + 1) + argv[2];
  std::vector<double> toBox, toGone;
  SIZE_T peak = 0;
  for (int i = 0; i < runs; ++i) {
    std::string commandLine = argv[3];
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double start = Now();
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
      std::fprintf(stderr, "cannot start %s\n", argv[2]);
      return 1;
    }
    const HWND window = PollForBox(process.dwProcessId, process.hProcess);
    if (!window) {
      std::fprintf(stderr, "%s showed no box\n", argv[2]);
      return 1;
    }
    toBox.push_back(Now() - start);

    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(process.hProcess, &counters, sizeof counters)) {
      peak = std::max(peak, counters.PeakWorkingSetSize);
    }
    const double press = Now();
    PostMessageA(GetDlgItem(window, IDYES), BM_CLICK, 0, 0);
    while (IsWindow(window) && IsWindowVisible(window)) Sleep(0);
    toGone.push_back(Now() - press);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  std::printf("%.2f %.2f %lu\n", Median(toBox), Median(toGone), static_cast<unsigned long>(peak / 1024));
  return 0;
}
