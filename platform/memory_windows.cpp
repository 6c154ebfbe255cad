#include "platform/memory_windows.h"

#include <windows.h>

namespace platform {

char* AllocateText(std::size_t size) { return static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, size)); }

void FreeText(char* text) { HeapFree(GetProcessHeap(), 0, text); }

}  // namespace platform
