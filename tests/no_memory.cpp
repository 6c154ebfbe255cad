// Linked in place of the standard allocator: every allocation fails, as it
// does when a process cannot get the memory it needs to start.
#include <cstddef>
#include <cstdlib>
#include <new>

void* operator new(std::size_t size) {
  // Only the empty request succeeds. A body that always throws would be
  // compiled as one that never returns, and GCC then misplaces the symbol.
  if (size != 0) throw std::bad_alloc();
  return std::malloc(1);
}
void* operator new[](std::size_t size) { return ::operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
