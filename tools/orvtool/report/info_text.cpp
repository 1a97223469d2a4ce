#include "report/info_text.h"

#include <cstdint>
#include <cstdio>

#include "count_text.h"
#include "event_table.h"
#include "orv_format.h"
#include "report/words.h"

namespace {

using std::to_string;

// States as they come; each row once the next one gives its length.
class InfoTextReport : public OrvVisitor {
 public:
  InfoTextReport(const OrvLayout& layout, const TextSink& out) : layout_(layout), out_(out) {}

  void OnState(std::size_t index, const OrvState& state) override {
    std::string line = "  state " + to_string(index) + ": " + Plural(state.pairCount, "pair", "pairs");
    if (state.zeroWord != 0) line += " (leading word " + to_string(state.zeroWord) + ", not 0)";
    out_(line + "\n");
  }
  void OnPair(std::size_t, const OrvPair& pair) override {
    out_("    " + EventLabel(pair.eventId) + " -> chunk " + to_string(pair.chunkIndex) + "\n");
  }
  void OnRow(std::size_t index, const ChunkRow& row) override {
    if (index == 0) {
      out_("chunk table: " + Plural(layout_.chunkCount, "row", "rows") + ", header length " +
           to_string(layout_.headerLength) + "\n");
      out_("  row  dataOffset  stateIndex  scaledLength      length\n");
    } else {
      // A row's length runs to the next row's offset.
      PrintRow(static_cast<std::int64_t>(row.dataOffset) - last_.dataOffset);
    }
    last_ = row;
    lastIndex_ = index;
  }

  // The trailing row, which has no length.
  void Finish() { PrintRow(-1); }

 private:
  void PrintRow(long long length) {
    char line[128];
    int used =
        std::snprintf(line, sizeof line, "  %3zu  %10d  %10d  %12d", lastIndex_, static_cast<int>(last_.dataOffset),
                      static_cast<int>(last_.stateIndex), static_cast<int>(last_.scaledLength));
    if (length >= 0 && used > 0 && static_cast<std::size_t>(used) < sizeof line)
      std::snprintf(line + used, sizeof line - static_cast<std::size_t>(used), "  %10lld", length);
    std::string text = line;
    if (lastIndex_ == 0) text += "  leading";
    if (length < 0) text += "              trailing";
    out_(text + "\n");
  }

  const OrvLayout& layout_;
  const TextSink& out_;
  ChunkRow last_;
  std::size_t lastIndex_ = 0;
};

}  // namespace

void WriteOrvLayout(OrvTables* tables, const TextSink& out) {
  const OrvLayout& layout = tables->layout();
  out("size: " + Plural(static_cast<std::int64_t>(layout.fileSize), "byte", "bytes") + "\n");
  if (!layout.haveMagic) return;
  out("header\n  magic       " + Hex(layout.magic) + "\n");
  if (!layout.haveStateCount) return;
  out("  zero word   " + to_string(layout.zeroWord) + "\n  stateCount  " + to_string(layout.stateCount) + "\nstates\n");
  InfoTextReport report(layout, out);
  tables->Walk(&report);
  if (!layout.haveChunkCount) return;
  if (!layout.haveRows) {
    out("chunk table: " + Plural(layout.chunkCount, "row", "rows") + "\n");
    return;
  }
  report.Finish();
  out("payload: " + Plural(static_cast<std::int64_t>(layout.fileSize - layout.headerLength), "byte", "bytes") +
      ", from byte " + to_string(layout.headerLength) + " to " + to_string(layout.fileSize) + "\n");
}

std::string FormatOrvLayout(const OrvLayout& layout) {
  std::string text;
  HeldTables tables(layout);
  WriteOrvLayout(&tables, AppendTo(&text));
  return text;
}

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

void WriteInfoText(OrvTables* tables, const std::string& path, const SourceVerdict& source, bool layoutValid,
                   const TextSink& out) {
  const OrvLayout& layout = tables->layout();
  out("file: " + path + "\n");
  WriteOrvLayout(tables, out);
  out(FormatSourceVerdict(layout, source, layoutValid));
  for (const std::string& warning : LayoutWarnings(layout)) out("warning: " + warning + "\n");
  out(layoutValid ? "layout: ok\n" : "layout: broken\n");
}
