// Feeds arbitrary bytes to the source check as a source file: an accepted source must really hold
// the payload it claims, and a refused one must say so.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "source_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::FILE* source = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
  if (source == nullptr) return 0;
  std::int32_t payloadLength = -1;
  std::string err;
  if (CheckSource(source, "fuzz.orv", &payloadLength, &err)) {
    if (payloadLength < 0 || 56 + static_cast<std::uint64_t>(payloadLength) > size) std::abort();
  } else if (err.find("\"fuzz.orv\"") == std::string::npos) {
    std::abort();
  }
  std::fclose(source);
  return 0;
}
