// A recording stand-in for the platform, linked into the unit tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fake {

struct BoxCall {
  std::string text;
  std::string caption;
  std::uint32_t style;
};

// Every box shown since the last Reset, and what the next one returns.
struct Platform {
  std::vector<BoxCall> boxes;
  std::uint32_t nextResult = 1;
};

Platform& State();
void Reset();

}  // namespace fake
