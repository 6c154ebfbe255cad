// The Windows binding's memory and string routines, built here under other
// names and held against the C library's on every prefix of every row.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

extern "C" {
void* yelpit_memchr(const void* s, int c, std::size_t n);
int yelpit_memcmp(const void* a, const void* b, std::size_t n);
void* yelpit_memcpy(void* to, const void* from, std::size_t n);
void* yelpit_memset(void* to, int c, std::size_t n);
std::size_t yelpit_strlen(const char* s);
}

namespace {

using namespace std::string_literals;

int Sign(int value) { return (value > 0) - (value < 0); }

struct RoutineCase {
  std::string a, b;
  int c;  // the byte looked for or stored
};

const RoutineCase kRoutineCases[] = {
    {"", "", 'x'},
    {"abc", "abc", 'c'},
    {"abc", "abd", 'b'},
    {"\x80", "\x7f", 0x80},         // bytes compare as unsigned
    {"\xff\x01", "\x01\xff", -1},   // -1 is the byte 0xFF
    {"a\0b\0c"s, "a\0b\0d"s, 0},    // NUL is a byte like any other
    {"xyzc", "xyzC", 0x100 + 'c'},  // only the low byte of c counts
    {std::string(300, 'q') + "!", std::string(300, 'q') + "?", '!'},
};

TEST(StringRoutines, MatchTheCLibraryOnEveryPrefix) {
  for (const RoutineCase& c : kRoutineCases) {
    const std::string& a = c.a;
    for (std::size_t n = 0; n <= a.size(); ++n) {
      const std::string row = "[" + a + "] n=" + std::to_string(n);
      EXPECT_EQ(yelpit_memchr(a.data(), c.c, n), std::memchr(a.data(), c.c, n)) << row;
      if (n <= c.b.size()) {
        EXPECT_EQ(Sign(yelpit_memcmp(a.data(), c.b.data(), n)), Sign(std::memcmp(a.data(), c.b.data(), n)))
            << row;
      }

      // Exactly n bytes are written, and the pointer given comes back.
      std::string copied(a.size() + 1, '#'), set(a.size() + 1, '#');
      EXPECT_EQ(yelpit_memcpy(copied.data(), a.data(), n), copied.data()) << row;
      EXPECT_EQ(copied, a.substr(0, n) + std::string(a.size() + 1 - n, '#')) << row;
      EXPECT_EQ(yelpit_memset(set.data(), c.c, n), set.data()) << row;
      EXPECT_EQ(set, std::string(n, static_cast<char>(c.c)) + std::string(a.size() + 1 - n, '#')) << row;

      const std::string prefix = a.substr(0, n);
      EXPECT_EQ(yelpit_strlen(prefix.c_str()), std::strlen(prefix.c_str())) << row;
    }
  }
}

}  // namespace
