// Runs the real orvtool in a child process whose address space is limited, reading what it prints as
// it comes, so neither side holds the whole of a huge report (POSIX only).
#ifndef ORVTOOL_TESTS_LIMITED_RUN_H_
#define ORVTOOL_TESTS_LIMITED_RUN_H_

#include <sys/resource.h>

#include <cstdint>
#include <string>
#include <vector>

struct LimitedRun {
  int status = -1;            // the exit status, or -1 when the child did not exit by itself
  std::int64_t outBytes = 0;  // all it wrote on standard output
  std::int64_t lines = 0;
  std::uint64_t digest = 14695981039346656037u;  // FNV-1a of all it wrote, to hold a huge report to a recorded one
  std::string tail;                              // the last 4096 bytes of it
  std::string err;
};

// orvtool with args, in a child limited to limitBytes of address space; under the address sanitizer,
// which reserves a vast shadow space up front, the child runs without the limit.
LimitedRun RunLimited(const std::vector<std::string>& args, rlim_t limitBytes);

// False under the address sanitizer, whose children run without the limit.
bool MemoryIsLimited();

constexpr rlim_t kMiB = 1024 * 1024;

#endif  // ORVTOOL_TESTS_LIMITED_RUN_H_
