// Where the Windows binding gets its memory. A test links a version of this
// that always fails, to see the out-of-memory exit.
#pragma once

#include <cstddef>

namespace platform {

char* AllocateText(std::size_t size);  // null when there is no memory
void FreeText(char* text);

}  // namespace platform
