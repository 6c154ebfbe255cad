// Reads Yelpit.exe's icon and version information through the platform's
// own APIs, the ones the shell uses for the file properties.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tests/wine/box.h"
#include "yelpit_version.h"

namespace driver {
namespace {

// One file's checks, each a line of the tally: "ok   FILE: what" or "FAIL FILE: what".
struct Checks {
  std::string file;
  Tally& tally;

  void Expect(bool ok, const std::string& what) { tally.Tell(file, ok ? "" : what, what); }
  void Skip(const std::string& why) { tally.Tell(file, "skip: " + why); }
};

const std::pair<const char*, const char*> kStrings[] = {
    {"CompanyName", YELPIT_PUBLISHER},  {"FileDescription", "Display a message box from a batch"},
    {"FileVersion", YELPIT_VERSION},    {"InternalName", "YELPIT"},
    {"OriginalFilename", "Yelpit.exe"}, {"LegalCopyright", YELPIT_COPYRIGHT},
    {"ProductName", "Yelpit"},          {"ProductVersion", YELPIT_VERSION},
    {"Comments", YELPIT_COMMENTS},
};

std::string Narrow(const wchar_t* text) {
  std::string narrow;
  for (; *text; ++text) narrow += static_cast<char>(*text);
  return narrow;
}

// The keys of a raw version block's strings, in the order they are stored.
// Each node: WORD length, WORD value length, WORD type, UTF-16 key, padding
// to 4 bytes, the value, padding, then its children.
void CollectKeys(const BYTE* node, int depth, std::vector<std::string>& keys) {
  const WORD length = *reinterpret_cast<const WORD*>(node);
  const WORD valueLength = *reinterpret_cast<const WORD*>(node + 2);
  const WORD type = *reinterpret_cast<const WORD*>(node + 4);
  const auto* key = reinterpret_cast<const wchar_t*>(node + 6);
  if (depth > 0) keys.push_back(std::string(depth - 1, ' ') + Narrow(key));
  auto align = [](std::size_t offset) { return (offset + 3) & ~std::size_t{3}; };
  std::size_t offset = align(6 + (std::wcslen(key) + 1) * 2);
  offset = align(offset + (type == 1 ? valueLength * 2 : valueLength));
  if (depth == 3) return;  // a string's value holds no children
  while (offset < length) {
    CollectKeys(node + offset, depth + 1, keys);
    offset = align(offset + *reinterpret_cast<const WORD*>(node + offset));
  }
}

BOOL CALLBACK CountNames(HMODULE, LPCSTR, LPSTR, LONG_PTR count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

BOOL CALLBACK CollectTypes(HMODULE, LPSTR type, LONG_PTR types) {
  reinterpret_cast<std::vector<ULONG_PTR>*>(types)->push_back(reinterpret_cast<ULONG_PTR>(type));
  return TRUE;
}

// Returns the "FileVersion" text, empty when there is none.
std::string CheckVersionInfo(Checks& check) {
  const std::string& file = check.file;
  DWORD ignored;
  std::vector<BYTE> info(GetFileVersionInfoSizeA(file.c_str(), &ignored));
  check.Expect(
      !info.empty() && GetFileVersionInfoA(file.c_str(), 0, static_cast<DWORD>(info.size()), info.data()),
      "has version information");
  if (info.empty()) return {};

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT size = 0;
  VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &size);
  check.Expect(fixed && fixed->dwSignature == 0xFEEF04BD, "fixed part present");
  if (!fixed) return {};
  check.Expect(fixed->dwFileVersionMS == 0x00010000 && fixed->dwFileVersionLS == 0, "file version 1.0.0.0");
  check.Expect(fixed->dwProductVersionMS == 0x00010000 && fixed->dwProductVersionLS == 0,
               "product version 1.0.0.0");
  check.Expect(fixed->dwFileFlagsMask == 0 && fixed->dwFileFlags == 0, "no file flags");
  check.Expect(fixed->dwFileOS == VOS__WINDOWS32, "operating system VOS__WINDOWS32");
  check.Expect(fixed->dwFileType == VFT_APP && fixed->dwFileSubtype == 0, "file type VFT_APP, subtype 0");
  check.Expect(fixed->dwFileDateMS == 0 && fixed->dwFileDateLS == 0, "no file date");

  WORD* translation = nullptr;
  VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &size);
  check.Expect(translation && size == 4 && translation[0] == 0x0409 && translation[1] == 0x04E4,
               "translation 0x0409 / 0x04E4");

  std::string fileVersion;
  for (const auto& [key, expected] : kStrings) {
    char* value = nullptr;
    const std::string path = std::string("\\StringFileInfo\\040904E4\\") + key;
    VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &size);
    check.Expect(value && std::string(value) == expected,
                 std::string(key) + " is \"" + expected + "\"" + (value ? "" : " (missing)"));
    if (value && std::strcmp(key, "FileVersion") == 0) fileVersion = value;
  }
  return fileVersion;
}

