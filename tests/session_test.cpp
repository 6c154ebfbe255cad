#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/sessions.h"

namespace {

// The states as wtsapi32.h numbers them.
enum State { kActive = 0, kSignInScreen = 1, kConnecting = 2, kDisconnected = 4, kListening = 6 };

struct Session {
  std::uint32_t SessionId;
  int State;
};

struct SessionCase {
  const char* name;
  std::vector<Session> sessions;
  std::uint32_t console, asked;
};

constexpr std::uint32_t kNone = 0xFFFFFFFF;  // no session, as Windows writes it
constexpr std::uint32_t kListener = 65536;

const SessionCase kSessionCases[] = {
    {"someone at the console", {{0, kDisconnected}, {1, kActive}, {kListener, kListening}}, 1, 1},
    {"the console and a remote user", {{1, kActive}, {2, kActive}}, 1, 1},
    {"a remote user listed before the console", {{2, kActive}, {1, kActive}}, 1, 1},
    {"the sign-in screen and one remote user", {{0, kDisconnected}, {1, kSignInScreen}, {2, kActive}}, 1, 2},
    {"one remote user listed first", {{3, kActive}, {1, kSignInScreen}, {kListener, kListening}}, 1, 3},
    {"two remote users", {{1, kSignInScreen}, {2, kActive}, {3, kActive}}, 1, kNone},
    {"a disconnected user only", {{1, kSignInScreen}, {2, kDisconnected}}, 1, kNone},
    {"a user still connecting", {{1, kSignInScreen}, {2, kConnecting}}, 1, kNone},
    {"the listener and session 0 only", {{0, kActive}, {kListener, kListening}}, 1, kNone},
    {"no sessions", {}, 1, kNone},
    {"no console attached, one remote user", {{0, kDisconnected}, {2, kActive}}, kNone, 2},
    {"Windows XP: the console is session 0", {{0, kActive}, {1, kActive}}, 0, 0},
};

TEST(SessionToAsk, Table) {
  for (const SessionCase& c : kSessionCases) {
    std::vector<Session> listed = c.sessions;
    listed.push_back({9, kActive});  // past the count, never to be read
    const auto count = static_cast<std::uint32_t>(c.sessions.size());
    EXPECT_EQ(platform::SessionToAsk(listed.data(), count, c.console), c.asked) << c.name;
  }
}

}  // namespace
