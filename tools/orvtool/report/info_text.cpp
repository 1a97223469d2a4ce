#include "report/info_text.h"

#include <cstdint>
#include <cstdio>

#include "count_text.h"
#include "event_table.h"
#include "orv_format.h"

namespace {

using std::to_string;

void WriteRow(const OrvLayout& layout, std::size_t r, const TextSink& out) {
  const ChunkRow& row = layout.rows[r];
  char line[128];
  int used = std::snprintf(line, sizeof line, "  %3zu  %10d  %10d  %12d", r, static_cast<int>(row.dataOffset),
                           static_cast<int>(row.stateIndex), static_cast<int>(row.scaledLength));
  // A row's length runs to the next row's offset; the trailing row has none.
  const bool trailing = r + 1 == layout.rows.size();
  if (!trailing && used > 0 && static_cast<std::size_t>(used) < sizeof line)
    std::snprintf(line + used, sizeof line - static_cast<std::size_t>(used), "  %10lld",
                  static_cast<long long>(layout.RowsLength(r, r + 1)));
  std::string text = line;
  if (r == 0) text += "  leading";
  if (trailing) text += "              trailing";
  out(text + "\n");
}

// Header, states, chunk rows and payload, as far as the layout was read.
void WriteOrvLayout(const OrvLayout& layout, const TextSink& out) {
  out("size: " + Plural(static_cast<std::int64_t>(layout.fileSize), "byte", "bytes") + "\n");
  if (!layout.haveMagic) return;
  out("header\n  magic       " + Hex(layout.magic) + "\n");
  if (!layout.haveStateCount) return;
  out("  zero word   " + to_string(layout.zeroWord) + "\n  stateCount  " + to_string(layout.stateCount) + "\nstates\n");
  for (std::size_t s = 0; s < layout.statesRead(); ++s) {
    std::string line = "  state " + to_string(s) + ": " + Plural(layout.PairCount(s), "pair", "pairs");
    if (layout.stateWords[s] != 0) line += " (leading word " + to_string(layout.stateWords[s]) + ", not 0)";
    out(line + "\n");
    for (std::int32_t k = 0; k < layout.PairCount(s); ++k) {
      const OrvPair& pair = layout.Pair(s, static_cast<std::size_t>(k));
      out("    " + EventLabel(pair.eventId) + " -> chunk " + to_string(pair.chunkIndex) + "\n");
    }
  }
  if (!layout.haveChunkCount) return;
  out("chunk table: " + Plural(layout.chunkCount, "row", "rows"));
  if (!layout.haveRows) {
    out("\n");
    return;
  }
  out(", header length " + to_string(layout.headerLength) + "\n");
  out("  row  dataOffset  stateIndex  scaledLength      length\n");
  for (std::size_t r = 0; r < layout.rows.size(); ++r) WriteRow(layout, r, out);
  out("payload: " + Plural(static_cast<std::int64_t>(layout.fileSize - layout.headerLength), "byte", "bytes") +
      ", from byte " + to_string(layout.headerLength) + " to " + to_string(layout.fileSize) + "\n");
}

}  // namespace

std::string FormatSourceVerdict(const OrvLayout& layout, const SourceVerdict& source, bool layoutValid) {
  if (!source.accepted()) {
    // A file with the state count a build writes for its pieces: refusing it is no fault of the file.
    const std::int32_t states = layout.stateCount;
    if (layoutValid && layout.haveStateCount && states >= orv::StateCountFor(1) &&
        states == orv::StateCountFor(orv::EntryOfState(states)))
      return "build source: no, it is a built file of " + Plural(orv::EntryOfState(states), "piece", "pieces") +
             " (stateCount " + to_string(states) + "); only single-state files are sources\n";
    return "build source: no, " + SourceFaultReason(source) + "\n";
  }
  const std::int32_t start = orv::kSourcePayloadStart;
  const std::int32_t payloadEnd = source.payloadEnd;
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

void WriteInfoText(const OrvLayout& layout, const std::string& path, const SourceVerdict& source, bool layoutValid,
                   const TextSink& out) {
  out("file: " + path + "\n");
  WriteOrvLayout(layout, out);
  out(FormatSourceVerdict(layout, source, layoutValid));
  for (const std::string& warning : LayoutWarnings(layout)) out("warning: " + warning + "\n");
  out(layoutValid ? "layout: ok\n" : "layout: broken\n");
}
