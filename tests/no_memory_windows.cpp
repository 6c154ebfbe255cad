// Linked in place of the Windows binding's allocator: no memory is ever had.
#include "platform/memory_windows.h"

namespace platform {

char* AllocateText(std::size_t) { return nullptr; }

void FreeText(char*) {}

}  // namespace platform
