// Text in the ANSI code page of the locale Wine runs under, written in that
// script, reaches the box intact: read back in Unicode, it is the characters
// that were meant.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/wine/box.h"

namespace driver {
namespace {

struct CodePageCase {
  UINT codePage;
  std::string name;
  std::wstring commandLine;  // sent as the bytes of the code page
  std::string holds;         // bytes the sent line must hold for the case to mean anything
  std::wstring caption, text;
  std::vector<int> buttons;
  int press;
  DWORD exitCode;
};

// clang-format off
const CodePageCase kCodePageCases[] = {
    // code page, name, command line, bytes it holds, caption, text, buttons, press, exit code
    {1251, "Cyrillic message and caption, No", L"Yelpit Сохранить изменения? /c:Редактор /t:MB_YESNO", "",
     L"Редактор", L"Сохранить изменения?", {IDYES, IDNO}, IDNO, IDNO},
    // The Cyrillic "с" upper-cases to "С", which is no "C": the field is message text.
    {1251, "Cyrillic с before a colon is no switch", L"Yelpit с:Диск полон", "\xF1:",
     L"", L"с:Диск полон", {IDOK}, IDOK, IDOK},
    // Shift-JIS second bytes may be 0x5C (\) or 0x7C (|); neither cuts anything.
    {932, "Shift-JIS with 0x7C and 0x5C second bytes, OK", L"Yelpit ポップ表示/c:ソフト能力/t:MB_OKCANCEL",
     "\x83\x7C\x83\x62\x83\x76\x95\x5C", L"ソフト能力", L"ポップ表示", {IDOK, IDCANCEL}, IDOK, IDOK},
    {932, "a slash right after a 0x5C second byte, Cancel", L"Yelpit 予定表/c:十/t:MB_OKCANCEL",
     "\x95\x5C/c:\x8F\x5C/", L"十", L"予定表", {IDOK, IDCANCEL}, IDCANCEL, IDCANCEL},
    {936, "Chinese message and caption, Yes", L"Yelpit 保存更改吗？ /c:编辑器 /t:MB_YESNO", "",
     L"编辑器", L"保存更改吗？", {IDYES, IDNO}, IDYES, IDYES},
    {1253, "Greek message and caption, Retry", L"Yelpit Να ξαναδοκιμάσω; /c:Αντίγραφο /t:MB_RETRYCANCEL", "",
     L"Αντίγραφο", L"Να ξαναδοκιμάσω;", {IDRETRY, IDCANCEL}, IDRETRY, IDRETRY},
    {1252, "Western accents, OK", L"Yelpit Größe: 5 MB, café crème /c:Übersicht", "Gr\xF6\xDF" "e",
     L"Übersicht", L"Größe: 5 MB, café crème", {IDOK}, IDOK, IDOK},
};
// clang-format on

// Text outside the locale's ANSI code page, sent in Unicode. With the
// manifest Yelpit's code page is UTF-8 and every character arrives; without
// it Windows puts "?" in their place. Run under 1252 and 1251.
struct UnicodeCase {
  std::string name;
  bool manifest;
  std::wstring commandLine, caption, text;
  std::vector<int> buttons;
  int press;
  DWORD exitCode;
};

// clang-format off
const UnicodeCase kUnicodeCases[] = {
    // name, with the manifest, command line, caption, text, buttons, press, exit code
    {"five scripts and an emoji, No", true, L"Yelpit Grüße 日本語 Ελληνικά עברית 😀 /c:Тест Ünïcode /t:MB_YESNO",
     L"Тест Ünïcode", L"Grüße 日本語 Ελληνικά עברית 😀", {IDYES, IDNO}, IDNO, IDNO},
    {"switches first, among the scripts, Cancel", true, L"Yelpit /t:MB_OKCANCEL /c:日本語 Ελληνικά/Привет 😀 שלום",
     L"日本語 Ελληνικά", L"Привет 😀 שלום", {IDOK, IDCANCEL}, IDCANCEL, IDCANCEL},
    // Why the file exists: without it the characters are lost.
    {"without the manifest, No", false, L"Yelpit Grüße 日本語 Ελληνικά עברית 😀 /c:Тест Ünïcode /t:MB_YESNO",
     L"Тест Ünïcode", L"Grüße 日本語 Ελληνικά עברית 😀", {IDYES, IDNO}, IDNO, IDNO},
};
// clang-format on

std::string InCodePage(UINT codePage, const std::wstring& text) {
  std::string bytes(text.size() * 2, '\0');
  bytes.resize(static_cast<std::size_t>(
      WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                          static_cast<int>(bytes.size()), nullptr, nullptr)));
  return bytes;
}

std::string Check(const CodePageCase& c, const Run& run) {
  if (!run.started) return "could not start, error " + std::to_string(run.startError);
  if (!run.boxShown) return "no box appeared";
  if (run.box.wideCaption != c.caption)
    return "caption differs: " + Shown(InCodePage(c.codePage, run.box.wideCaption));
  if (run.box.wideText != c.text) return "text differs: " + Shown(InCodePage(c.codePage, run.box.wideText));
  if (run.box.buttons != c.buttons) return "other buttons";
  if (!run.exited) return "still running after the press";
  if (run.exitCode != c.exitCode) return "exit code " + std::to_string(run.exitCode);
  return {};
}

std::string Check(const UnicodeCase& c, const Run& run) {
  if (!run.started) return "could not start, error " + std::to_string(run.startError);
  if (!run.boxShown) return "no box appeared";
  const bool exact = run.box.wideCaption == c.caption && run.box.wideText == c.text;
  const bool lost = !exact && run.box.wideText.find(L'?') != std::wstring::npos;
  if (c.manifest ? !exact : !lost) {
    return "caption " + Shown(InCodePage(CP_UTF8, run.box.wideCaption)) + ", text " +
           Shown(InCodePage(CP_UTF8, run.box.wideText));
  }
  std::wstring from = run.commonControls;
  CharLowerW(from.data());
  const bool themed = from.find(L"\\winsxs\\") != std::wstring::npos;  // common controls 6
  if (themed != c.manifest) {
    return "comctl32 " +
           (run.commonControls.empty() ? "not loaded" : InCodePage(CP_UTF8, run.commonControls));
  }
  if (run.box.buttons != c.buttons) return "other buttons";
  if (!run.exited) return "still running after the press";
  if (run.exitCode != c.exitCode) return "exit code " + std::to_string(run.exitCode);
  return {};
}

}  // namespace

