#include "read/same_bytes.h"

#include <cstring>
#include <vector>

namespace {

constexpr std::size_t kCompareBlock = 64 * 1024;

bool ReadBlock(const ByteStretch& s, std::uint64_t done, std::size_t n, unsigned char* out, std::string* err) {
  if (s.bytes->Read(s.from + done, n, out)) return true;
  *err = s.name + ": cannot read bytes " + std::to_string(s.from + done) + " to " + std::to_string(s.from + done + n);
  return false;
}

}  // namespace

bool SameBytes(const ByteStretch& a, const ByteStretch& b, std::uint64_t length, bool* same, std::string* err) {
  std::vector<unsigned char> left(kCompareBlock), right(kCompareBlock);
  *same = true;
  for (std::uint64_t done = 0; done < length;) {
    const std::uint64_t rest = length - done;
    const std::size_t n = rest < kCompareBlock ? static_cast<std::size_t>(rest) : kCompareBlock;
    if (!ReadBlock(a, done, n, left.data(), err) || !ReadBlock(b, done, n, right.data(), err)) return false;
    if (std::memcmp(left.data(), right.data(), n) != 0) {
      *same = false;
      return true;
    }
    done += n;
  }
  return true;
}
