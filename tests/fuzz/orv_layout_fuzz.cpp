// Feeds arbitrary bytes to orvtool info's reading of an ORV file: it must never read past the bytes,
// never hold more than the file can justify, and its verdicts must agree with what it read.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "byte_source.h"
#include "orv_layout.h"
#include "orv_report.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  MemorySource bytes(std::vector<unsigned char>(data, data + size));
  OrvLayout layout;
  std::string err;
  const bool valid = InspectOrv(&bytes, &layout, &err);
  if (valid != err.empty()) std::abort();
  if (valid && (!layout.haveRows || layout.rows.size() < 2 || layout.headerLength > size ||
                layout.rows.back().dataOffset != static_cast<std::int64_t>(size)))
    std::abort();
  // Every state and row held was read from the file: each takes at least 8 and 12 of its bytes.
  if (layout.states.size() * 8 + layout.rows.size() * 12 > size) std::abort();

  std::int32_t payloadEnd = 0;
  std::string why;
  const bool source = CheckBuildSource(&bytes, &payloadEnd, &why);
  if (source && (payloadEnd < 56 || static_cast<std::size_t>(payloadEnd) > size)) std::abort();
  const std::string report = FormatOrvLayout(layout) + FormatSourceVerdict(layout, source, payloadEnd, why);
  if (report.empty()) std::abort();
  return 0;
}
