// The memory and string routines that the compiler and std::string_view call.
// Yelpit links no C runtime, so the Windows binding brings its own. They are
// built so that the compiler cannot turn their loops back into calls to
// themselves, and tests build this same file natively under other names.
#include <cstddef>

extern "C" {

void* memchr(const void* s, int c, std::size_t n) {
  const auto* p = static_cast<const unsigned char*>(s);
  for (; n; --n, ++p) {
    if (*p == static_cast<unsigned char>(c)) return const_cast<unsigned char*>(p);
  }
  return nullptr;
}

int memcmp(const void* a, const void* b, std::size_t n) {
  const auto* p = static_cast<const unsigned char*>(a);
  const auto* q = static_cast<const unsigned char*>(b);
  for (; n; --n, ++p, ++q) {
    if (*p != *q) return *p - *q;
  }
  return 0;
}

void* memcpy(void* to, const void* from, std::size_t n) {
  auto* d = static_cast<unsigned char*>(to);
  const auto* s = static_cast<const unsigned char*>(from);
  while (n--) *d++ = *s++;
  return to;
}

void* memset(void* to, int c, std::size_t n) {
  auto* d = static_cast<unsigned char*>(to);
  while (n--) *d++ = static_cast<unsigned char>(c);
  return to;
}

std::size_t strlen(const char* s) {
  const char* end = s;
  while (*end) ++end;
  return static_cast<std::size_t>(end - s);
}

}  // extern "C"
