#include "report/info_json.h"

#include "event_table.h"
#include "report/json_stream.h"

namespace {

void WritePair(const OrvPair& pair, JsonStream* json) {
  const char* name = EventName(pair.eventId);
  json->OpenObject();
  json->Key("event").Number(pair.eventId);
  if (name != nullptr)
    json->Key("eventName").Text(name);
  else
    json->Key("eventName").Value(nullptr);
  json->Key("chunk").Number(pair.chunkIndex);
  json->Close();
}

// A row's length runs to the next row's offset; the trailing row has none.
void WriteRow(const OrvLayout& layout, std::size_t r, JsonStream* json) {
  const ChunkRow& row = layout.rows[r];
  json->OpenObject();
  json->Key("dataOffset").Number(row.dataOffset);
  json->Key("stateIndex").Number(row.stateIndex);
  json->Key("scaledLength").Number(row.scaledLength);
  if (r + 1 < layout.rows.size())
    json->Key("length").Number(layout.RowsLength(r, r + 1));
  else
    json->Key("length").Value(nullptr);
  json->Close();
}

}  // namespace

void WriteOrvJson(const OrvLayout& layout, const std::string& path, const std::string& fault, bool acceptableAsSource,
                  const TextSink& out) {
  JsonStream json(out);
  json.OpenObject();
  json.Key("file").Value(path);
  json.Key("size").Value(layout.fileSize);
  json.Key("valid").Value(fault.empty());
  json.Key("error").Value(fault.empty() ? Json() : Json(fault));
  json.Key("stateCount").Value(layout.haveStateCount ? Json(layout.stateCount) : Json());
  json.Key("states").OpenArray();
  for (std::size_t s = 0; s < layout.statesRead(); ++s) {
    json.OpenObject();
    json.Key("pairs").OpenArray();
    for (std::int32_t k = 0; k < layout.PairCount(s); ++k)
      WritePair(layout.Pair(s, static_cast<std::size_t>(k)), &json);
    json.Close();
    json.Close();
  }
  json.Close();
  json.Key("chunkCount").Value(layout.haveChunkCount ? Json(layout.chunkCount) : Json());
  json.Key("chunks").OpenArray();
  for (std::size_t r = 0; r < layout.rows.size(); ++r) WriteRow(layout, r, &json);
  json.Close();
  json.Key("payloadBytes").Value(layout.haveRows ? Json(layout.fileSize - layout.headerLength) : Json());
  json.Key("acceptableAsSource").Value(acceptableAsSource);
  json.Key("warnings").OpenArray();
  for (const std::string& warning : LayoutWarnings(layout)) json.Value(warning);
  json.Close();
  json.Close();
}
