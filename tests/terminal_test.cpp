// Drives the terminal yelpit the way a person would: through a
// pseudo-terminal, reading the screen and pressing a key.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

struct Outcome {
  std::string screen;
  int exitCode = -1;
};

std::vector<char*> Argv(std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  return argv;
}

// Reads until the program has been quiet for a moment: it is then waiting
// for a key.
std::string ReadScreen(int fd) {
  std::string screen;
  for (int waitMs = 5000;; waitMs = 200) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, waitMs) <= 0) return screen;
    char buffer[4096];
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n <= 0) return screen;
    screen.append(buffer, static_cast<std::size_t>(n));
  }
}

Outcome RunInTerminal(std::vector<std::string> args, const std::string& keys,
                      const char* program = YELPIT_PATH) {
  args.insert(args.begin(), program);
  int master;
  const pid_t pid = forkpty(&master, nullptr, nullptr, nullptr);
  if (pid == 0) {
    execv(program, Argv(args).data());
    _exit(127);
  }
  Outcome run;
  run.screen = ReadScreen(master);
  if (!keys.empty()) (void)!write(master, keys.data(), keys.size());
  run.screen += ReadScreen(master);
  int status = 0;
  waitpid(pid, &status, 0);
  close(master);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

struct KeyCase {
  std::vector<std::string> args;
  std::string keys;
  int exitCode;
  std::vector<std::string> shown;
};

const KeyCase kKeyCases[] = {
    {{"Hello", "Word,", "are", "you", "ready?", "/c:Greeting", "/t:MB_ICONEXCLAMATION,MB_YESNO"},
     "y",
     6,
     {"== Greeting ==", "Warning: Hello Word, are you ready?", "<(Y)es>  [(N)o]"}},
    {{"Sure?", "/t:MB_YESNO"}, "N", 7, {"Sure?"}},
    {{"Sure?", "/t:MB_YESNO"}, "\x1bq\r", 6, {}},  // no Cancel: Esc does nothing
    {{"Sure?", "/t:MB_YESNO,MB_DEFBUTTON2"}, "\r", 7, {"[(Y)es]  <(N)o>"}},
    {{"Hello"}, "\x1b", 1, {"==  ==", "Hello", "<(O)K>"}},
    {{"Hello"}, "\r", 1, {}},
    {{"x", "/t:MB_OKCANCEL"}, "\x1b", 2, {}},
    {{"x", "/t:MB_ABORTRETRYIGNORE,MB_ICONSTOP,MB_DEFBUTTON3"}, "\n", 5, {"Error: x", "<(I)gnore>"}},
    {{"x", "/t:MB_ABORTRETRYIGNORE"},
     "\x1b"
     "a",
     3,
     {}},
    {{"x", "/t:MB_YESNOCANCEL,MB_ICONQUESTION"}, "\x1b", 2, {"Question: x"}},
    {{"x", "/t:MB_RETRYCANCEL"}, "r", 4, {}},
    {{"x", "/t:MB_CANCELTRYCONTINUE,MB_ICONINFORMATION"}, "t", 10, {"Information: x", "[(T)ry Again]"}},
    {{"x", "/t:MB_CANCELTRYCONTINUE"}, "o", 11, {"[C(o)ntinue]"}},
    {{"/?"}, "\r", 0, {"== Yelpit version 1.0.0.0 - Wait for some time ==", "Information: ", "USAGE:"}},
    {{}, "\x1b", 0, {"MessageToDisplay^I^IMessage to be displayed."}},
    // Control bytes cannot reach the terminal: they are shown as `cat -v` does.
    {{"\x1b[2J\x1b]0;owned\x07\b\r\x7f\x9b"
      "6n",
      "/c:\x1b[31mred"},
     "\r",
     1,
     {"== ^[[31mred ==", "^[[2J^[]0;owned^G^H^M^?M-^[6n"}},
};

TEST(TerminalBox, KeysGiveButtonIdentifiers) {
  for (const KeyCase& c : kKeyCases) {
    const Outcome run = RunInTerminal(c.args, c.keys);
    const std::string name = c.args.empty() ? "(no arguments)" : c.args[0];
    EXPECT_EQ(run.exitCode, c.exitCode) << name << "\n" << run.screen;
    for (const std::string& text : c.shown)
      EXPECT_NE(run.screen.find(text), std::string::npos) << text << "\n" << run.screen;
  }
}

TEST(TerminalBox, NothingRawReachesTheTerminal) {
  std::string every;
  for (int c = 1; c < 256; ++c) {
    if (c != '/') every += static_cast<char>(c);
  }
  const Outcome run = RunInTerminal({every, "/c:" + every}, "\r");
  EXPECT_NE(run.screen.find("^[^\\^]^^^_ !\""), std::string::npos) << run.screen;
  EXPECT_NE(run.screen.find("}~^?M-^@M-^AM-^B"), std::string::npos) << run.screen;
  for (const char c : run.screen) {
    const auto byte = static_cast<unsigned char>(c);
    const bool lineBreak = c == '\r' || c == '\n';
    EXPECT_TRUE(lineBreak || (byte >= 0x20 && byte != 0x7f && (byte < 0x80 || byte >= 0xa0)))
        << "raw byte " << int(byte) << " in\n"
        << run.screen;
  }
}

// No box can be shown: no terminal, or a button set Windows does not define.
TEST(TerminalBox, FailureGivesZero) {
  const pid_t pid = fork();
  if (pid == 0) {
    setsid();  // leaves the controlling terminal behind
    const int null = open("/dev/null", O_RDWR);
    dup2(null, 0);
    std::vector<std::string> args = {YELPIT_PATH, "Hello", "/t:MB_YESNO"};
    execv(YELPIT_PATH, Argv(args).data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);

  // MB_YESNO | MB_ABORTRETRYIGNORE is 6, a real set; with MB_OKCANCEL it is 7, none.
  EXPECT_EQ(RunInTerminal({"x", "/t:MB_YESNOCANCEL,MB_YESNO"}, "").exitCode, 0);
  EXPECT_EQ(RunInTerminal({"x", "/t:MB_CANCELTRYCONTINUE,MB_OKCANCEL"}, "").exitCode, 0);
}

#ifdef YELPIT_NO_MEMORY_PATH
// The same program linked with an allocator that always fails.
TEST(TerminalBox, NoMemoryGives255AndNoBox) {
  const Outcome run = RunInTerminal({"Is", "there", "memory", "left?"}, "", YELPIT_NO_MEMORY_PATH);
  EXPECT_EQ(run.exitCode, 255);
  EXPECT_EQ(run.screen, "");
}
#endif

}  // namespace
