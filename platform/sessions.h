// Which signed-in session a box from a service goes to. Plain code over the
// list Windows gives, so it is tested without Windows.
#pragma once

#include <cstdint>

namespace platform {

constexpr int kSessionActive = 0;              // WTSActive: a user is signed in and at work there
constexpr std::uint32_t kNobody = 0xFFFFFFFF;  // no session, as Windows writes it

// The console's session when a user is active there; otherwise the one
// other active session, as on a Cloud PC or a desktop reached over Remote
// Desktop. kNobody when no user is active, or when several remote users are
// and nobody is at the console: a shared server, where nobody can say whose
// answer counts. Session 0 runs only services. `Session` has the members
// `SessionId` and `State`, as WTS_SESSION_INFOA has.
template <typename Session>
std::uint32_t SessionToAsk(const Session* sessions, std::uint32_t count, std::uint32_t console) {
  std::uint32_t remote = kNobody, active = 0;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint32_t id = sessions[i].SessionId;
    if (sessions[i].State != kSessionActive) continue;
    if (id == console) return console;
    if (id != 0) remote = id, ++active;
  }
  return active == 1 ? remote : kNobody;
}

}  // namespace platform
