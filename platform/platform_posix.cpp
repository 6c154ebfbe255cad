// A stand-in for the Windows calls, so Yelpit builds, runs and is tested on
// POSIX systems. The box is drawn on the controlling terminal and answers with
// the identifiers MessageBoxA would return.
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <new>
#include <string>

#include "platform/platform.h"

namespace {

struct Button {
  std::string_view label;  // the accelerator is the byte after '&'
  std::uint32_t id;
};

constexpr Button kOk{"&OK", 1}, kCancel{"&Cancel", 2}, kAbort{"&Abort", 3}, kRetry{"&Retry", 4},
    kIgnore{"&Ignore", 5}, kYes{"&Yes", 6}, kNo{"&No", 7}, kTryAgain{"&Try Again", 10},
    kContinue{"C&ontinue", 11};

struct ButtonSet {
  Button buttons[3];
  int count;
};

// Indexed by the low four bits of the style; 7 to 15 name no set.
constexpr ButtonSet kButtonSets[] = {
    {{kOk}, 1},       {{kOk, kCancel}, 2},    {{kAbort, kRetry, kIgnore}, 3},       {{kYes, kNo, kCancel}, 3},
    {{kYes, kNo}, 2}, {{kRetry, kCancel}, 2}, {{kCancel, kTryAgain, kContinue}, 3},
};

constexpr std::string_view kIconWords[] = {"", "Error", "Question", "Warning", "Information"};

[[noreturn]] void Exit(std::uint32_t code) {
  // POSIX keeps only the low byte of an exit status; that is the platform's limit.
  std::exit(static_cast<int>(code));
}

std::string_view CommandLine() {
  // The kernel keeps argv as NUL-separated strings; rebuild a Windows-style line.
  static const std::string line = [] {
    try {
      std::ifstream file("/proc/self/cmdline", std::ios::binary);
      const std::string raw((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
      std::string joined;
      for (std::size_t start = 0; start < raw.size();) {
        const std::size_t end = std::min(raw.find('\0', start), raw.size());
        const std::string arg = raw.substr(start, end - start);
        if (start == 0) {
          joined = arg.find(' ') == std::string::npos ? arg : '"' + arg + '"';
        } else {
          joined += ' ' + arg;
        }
        start = end + 1;
      }
      return joined;
    } catch (const std::bad_alloc&) {
      Exit(255);
    }
  }();
  return line;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

char Accelerator(const Button& button) { return Lower(button.label[button.label.find('&') + 1]); }

// Control bytes are shown the way `cat -v` shows them, so no text can move
// the cursor, ring the bell or start an escape sequence.
std::string Printable(std::string_view text) {
  std::string shown;
  for (const char c : text) {
    auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80 && byte < 0xA0) {
      shown += "M-";
      byte -= 0x80;
    }
    if (byte < 0x20 || byte == 0x7F) {
      shown += '^';
      shown += static_cast<char>(byte ^ 0x40);
    } else {
      shown += static_cast<char>(byte);
    }
  }
  return shown;
}

std::string ButtonRow(const ButtonSet& set, int defaultIndex) {
  std::string row;
  for (int i = 0; i < set.count; ++i) {
    std::string label(set.buttons[i].label);
    const std::size_t amp = label.find('&');
    label.replace(amp, 2, std::string("(") + label[amp + 1] + ")");
    row += i == defaultIndex ? "  <" + label + ">" : "  [" + label + "]";
  }
  return row;
}

void WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = write(fd, text.data(), text.size());
    if (written <= 0) return;
    text.remove_prefix(static_cast<std::size_t>(written));
  }
}

// Reads keys until one closes the box; 0 when the terminal goes away.
std::uint32_t WaitForButton(int fd, const ButtonSet& set, int defaultIndex) {
  for (;;) {
    char key;
    if (read(fd, &key, 1) != 1) return 0;
    if (key == '\r' || key == '\n') return set.buttons[defaultIndex].id;
    if (key == '\x1b') {
      // As on Windows: Esc means Cancel, or OK on a lone OK button.
      for (int i = 0; i < set.count; ++i) {
        if (set.buttons[i].id == kCancel.id) return kCancel.id;
      }
      if (set.count == 1) return set.buttons[0].id;
      continue;
    }
    for (int i = 0; i < set.count; ++i) {
      if (Accelerator(set.buttons[i]) == Lower(key)) return set.buttons[i].id;
    }
  }
}

}  // namespace

namespace platform {

std::array<char, 2> UpperCaseKey(std::array<char, 2> key) {
  for (char& c : key) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return key;
}

std::uint32_t ShowBox(std::string_view text, std::string_view caption, std::uint32_t style) {
  const std::uint32_t setIndex = style & 0xF;
  if (setIndex >= std::size(kButtonSets)) return 0;
  const ButtonSet& set = kButtonSets[setIndex];
  const std::uint32_t defaultButton = (style >> 8) & 0xF;
  const int defaultIndex =
      defaultButton < static_cast<std::uint32_t>(set.count) ? static_cast<int>(defaultButton) : 0;
  const std::uint32_t icon = (style >> 4) & 0xF;

  std::string screen;
  try {
    screen = "\n== " + Printable(caption) + " ==\n";
    if (icon < std::size(kIconWords) && icon != 0) screen += std::string(kIconWords[icon]) + ": ";
    screen += Printable(text) + "\n" + ButtonRow(set, defaultIndex) + "\n";
  } catch (const std::bad_alloc&) {
    Exit(255);
  }

  const int fd = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return 0;
  termios saved;
  if (tcgetattr(fd, &saved) != 0) {
    close(fd);
    return 0;
  }
  termios raw = saved;
  raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  tcsetattr(fd, TCSAFLUSH, &raw);
  WriteAll(fd, screen);
  const std::uint32_t pressed = WaitForButton(fd, set, defaultIndex);
  tcsetattr(fd, TCSAFLUSH, &saved);
  close(fd);
  return pressed;
}

}  // namespace platform

int main() { Exit(platform::RunProgram(CommandLine())); }
