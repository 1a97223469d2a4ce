// An independent reading of the ORV layout for the tests: from a list of entries with their payloads
// it computes the bytes a build must write, the plain way, with no fixed tables and no limits.
#ifndef ORV_TESTS_REFERENCE_ORV_H_
#define ORV_TESTS_REFERENCE_ORV_H_

#include <cstdint>
#include <utility>
#include <vector>

#include "orv_bytes.h"

struct RefEntry {
  int eventId;
  bool loop;
  Bytes payload;
};

inline Bytes ReferenceOrv(const std::vector<RefEntry>& entries) {
  const std::size_t n = entries.size();

  // Chunks: each payload cut at 60000 bytes, numbered from 1 after the leading row.
  struct Chunk {
    std::int64_t offset, state, length;
  };
  std::vector<Chunk> chunks;
  std::vector<int> first(n);
  std::int64_t total = 0;
  for (std::size_t e = 0; e < n; ++e) {
    first[e] = static_cast<int>(chunks.size()) + 1;
    const std::int64_t own = 2 * static_cast<std::int64_t>(e);
    const std::int64_t len = static_cast<std::int64_t>(entries[e].payload.size());
    for (std::int64_t at = 0; at < len; at += 60000) {
      const std::int64_t piece = std::min<std::int64_t>(60000, len - at);
      chunks.push_back({total, at + piece == len ? own + 2 : own + 1, piece});
      total += piece;
    }
  }
  const int trailing = static_cast<int>(chunks.size()) + 1;

  // States: each lists its pairs; the pair count is simply how many there are.
  std::vector<std::vector<std::pair<int, int>>> states;
  states.push_back({{0, 1}});
  for (std::size_t e = 0; e < n; ++e) {
    std::vector<std::pair<int, int>> others;
    for (int ev = 0; ev <= 14; ++ev) {
      if (ev == entries[e].eventId) continue;
      for (std::size_t j = 0; j < n; ++j)
        if (!entries[j].loop && entries[j].eventId == ev) others.push_back({ev, first[j]});
    }
    states.push_back(others);
    int target = entries[e].loop ? first[e] : (e + 1 < n ? first[e + 1] : trailing);
    std::vector<std::pair<int, int>> last{{entries[e].eventId, target}};
    last.insert(last.end(), others.begin(), others.end());
    states.push_back(last);
  }

  std::int64_t stateWords = 0;
  for (const auto& s : states) stateWords += 2 + 2 * static_cast<std::int64_t>(s.size());
  const std::int64_t chunkCount = static_cast<std::int64_t>(chunks.size()) + 2;
  const std::int64_t h = 16 + 4 * stateWords + 12 * chunkCount;

  Bytes out = Words({0x3F35C28F, 0, static_cast<std::int64_t>(states.size())});
  for (const auto& s : states) {
    AppendWord(&out, 0);
    AppendWord(&out, static_cast<std::int64_t>(s.size()));
    for (const auto& [ev, chunk] : s) {
      AppendWord(&out, ev);
      AppendWord(&out, chunk);
    }
  }
  AppendWord(&out, chunkCount);
  for (std::int64_t w : {h, std::int64_t{0}, std::int64_t{0}}) AppendWord(&out, w);
  for (const Chunk& c : chunks) {
    AppendWord(&out, h + c.offset);
    AppendWord(&out, c.state);
    AppendWord(&out, c.length / 30 * 112);
  }
  for (std::int64_t w : {h + total, std::int64_t{0}, std::int64_t{0}}) AppendWord(&out, w);
  for (const RefEntry& e : entries) out.insert(out.end(), e.payload.begin(), e.payload.end());
  return out;
}

#endif  // ORV_TESTS_REFERENCE_ORV_H_