int RunCodePageCases(UINT codePage, const std::string& examples) {
  Tally tally;
  if (GetACP() != codePage) {
    std::printf("FAIL the ANSI code page is %u, not %u: is the locale generated (locale -a)?\n", GetACP(),
                codePage);
    return 1;
  }
  // The bytes of the ANSI code page reach Yelpit only without the manifest.
  const std::string withoutManifest = YelpitWithoutManifest();
  for (const CodePageCase& c : kCodePageCases) {
    if (c.codePage != codePage) continue;
    const std::string line = InCodePage(codePage, c.commandLine);
    std::string problem;
    if (line.find(c.holds) == std::string::npos) {
      problem = "the line does not hold the bytes it is about: " + Shown(line);
    } else {
      problem = Check(c, StartAndPress(withoutManifest, line, {Action::Button, c.press}));
    }
    tally.Tell("code page " + std::to_string(codePage) + ", " + c.name, problem);
  }
  for (const UnicodeCase& c : kUnicodeCases) {
    if (codePage != 1252 && codePage != 1251) continue;
    const std::string yelpit = c.manifest ? ThisDirectory() + "Yelpit.exe" : withoutManifest;
    tally.Tell("code page " + std::to_string(codePage) + ", in Unicode, " + c.name,
               Check(c, StartAndPress(yelpit, c.commandLine, {Action::Button, c.press})));
  }

  // cmd.exe reads a batch file in the OEM code page; one saved in 850 shows
  // its accents right where the ANSI code page is 1252.
  if (codePage == 1252 && !examples.empty()) {
    const BatchRun run = RunBatch(examples + "\\accents.bat", "Lager", {IDYES});
    const std::wstring text = L"Größe der Sendung prüfen? Zurück zum Café.";
    const bool ok = GetOEMCP() == 850 && run.boxes.size() == 1 && run.boxes[0].wideText == text &&
                    run.output == "Checked.\r\n";
    const std::string seen = (run.boxes.empty() ? "no box" : Shown(InCodePage(1252, run.boxes[0].wideText))) +
                             ", printed " + Shown(run.output);
    tally.Tell("accents.bat, saved in code page 850, under OEM code page " + std::to_string(GetOEMCP()),
               ok ? "" : seen, seen);
  }
  return tally.Report();
}

}  // namespace driver
