#include "platform/memory_windows.h"

#include <windows.h>

namespace platform {

char* AllocateText(std::size_t size) { return static_cast<char*>(LocalAlloc(LMEM_FIXED, size)); }

void FreeText(char* text) { LocalFree(text); }

}  // namespace platform
