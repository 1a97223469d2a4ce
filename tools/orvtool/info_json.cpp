#include "info_json.h"

#include "event_table.h"
#include "quoted_text.h"

namespace {

using std::to_string;

// The states and rows as two arrays, written as the walk comes to them, laid out as a JSON library
// indents by two; a row waits for the next one, which gives its length.
class JsonReport : public OrvVisitor {
 public:
  JsonReport(const OrvLayout& layout, const TextSink& out) : layout_(layout), out_(out) {}

  void OnState(std::size_t index, const OrvState& state) override {
    EndState();
    out_(std::string(index == 0 ? "\n" : ",\n") + "    {\n      \"pairs\": " + (state.pairCount == 0 ? "[]" : "["));
    pairsOpen_ = state.pairCount != 0;
    firstPair_ = true;
    inState_ = true;
  }
  void OnPair(std::size_t, const OrvPair& pair) override {
    const char* name = EventName(pair.eventId);
    out_(std::string(firstPair_ ? "\n" : ",\n") + "        {\n          \"event\": " + to_string(pair.eventId) +
         ",\n          \"eventName\": " + (name != nullptr ? QuotedText(name) : "null") +
         ",\n          \"chunk\": " + to_string(pair.chunkIndex) + "\n        }");
    firstPair_ = false;
  }
  void OnRow(std::size_t index, const ChunkRow& row) override {
    if (index == 0) {
      StatesEnd();
      haveRow_ = true;
    } else {
      PrintRow(to_string(static_cast<std::int64_t>(row.dataOffset) - last_.dataOffset), index == 1);
    }
    last_ = row;
  }

  // Closes the states array and opens the chunks array.
  void StatesEnd() {
    if (statesClosed_) return;
    EndState();
    out_(sawState_ ? "\n  ],\n" : "],\n");
    out_("  \"chunkCount\": " + (layout_.haveChunkCount ? to_string(layout_.chunkCount) : std::string("null")) +
         ",\n  \"chunks\": [");
    statesClosed_ = true;
  }
  bool sawRow() const { return haveRow_; }
  // The trailing row, which has no length.
  void RowsEnd() { PrintRow("null", false); }

 private:
  void EndState() {
    if (!inState_) return;
    if (pairsOpen_ || !firstPair_) out_("\n      ]");
    out_("\n    }");
    inState_ = false;
    sawState_ = true;
  }
  void PrintRow(const std::string& length, bool first) {
    out_(std::string(first ? "\n" : ",\n") + "    {\n      \"dataOffset\": " + to_string(last_.dataOffset) +
         ",\n      \"stateIndex\": " + to_string(last_.stateIndex) +
         ",\n      \"scaledLength\": " + to_string(last_.scaledLength) + ",\n      \"length\": " + length + "\n    }");
  }

  const OrvLayout& layout_;
  const TextSink& out_;
  bool pairsOpen_ = false;  // "[" written, not "[]"
  bool firstPair_ = true, inState_ = false, sawState_ = false, statesClosed_ = false, haveRow_ = false;
  ChunkRow last_;
};

}  // namespace

void WriteOrvJson(OrvTables* tables, const std::string& path, const std::string& fault, bool acceptableAsSource,
                  const TextSink& out) {
  const OrvLayout& layout = tables->layout();
  out("{\n  \"file\": " + QuotedText(path) + ",\n  \"size\": " + to_string(layout.fileSize) + ",\n  \"valid\": " +
      (fault.empty() ? "true" : "false") + ",\n  \"error\": " + (fault.empty() ? "null" : QuotedText(fault)) +
      ",\n  \"stateCount\": " + (layout.haveStateCount ? to_string(layout.stateCount) : "null") + ",\n  \"states\": [");
  JsonReport report(layout, out);
  tables->Walk(&report);
  report.StatesEnd();
  if (layout.haveRows && report.sawRow()) {
    report.RowsEnd();
    out("\n  ],\n");
  } else {
    out("],\n");
  }
  out("  \"payloadBytes\": " +
      (layout.haveRows ? to_string(layout.fileSize - layout.headerLength) : std::string("null")) +
      ",\n  \"acceptableAsSource\": " + (acceptableAsSource ? "true" : "false") + ",\n  \"warnings\": [");
  const std::vector<std::string> warnings = LayoutWarnings(layout);
  for (std::size_t i = 0; i < warnings.size(); ++i) out((i == 0 ? "\n    " : ",\n    ") + QuotedText(warnings[i]));
  out(warnings.empty() ? "]\n}\n" : "\n  ]\n}\n");
}

std::string FormatOrvJson(const std::string& path, const OrvLayout& layout, const std::string& fault,
                          bool acceptableAsSource) {
  std::string text;
  HeldTables tables(layout);
  WriteOrvJson(&tables, path, fault, acceptableAsSource, [&text](const std::string& piece) { text += piece; });
  return text;
}
