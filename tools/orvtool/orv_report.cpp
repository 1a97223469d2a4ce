#include "orv_report.h"

#include <cstdio>

#include "event_label.h"
#include "orv_format.h"

namespace {

using std::to_string;

std::string Plural(std::int64_t n, const char* one, const char* many) {
  return to_string(n) + " " + (n == 1 ? one : many);
}

void AppendHeader(const OrvLayout& layout, std::string* out) {
  *out += "header\n";
  char magic[16];
  std::snprintf(magic, sizeof magic, "0x%08x", static_cast<unsigned>(layout.magic));
  *out += std::string("  magic       ") + magic + "\n";
  if (!layout.haveStateCount) return;
  *out += "  zero word   " + to_string(layout.zeroWord) + "\n";
  *out += "  stateCount  " + to_string(layout.stateCount) + "\n";
}

void AppendStates(const OrvLayout& layout, std::string* out) {
  *out += "states\n";
  for (std::size_t s = 0; s < layout.states.size(); ++s) {
    const OrvState& state = layout.states[s];
    *out += "  state " + to_string(s) + ": " + Plural(state.pairCount, "pair", "pairs");
    if (state.zeroWord != 0) *out += " (leading word " + to_string(state.zeroWord) + ", not 0)";
    *out += "\n";
    for (const OrvPair& pair : state.pairs) {
      *out += "    " + EventLabel(pair.eventId) + " -> chunk " + to_string(pair.chunkIndex) + "\n";
    }
  }
}

void AppendRows(const OrvLayout& layout, std::string* out) {
  const std::vector<ChunkRow>& rows = layout.rows;
  *out += "chunk table: " + Plural(layout.chunkCount, "row", "rows") + ", header length " +
          to_string(layout.headerLength) + "\n";
  *out += "  row  dataOffset  stateIndex  scaledLength      length\n";
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const ChunkRow& row = rows[r];
    char line[128];
    int used = std::snprintf(line, sizeof line, "  %3zu  %10d  %10d  %12d", r, static_cast<int>(row.dataOffset),
                             static_cast<int>(row.stateIndex), static_cast<int>(row.scaledLength));
    // A row's length runs to the next row's offset; the trailing row has none.
    if (r + 1 < rows.size() && used > 0 && static_cast<std::size_t>(used) < sizeof line) {
      const long long length = layout.RowsLength(r, r + 1);
      std::snprintf(line + used, sizeof line - static_cast<std::size_t>(used), "  %10lld", length);
    }
    *out += line;
    if (r == 0) *out += "  leading";
    if (r + 1 == rows.size()) *out += "              trailing";
    *out += "\n";
  }
  *out += "payload: " + Plural(static_cast<std::int64_t>(layout.fileSize - layout.headerLength), "byte", "bytes") +
          ", from byte " + to_string(layout.headerLength) + " to " + to_string(layout.fileSize) + "\n";
}

}  // namespace

std::string FormatOrvLayout(const OrvLayout& layout) {
  std::string out = "size: " + Plural(static_cast<std::int64_t>(layout.fileSize), "byte", "bytes") + "\n";
  if (!layout.haveMagic) return out;
  AppendHeader(layout, &out);
  if (!layout.haveStateCount) return out;
  AppendStates(layout, &out);
  if (!layout.haveChunkCount) return out;
  if (!layout.haveRows) {
    out += "chunk table: " + Plural(layout.chunkCount, "row", "rows") + "\n";
    return out;
  }
  AppendRows(layout, &out);
  return out;
}

std::string FormatSourceVerdict(const OrvLayout& layout, bool acceptable, std::int32_t payloadEnd,
                                const std::string& why) {
  if (!acceptable) return "build source: no, " + why + "\n";
  const std::int32_t start = orv::kSourcePayloadStart;
  std::string out = "build source: yes, payload " + Plural(payloadEnd - start, "byte", "bytes") + " from byte " +
                    to_string(start) + " to " + to_string(payloadEnd) + "\n";
  // A build takes bytes 56 up to the word at byte 44 whatever the tables say; say so when that is not
  // the file's own payload area.
  if (layout.haveRows && (layout.headerLength != static_cast<std::uint64_t>(start) ||
                          static_cast<std::uint64_t>(payloadEnd) != layout.fileSize))
    out += "  note: the file's own payload area is bytes " + to_string(layout.headerLength) + " to " +
           to_string(layout.fileSize) + "; a build would take bytes " + to_string(start) + " to " +
           to_string(payloadEnd) + " instead\n";
  return out;
}