void CheckResourceTable(Checks& check) {
  const HMODULE module =
      LoadLibraryExA(check.file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  check.Expect(module != nullptr, "loads as a resource file");
  if (!module) return;
  constexpr WORD kEnglishUs = 1033;

  const HRSRC version = FindResourceExA(module, MAKEINTRESOURCEA(16), MAKEINTRESOURCEA(1), kEnglishUs);
  check.Expect(version != nullptr, "version resource 1, language 1033");
  if (version) {
    std::vector<std::string> keys;
    CollectKeys(static_cast<const BYTE*>(LockResource(LoadResource(module, version))), 0, keys);
    std::vector<std::string> expected = {"StringFileInfo", " 040904E4"};
    for (const auto& [key, value] : kStrings) expected.push_back(std::string("  ") + key);
    expected.insert(expected.end(), {"VarFileInfo", " Translation"});
    std::string seen;
    for (const std::string& key : keys) seen += "|" + key;
    check.Expect(keys == expected, "raw block keys in order:" + seen);
  }

  const HRSRC group = FindResourceExA(module, MAKEINTRESOURCEA(14), "APPICON", kEnglishUs);
  check.Expect(group && SizeofResource(module, group) == 20, "icon group APPICON, language 1033, one entry");
  if (group) {
    const BYTE* dir = static_cast<const BYTE*>(LockResource(LoadResource(module, group)));
    const BYTE* entry = dir + 6;
    const auto word = [](const BYTE* p) { return static_cast<unsigned>(p[0] | p[1] << 8); };
    check.Expect(word(dir) == 0 && word(dir + 2) == 1 && word(dir + 4) == 1, "group header: one icon");
    check.Expect(entry[0] == 32 && entry[1] == 32 && entry[2] == 16 && word(entry + 4) == 1 &&
                     word(entry + 6) == 4 && word(entry + 8) == 744 && word(entry + 12) == 1,
                 "group entry: 32x32, 16 colours, 1 plane, 4 bits, 744 bytes, icon 1");
  }
  const HRSRC icon = FindResourceExA(module, MAKEINTRESOURCEA(3), MAKEINTRESOURCEA(1), kEnglishUs);
  check.Expect(icon && SizeofResource(module, icon) == 744, "icon 1, language 1033, 744 bytes");
  if (icon) {
    BITMAPINFOHEADER header;
    std::memcpy(&header, LockResource(LoadResource(module, icon)), sizeof header);
    check.Expect(header.biSize == 40 && header.biWidth == 32 && header.biHeight == 64 &&
                     header.biPlanes == 1 && header.biBitCount == 4,
                 "icon header: 40 bytes, 32 by 64 (image and mask), 1 plane, 4 bits");
  }

  std::vector<ULONG_PTR> types;
  EnumResourceTypesA(module, CollectTypes, reinterpret_cast<LONG_PTR>(&types));
  std::string listed;
  bool onlyKnown = true;
  for (ULONG_PTR type : types) {
    listed +=
        " " + (IS_INTRESOURCE(type) ? std::to_string(type) : std::string(reinterpret_cast<char*>(type)));
    onlyKnown = onlyKnown && (type == 3 || type == 14 || type == 16);
  }
  check.Expect(onlyKnown && types.size() == 3, "resource types are icon, icon group and version:" + listed);
  for (int type : {3, 14, 16}) {
    int names = 0;
    EnumResourceNamesA(module, MAKEINTRESOURCEA(type), CountNames, reinterpret_cast<LONG_PTR>(&names));
    check.Expect(names == 1, "one resource of type " + std::to_string(type));
  }
  FreeLibrary(module);
}

// The help caption names the version that the resource carries.
// A file of the other bitness is read only: where 64-bit Wine may start a
// 32-bit program at all, it does so in an experimental mode that can crash.
void CheckHelpCaption(Checks& check, const std::string& fileVersion) {
  DWORD type = 0;
  const DWORD ownType = sizeof(void*) == 8 ? SCS_64BIT_BINARY : SCS_32BIT_BINARY;
  if (!GetBinaryTypeA(check.file.c_str(), &type) || type != ownType) {
    check.Skip("not of this driver's bitness, so its help caption is not read");
    return;
  }
  const Run run = StartAndPress(check.file, "Yelpit /?", {Action::Button, IDOK});
  const std::string expected = "Yelpit version " + fileVersion + " - Wait for some time";
  check.Expect(run.boxShown && run.box.caption == expected,
               "help caption \"" + run.box.caption + "\" names the resource's version");
}

}  // namespace

int CheckResources(const std::vector<std::string>& executables) {
  Tally tally;
  for (std::string file : executables) {
    // CMake names files with forward slashes, which LoadLibraryEx does not take.
    std::replace(file.begin(), file.end(), '/', '\\');
    Checks check{file, tally};
    const std::string fileVersion = CheckVersionInfo(check);
    CheckResourceTable(check);
    CheckHelpCaption(check, fileVersion);
  }
  return tally.Report();
}

}  // namespace driver
