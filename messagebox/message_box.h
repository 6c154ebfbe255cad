// Turns the style-name list into MB_ flags and shows the box.
#pragma once

#include <cstdint>
#include <string_view>

struct StyleName {
  const char* name;  // a pointer, not a view: the table stays small
  std::uint32_t value;
};

// The names the type list understands, spelt and valued as the platform does.
inline constexpr StyleName TypeNameTable[] = {
    {"MB_ABORTRETRYIGNORE", 0x2},
    {"MB_APPLMODAL", 0x0},
    {"MB_CANCELTRYCONTINUE", 0x6},
    {"MB_DEFAULT_DESKTOP_ONLY", 0x20000},
    {"MB_DEFBUTTON1", 0x0},
    {"MB_DEFBUTTON2", 0x100},
    {"MB_DEFBUTTON3", 0x200},
    {"MB_DEFBUTTON4", 0x300},
    {"MB_HELP", 0x4000},
    {"MB_ICONASTERISK", 0x40},
    {"MB_ICONERROR", 0x10},
    {"MB_ICONEXCLAMATION", 0x30},
    {"MB_ICONHAND", 0x10},
    {"MB_ICONINFORMATION", 0x40},
    {"MB_ICONQUESTION", 0x20},
    {"MB_ICONSTOP", 0x10},
    {"MB_ICONWARNING", 0x30},
    {"MB_OK", 0x0},
    {"MB_OKCANCEL", 0x1},
    {"MB_RETRYCANCEL", 0x5},
    {"MB_RIGHT", 0x80000},
    {"MB_RTLREADING", 0x100000},
    {"MB_SERVICE_NOTIFICATION", 0x200000},
    {"MB_SERVICE_NOTIFICATION_NT3X", 0x40000},
    {"MB_SETFOREGROUND", 0x10000},
    {"MB_SYSTEMMODAL", 0x1000},
    {"MB_TASKMODAL", 0x2000},
    {"MB_TOPMOST", 0x40000},
    {"MB_YESNO", 0x4},
    {"MB_YESNOCANCEL", 0x3},
};

// The value of one style name, or 0 for a name the table does not hold.
std::uint32_t StyleValue(std::string_view name);

// ORs the values of a comma-separated list of style names; unknown names add
// nothing.
std::uint32_t ParseTypeList(std::string_view type);

// Shows the box and returns the identifier of the pressed button, 0 when the
// platform could not show it.
std::uint32_t DisplayBox(std::string_view messageToDisplay, std::string_view caption, std::string_view type);
