#include "report/info_json.h"

#include "event_table.h"
#include "report/json_stream.h"

namespace {

// The states and rows as two arrays, written as the walk comes to them; a row waits for the next one,
// which gives its length.
class InfoJsonReport : public OrvVisitor {
 public:
  InfoJsonReport(const OrvLayout& layout, JsonStream* json) : layout_(layout), json_(*json) {}

  void OnState(std::size_t, const OrvState&) override {
    EndState();
    json_.OpenObject();
    json_.Key("pairs").OpenArray();
    inState_ = true;
  }
  void OnPair(std::size_t, const OrvPair& pair) override {
    const char* name = EventName(pair.eventId);
    json_.OpenObject();
    json_.Key("event").Number(pair.eventId);
    if (name != nullptr)
      json_.Key("eventName").Text(name);
    else
      json_.Key("eventName").Value(nullptr);
    json_.Key("chunk").Number(pair.chunkIndex);
    json_.Close();
  }
  void OnRow(std::size_t index, const ChunkRow& row) override {
    if (index == 0)
      StatesEnd();
    else
      WriteRow(static_cast<std::int64_t>(row.dataOffset) - last_.dataOffset, true);
    last_ = row;
    sawRow_ = true;
  }

  // Closes the states array and opens the chunks array.
  void StatesEnd() {
    if (statesClosed_) return;
    EndState();
    json_.Close();
    json_.Key("chunkCount").Value(layout_.haveChunkCount ? Json(layout_.chunkCount) : Json());
    json_.Key("chunks").OpenArray();
    statesClosed_ = true;
  }
  bool sawRow() const { return sawRow_; }
  // The trailing row, which has no length.
  void RowsEnd() { WriteRow(0, false); }

 private:
  void EndState() {
    if (!inState_) return;
    json_.Close();
    json_.Close();
    inState_ = false;
  }
  void WriteRow(std::int64_t length, bool haveLength) {
    json_.OpenObject();
    json_.Key("dataOffset").Number(last_.dataOffset);
    json_.Key("stateIndex").Number(last_.stateIndex);
    json_.Key("scaledLength").Number(last_.scaledLength);
    if (haveLength)
      json_.Key("length").Number(length);
    else
      json_.Key("length").Value(nullptr);
    json_.Close();
  }

  const OrvLayout& layout_;
  JsonStream& json_;
  bool inState_ = false, statesClosed_ = false, sawRow_ = false;
  ChunkRow last_;
};

}  // namespace

void WriteOrvJson(OrvTables* tables, const std::string& path, const std::string& fault, bool acceptableAsSource,
                  const TextSink& out) {
  const OrvLayout& layout = tables->layout();
  JsonStream json(out);
  json.OpenObject();
  json.Key("file").Value(path);
  json.Key("size").Value(layout.fileSize);
  json.Key("valid").Value(fault.empty());
  json.Key("error").Value(fault.empty() ? Json() : Json(fault));
  json.Key("stateCount").Value(layout.haveStateCount ? Json(layout.stateCount) : Json());
  json.Key("states").OpenArray();
  InfoJsonReport report(layout, &json);
  tables->Walk(&report);
  report.StatesEnd();
  if (layout.haveRows && report.sawRow()) report.RowsEnd();
  json.Close();
  json.Key("payloadBytes").Value(layout.haveRows ? Json(layout.fileSize - layout.headerLength) : Json());
  json.Key("acceptableAsSource").Value(acceptableAsSource);
  json.Key("warnings").OpenArray();
  for (const std::string& warning : LayoutWarnings(layout)) json.Value(warning);
  json.Close();
  json.Close();
}

std::string FormatOrvJson(const std::string& path, const OrvLayout& layout, const std::string& fault,
                          bool acceptableAsSource) {
  std::string text;
  HeldTables tables(layout);
  WriteOrvJson(&tables, path, fault, acceptableAsSource, AppendTo(&text));
  return text;
}
