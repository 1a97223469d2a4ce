// Commands run as a user other than the tests' own, for the cases where who owns a file or a link
// matters. Only root can become another user; a test that needs one skips where it cannot.
#ifndef ORV_TESTS_OTHER_USER_H_
#define ORV_TESTS_OTHER_USER_H_

#include <unistd.h>

#include <cstdlib>
#include <string>

// The system's unprivileged user and group (nobody, nogroup), which own nothing of the tests'.
constexpr unsigned kOtherUser = 65534;

// The words that put before a shell command run it as kOtherUser, without root's groups; "" where this
// process cannot drop to that user.
inline std::string AsOtherUser() {
  const std::string prefix = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
  if (geteuid() != 0 || std::system((prefix + "true").c_str()) != 0) return "";
  return prefix;
}

#endif  // ORV_TESTS_OTHER_USER_H_
