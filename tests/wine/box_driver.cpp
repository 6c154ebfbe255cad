// Runs Yelpit.exe the way a batch file does, with an exact command line,
// reads its box the way a person sees it, presses a button and checks the
// exit code.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "messagebox/message_box.h"
#include "tests/expected_help.h"
#include "tests/wine/box.h"

namespace {

using namespace driver;

// The style names as the platform's own header spells and values them.
// clang-format off
#define FROM_HEADER(name) {#name, name}
constexpr StyleName kHeaderStyles[] = {
    FROM_HEADER(MB_ABORTRETRYIGNORE), FROM_HEADER(MB_APPLMODAL), FROM_HEADER(MB_CANCELTRYCONTINUE),
    FROM_HEADER(MB_DEFAULT_DESKTOP_ONLY), FROM_HEADER(MB_DEFBUTTON1), FROM_HEADER(MB_DEFBUTTON2),
    FROM_HEADER(MB_DEFBUTTON3), FROM_HEADER(MB_DEFBUTTON4), FROM_HEADER(MB_HELP), FROM_HEADER(MB_ICONASTERISK),
    FROM_HEADER(MB_ICONERROR), FROM_HEADER(MB_ICONEXCLAMATION), FROM_HEADER(MB_ICONHAND),
    FROM_HEADER(MB_ICONINFORMATION), FROM_HEADER(MB_ICONQUESTION), FROM_HEADER(MB_ICONSTOP),
    FROM_HEADER(MB_ICONWARNING), FROM_HEADER(MB_OK), FROM_HEADER(MB_OKCANCEL), FROM_HEADER(MB_RETRYCANCEL),
    FROM_HEADER(MB_RIGHT), FROM_HEADER(MB_RTLREADING), FROM_HEADER(MB_SERVICE_NOTIFICATION),
    FROM_HEADER(MB_SERVICE_NOTIFICATION_NT3X), FROM_HEADER(MB_SETFOREGROUND), FROM_HEADER(MB_SYSTEMMODAL),
    FROM_HEADER(MB_TASKMODAL), FROM_HEADER(MB_TOPMOST), FROM_HEADER(MB_YESNO), FROM_HEADER(MB_YESNOCANCEL),
};
// clang-format on
#undef FROM_HEADER

constexpr bool SameAsTheHeader() {
  if (std::size(TypeNameTable) != std::size(kHeaderStyles)) return false;
  for (std::size_t i = 0; i < std::size(kHeaderStyles); ++i) {
    const StyleName &ours = TypeNameTable[i], &header = kHeaderStyles[i];
    if (std::string_view(ours.name) != header.name || ours.value != header.value) return false;
  }
  return true;
}
static_assert(SameAsTheHeader(), "the type list's names and values are the platform's");

struct Case {
  std::string name;
  std::string commandLine;
  std::string caption, text;
  std::vector<int> buttons;
  Press press;
  DWORD exitCode;
  bool icon = false;
  std::string program = {};  // empty: the Yelpit.exe beside this driver
  DWORD wineExitCode = 0;    // where Wine differs from Windows, what Wine gives
};

std::string Bytes(unsigned first, unsigned last, char skip) {
  std::string bytes;
  for (unsigned c = first; c <= last; ++c) {
    if (static_cast<char>(c) != skip) bytes += static_cast<char>(c);
  }
  return bytes;
}

std::string Repeat(const std::string& unit, std::size_t size) {
  std::string text;
  while (text.size() < size) text += unit;
  text.resize(size);
  return text;
}

std::vector<Case> BoxCases(const std::string& spacedProgram) {
  const std::string help = ExpectedHelpText();
  const std::string high = Bytes(0x80, 0xFF, 0);
  const std::string every = Bytes(0x01, 0xFF, '/');
  const std::string longText = Repeat("All work and no play. ", 30000);
  // The longest command line CreateProcess takes: 32,767 characters with its NUL.
  const std::string longest = Repeat("0123456789abcdef", 32767 - 1 - std::string("Yelpit ").size());
  const std::string typical = "Yelpit Hello Word, are you ready? /c:Greeting /t:MB_ICONEXCLAMATION,MB_YESNO";
  const std::string question = "Hello Word, are you ready?";
  const Press ok{Action::Button, IDOK};
  // clang-format off
  return {
      // name, command line, caption, text, buttons, press, exit code, icon, program
      {"typical, Yes", typical, "Greeting", question, {IDYES, IDNO}, {Action::Button, IDYES}, IDYES, true},
      {"typical, No", typical, "Greeting", question, {IDYES, IDNO}, {Action::Button, IDNO}, IDNO, true},
      {"help /?, OK", "Yelpit /?", kExpectedHelpCaption, help, {IDOK}, ok, 0, true},
      {"help /h, Esc", "Yelpit /h", kExpectedHelpCaption, help, {IDOK}, {Action::Escape}, 0, true},
      {"help for a bare name, close button", "Yelpit", kExpectedHelpCaption, help, {IDOK}, {Action::Close}, 0, true},
      {"help inside the message", "Yelpit Press /Help", kExpectedHelpCaption, help, {IDOK}, ok, 0, true},
      {"MB_OK with no caption", "Yelpit Hello", "", "Hello", {IDOK}, ok, IDOK},
      {"MB_OK, Esc: OK on Windows, Cancel under Wine", "Yelpit Hello", "", "Hello", {IDOK}, {Action::Escape}, IDOK,
       false, {}, IDCANCEL},
      {"MB_OKCANCEL, Cancel", "Yelpit Go? /t:MB_OKCANCEL", "", "Go?", {IDOK, IDCANCEL},
       {Action::Button, IDCANCEL}, IDCANCEL},
      {"MB_OKCANCEL, Esc", "Yelpit Go? /t:MB_OKCANCEL", "", "Go?", {IDOK, IDCANCEL}, {Action::Escape}, IDCANCEL},
      {"MB_ABORTRETRYIGNORE, Abort", "Yelpit Disk? /t:MB_ABORTRETRYIGNORE", "", "Disk?",
       {IDABORT, IDRETRY, IDIGNORE}, {Action::Button, IDABORT}, IDABORT},
      {"MB_ABORTRETRYIGNORE, Ignore", "Yelpit Disk? /t:MB_ABORTRETRYIGNORE,MB_ICONSTOP", "", "Disk?",
       {IDABORT, IDRETRY, IDIGNORE}, {Action::Button, IDIGNORE}, IDIGNORE, true},
      {"MB_YESNOCANCEL, Cancel", "Yelpit Save? /t:MB_YESNOCANCEL", "", "Save?", {IDYES, IDNO, IDCANCEL},
       {Action::Button, IDCANCEL}, IDCANCEL},
      {"MB_RETRYCANCEL, Retry", "Yelpit Again? /t:MB_RETRYCANCEL", "", "Again?", {IDRETRY, IDCANCEL},
       {Action::Button, IDRETRY}, IDRETRY},
      {"MB_CANCELTRYCONTINUE, Try Again", "Yelpit Hmm /t:MB_CANCELTRYCONTINUE", "", "Hmm",
       {IDCANCEL, IDTRYAGAIN_, IDCONTINUE_}, {Action::Button, IDTRYAGAIN_}, IDTRYAGAIN_},
      {"MB_CANCELTRYCONTINUE, Continue", "Yelpit Hmm /t:MB_CANCELTRYCONTINUE", "", "Hmm",
       {IDCANCEL, IDTRYAGAIN_, IDCONTINUE_}, {Action::Button, IDCONTINUE_}, IDCONTINUE_},
      {"quoted program path with spaces", "\"" + spacedProgram + "\"   Hi", "", "Hi", {IDOK}, ok, IDOK, false,
       spacedProgram},
      {"tab after the program name", "Yelpit\tHi", "", "\tHi", {IDOK}, ok, IDOK},
      {"line breaks: a line feed and a CR LF", "Yelpit One\nTwo\r\nThree", "", "One\nTwo\r\nThree", {IDOK}, ok, IDOK},
      {"caption only", "Yelpit /c:Title", "Title", "", {IDOK}, ok, IDOK},
      {"30,000-byte message", "Yelpit " + longText, "", longText, {IDOK}, ok, IDOK},
      {"32,767-character command line", "Yelpit " + longest, "", longest, {IDOK}, ok, IDOK},
      {"bytes 0x80 to 0xFF", "Yelpit " + high + " /c:" + high, high, high, {IDOK}, ok, IDOK},
      {"bytes 0x01 to 0xFF but the slash", "Yelpit " + every + "/c:" + every + "/t:MB_YESNO", every, every,
       {IDYES, IDNO}, {Action::Button, IDNO}, IDNO},
  };
  // clang-format on
}

std::string Check(const Case& c, const Run& run) {
  if (!run.started) return "could not start " + c.program + ", error " + std::to_string(run.startError);
  if (!run.boxShown) return "no box appeared";
  if (run.box.caption != c.caption) return "caption " + FirstDifference(run.box.caption, c.caption);
  if (run.box.text != c.text) return "text " + FirstDifference(run.box.text, c.text);
  if (run.box.buttons != c.buttons) {
    std::string ids;
    for (int id : run.box.buttons) ids += " " + std::to_string(id);
    return "buttons shown:" + ids;
  }
  if (run.box.icon != c.icon) return run.box.icon ? "an icon where none was asked for" : "no icon";
  if (!run.exited) return "still running after the press";
  if (run.exitCode != c.exitCode && !(OnWine() && c.wineExitCode && run.exitCode == c.wineExitCode))
    return "exit code " + std::to_string(run.exitCode);
  return {};
}

// Every case with the Yelpit.exe beside this driver; or, given another
// program, such as a signed copy, only the typical box with it.
int RunBoxCases(const char* program) {
  const std::string yelpit = program ? program : ThisDirectory() + "Yelpit.exe";
  const std::string spacedDir = ThisDirectory() + "Yelpit Test Dir\\";
  CreateDirectoryA(spacedDir.c_str(), nullptr);
  CopyFileA(yelpit.c_str(), (spacedDir + "Yelpit.exe").c_str(), FALSE);

  Tally tally;
  if (const std::string unseen = NobodyCanSeeABoxHere(); !unseen.empty()) {
    tally.Tell("every box", unseen);
    return tally.Report();
  }
  for (const Case& c : BoxCases(spacedDir + "Yelpit.exe")) {
    if (program && c.name.rfind("typical", 0) != 0) continue;
    tally.Tell(c.name,
               Check(c, StartAndPress(c.program.empty() ? yelpit : c.program, c.commandLine, c.press)));
  }

  if (program) return tally.Report();
  // The same program linked with an allocator that always fails.
  const Run run =
      StartAndPress(ThisDirectory() + "Yelpit-no-memory.exe", "Yelpit Is there memory left?", {Action::None});
  const std::string seen =
      std::string(run.boxShown ? "a box" : "no box") + ", exit code " + std::to_string(run.exitCode);
  tally.Tell("without memory", run.started && !run.boxShown && run.exited && run.exitCode == 255 ? "" : seen,
             seen);
  return tally.Report();
}

// Where a batch file runs: unpacked from the release zip, one folder below
// Yelpit.exe and in that folder, as when double-clicked; or where no
// Yelpit.exe can be found.
enum class Where { Unpacked, NoYelpit };

struct BatchCase {
  std::string file, caption;
  std::vector<int> presses;  // none: run where nobody can see a box, so Yelpit gives 0
  std::string output;
  std::string text = {};  // when given, what the first box must show
  Where where = Where::Unpacked;
};

// clang-format off
const BatchCase kBatchCases[] = {
    {"install.bat", "Setup", {IDYES}, "Installing.\r\n"},
    {"install.bat", "Setup", {IDNO}, "Installation skipped.\r\n"},
    {"install.bat", "Setup", {IDCANCEL}, "Cancelled, error level 2.\r\n"},
    {"install.bat", "Setup", {}, "No box could be shown; the update waits for the next run.\r\n"},
    {"confirm.bat", "Clean-up", {IDYES}, "Deleting the old logs.\r\n"},
    {"confirm.bat", "Clean-up", {IDNO}, "Keeping the logs.\r\n"},
    {"confirm.bat", "Clean-up", {}, "No box could be shown; keeping the logs.\r\n"},
    {"retry.bat", "Backup disk", {IDRETRY, IDRETRY, IDCANCEL}, "Gave up waiting for the disk.\r\n"},
    {"retry.bat", "Backup disk", {}, "No box could be shown; nobody can insert the disk.\r\n"},
    {"abort-retry-ignore.bat", "Nightly job", {IDRETRY, IDIGNORE}, "Failure ignored, going on.\r\n"},
    {"abort-retry-ignore.bat", "Nightly job", {IDABORT}, "Job aborted.\r\n"},
    {"abort-retry-ignore.bat", "Nightly job", {}, "No box could be shown; aborting the job.\r\n"},
    {"notice.bat", "Build", {IDOK}, "Notice read.\r\n"},
    {"one-liner.bat", "Server", {IDOK}, "Stopping the server.\r\n"},
    {"one-liner.bat", "Server", {IDCANCEL}, "Left running.\r\n"},
    {"one-liner.bat", "Server", {}, "No box could be shown; left running.\r\n"},
    {"special-characters.bat", "Editor", {IDOK}, "Saved.\r\n", "Save & quit? 100% done, <draft> | \"final\""},
    {"special-characters.bat", "Editor", {IDCANCEL}, "Not saved.\r\n"},
    {"special-characters.bat", "Editor", {}, "No box could be shown; nothing saved.\r\n"},
    {"in-a-block.bat", "Mail", {IDYES}, "Sending report.txt.\r\n", "Send report.txt to the team?"},
    {"in-a-block.bat", "Mail", {IDNO}, "Keeping report.txt.\r\n"},
    {"in-a-block.bat", "Mail", {}, "No box could be shown; keeping report.txt.\r\n"},
    // It names Yelpit.exe by its path, beside it or one folder up.
    {"start-wait.bat", "Deploy", {IDYES}, "Deploying.\r\n", "Deploy to production?"},
    {"start-wait.bat", "Deploy", {IDNO}, "Not deployed.\r\n"},
    {"start-wait.bat", "Deploy", {}, "No box could be shown; not deployed.\r\n"},
    {"accents.bat", "Lager", {}, "No box could be shown; nothing checked.\r\n"},
    {"line-break.bat", "Backup", {IDYES}, "Opening the folder.\r\n", "Backup done.\nOpen the folder?"},
    {"line-break.bat", "Backup", {IDNO}, "Done.\r\n"},
    {"line-break.bat", "Backup", {}, "No box could be shown; the folder stays closed.\r\n"},
    // cmd's 9009 for a command it cannot find must never pass for Retry.
    {"retry.bat", "Backup disk", {}, "Yelpit did not run (error level 9009); no disk.\r\n", "", Where::NoYelpit},
};
// clang-format on

// A folder laid out as the release zip unpacks, holding one example; gives
// the examples folder.
std::string Unpacked(const std::string& examples, const std::string& file) {
  const std::string root = ThisDirectory() + "unpacked\\";
  CreateDirectoryA(root.c_str(), nullptr);
  CreateDirectoryA((root + "examples").c_str(), nullptr);
  for (const char* name : {"Yelpit.exe", "Yelpit.exe.manifest"}) {
    CopyFileA((ThisDirectory() + name).c_str(), (root + name).c_str(), FALSE);
  }
  CopyFileA((examples + "\\" + file).c_str(), (root + "examples\\" + file).c_str(), FALSE);
  return root + "examples\\";
}

// Windows' cmd.exe hands the "set LF=^" line break over as a line feed,
// Wine's as a carriage return; the box shows two lines either way.
bool SameLines(const std::string& seen, const std::string& expected) {
  const bool wine = OnWine();
  return std::equal(seen.begin(), seen.end(), expected.begin(), expected.end(),
                    [wine](char s, char e) { return s == e || (wine && e == '\n' && s == '\r'); });
}

int RunBatchCases(const std::string& directory) {
  const HDESK unseen = MakeUnseenDesktop();
  const std::string outOfSight = NobodyCanSeeABoxHere();
  Tally tally;
  for (const BatchCase& c : kBatchCases) {
    const bool seen = !c.presses.empty();
    if (seen && !outOfSight.empty()) {
      tally.Tell(c.file + ", its buttons", outOfSight);
      continue;
    }
    // The folder cmd starts in (empty: the driver's), and the batch file.
    std::string folder, batch = directory + "\\" + c.file;
    if (c.where == Where::Unpacked) batch = (folder = Unpacked(directory, c.file)) + c.file;
    if (c.where == Where::NoYelpit)
      CreateDirectoryA((folder = ThisDirectory() + "no-yelpit\\").c_str(), nullptr);
    const BatchRun run = RunBatch(batch, c.caption, c.presses, seen ? nullptr : kUnseenDesktop, folder);
    // Without Yelpit.exe, cmd's own complaint comes first.
    const std::size_t start =
        c.where == Where::NoYelpit ? run.output.size() - std::min(run.output.size(), c.output.size()) : 0;
    std::string problem;
    if (run.output.substr(start) != c.output) problem = "expected " + Shown(c.output);
    if (c.where == Where::NoYelpit && run.exitCode == 0) problem = "it ended with exit code 0";
    if (!c.text.empty() && (run.boxes.empty() || !SameLines(run.boxes[0].text, c.text))) {
      problem = "the box shows " + (run.boxes.empty() ? "nothing" : Shown(run.boxes[0].text));
    }
    if (!seen && !unseen) problem = "could not make a desktop where nobody can see a box";
    std::string presses;
    for (const int id : c.presses) presses += " " + std::to_string(id);
    const char* where[] = {"", " without Yelpit.exe"};
    tally.Tell(c.file + where[static_cast<int>(c.where)] + ", " +
                   (seen ? "buttons" + presses : "where nobody can see it") + ": " + Shown(run.output),
               problem);
  }
  return tally.Report();
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::string mode = argc > 1 ? argv[1] : "boxes";
  if (mode == "boxes") return RunBoxCases(argc > 2 ? argv[2] : nullptr);
  if (mode == "batch" && argc > 2) return RunBatchCases(argv[2]);
  if (mode == "unseen") return RunUnseenCases();
  if (mode == "desktop") return DescribeDesktop();
  if (mode == "code-page" && argc > 2) return RunCodePageCases(std::atoi(argv[2]), argc > 3 ? argv[3] : "");
  if (mode == "resources") return CheckResources(std::vector<std::string>(argv + 2, argv + argc));
  // For scripts: wait for a box with this caption, then press a button on it.
  if (mode == "wait" && argc > 2) return FindBox(0, argv[2], nullptr) ? 0 : 1;
  if (mode == "press" && argc > 3) {
    const HWND window = FindBox(0, argv[2], nullptr);
    if (window) PressOn(ReadBox(window), {Action::Button, std::atoi(argv[3])});
    return window ? 0 : 1;
  }
  std::fprintf(
      stderr,
      "usage: box_driver boxes [PROGRAM] | batch DIRECTORY | unseen | desktop | code-page CP [EXAMPLES]\n"
      "                  | resources EXE... | wait CAPTION | press CAPTION BUTTON-ID\n");
  return 2;
}
