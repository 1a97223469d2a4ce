#include "orv_json.h"

#include <nlohmann/json.hpp>

#include "event_table.h"

namespace {

using Json = nlohmann::ordered_json;

Json States(const OrvLayout& layout) {
  Json states = Json::array();
  for (const OrvState& state : layout.states) {
    Json pairs = Json::array();
    for (const OrvPair& pair : state.pairs) {
      const char* name = EventName(pair.eventId);
      pairs.push_back(
          {{"event", pair.eventId}, {"eventName", name != nullptr ? Json(name) : Json()}, {"chunk", pair.chunkIndex}});
    }
    states.push_back({{"pairs", std::move(pairs)}});
  }
  return states;
}

Json Chunks(const OrvLayout& layout) {
  Json chunks = Json::array();
  const std::vector<ChunkRow>& rows = layout.rows;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    // A row runs to the next row's offset; the trailing row has no length.
    const Json length = r + 1 < rows.size() ? Json(layout.RowsLength(r, r + 1)) : Json();
    chunks.push_back({{"dataOffset", rows[r].dataOffset},
                      {"stateIndex", rows[r].stateIndex},
                      {"scaledLength", rows[r].scaledLength},
                      {"length", length}});
  }
  return chunks;
}

}  // namespace

std::string FormatOrvJson(const std::string& path, const OrvLayout& layout, const std::string& fault,
                          bool acceptableAsSource) {
  Json report;
  report["file"] = path;
  report["size"] = layout.fileSize;
  report["valid"] = fault.empty();
  report["error"] = fault.empty() ? Json() : Json(fault);
  report["stateCount"] = layout.haveStateCount ? Json(layout.stateCount) : Json();
  report["states"] = States(layout);
  report["chunkCount"] = layout.haveChunkCount ? Json(layout.chunkCount) : Json();
  report["chunks"] = Chunks(layout);
  report["payloadBytes"] = layout.haveRows ? Json(layout.fileSize - layout.headerLength) : Json();
  report["acceptableAsSource"] = acceptableAsSource;
  return report.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}
