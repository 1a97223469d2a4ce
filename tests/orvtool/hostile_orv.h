// Valid ORV files that the layout allows but no build writes, at sizes that once made orvtool's insight
// commands slow or greedy; the same shapes as bench/make_hostile_orv.py writes.
#ifndef ORVTOOL_TESTS_HOSTILE_ORV_H_
#define ORVTOOL_TESTS_HOSTILE_ORV_H_

#include <cstdint>
#include <vector>

#include "orv_bytes.h"
#include "orv_format.h"

// One state of n pairs, events n - 1 down to 0 (so those a trace can name come last), sending even ones
// back to the one 30-byte chunk and odd ones to the trailing row; state 0 has no pairs, so the leading
// row leads to chunk 1.
inline Bytes OneStateOfManyPairs(std::int32_t n) {
  const std::int64_t h = 16 + 4 * (2 + 2 + 2 * static_cast<std::int64_t>(n)) + 12 * 3;
  Bytes out = Words({orv::kMagic, 0, 2, 0, 0, 0, n});
  out.reserve(static_cast<std::size_t>(h) + 30);
  for (std::int32_t i = n - 1; i >= 0; --i) {
    AppendWord(&out, i);
    AppendWord(&out, 1 + i % 2);
  }
  for (std::int64_t w : {std::int64_t{3}, h, std::int64_t{0}, std::int64_t{0}, h, std::int64_t{1}, std::int64_t{112},
                         h + 30, std::int64_t{0}, std::int64_t{0}})
    AppendWord(&out, w);
  out.resize(out.size() + 30, 0x5A);
  return out;
}

// n states and n rows: row r (1 to n - 2) is a chunk of one byte under state r, whose one pair sends
// event r % 15 to chunk r * stride % (n - 2) + 1: the next one, or with a stride far across the table.
inline Bytes ManyStatesAndRows(std::int32_t n, std::int64_t stride = 1) {
  const std::int64_t chunks = n - 2;
  const std::int64_t h = 16 + 16 * static_cast<std::int64_t>(n) + 12 * static_cast<std::int64_t>(n);
  Bytes out = Words({orv::kMagic, 0, n, 0, 1, 0, 1});
  out.reserve(static_cast<std::size_t>(h + chunks));
  for (std::int64_t s = 1; s < n; ++s)
    for (std::int64_t w : {std::int64_t{0}, std::int64_t{1}, s % 15, s * stride % chunks + 1}) AppendWord(&out, w);
  for (std::int64_t w : {std::int64_t{n}, h, std::int64_t{0}, std::int64_t{0}}) AppendWord(&out, w);
  for (std::int64_t r = 1; r <= chunks; ++r)
    for (std::int64_t w : {h + r - 1, r, std::int64_t{0}}) AppendWord(&out, w);
  for (std::int64_t w : {h + chunks, std::int64_t{0}, std::int64_t{0}}) AppendWord(&out, w);
  out.resize(out.size() + static_cast<std::size_t>(chunks), 0x5A);
  return out;
}

// r one-byte rows of no entry, all under state 1 of p pairs (events 0 to p - 1), each sending its event
// to row `to` (r + 1 is the trailing row); state 0 has no pairs. Two such files with other rows to
// differ in every pair at every row.
inline Bytes OneStateSharedByRows(std::int32_t p, std::int32_t r, std::int32_t to) {
  const std::int64_t h = 16 + 4 * (2 + 2 + 2 * static_cast<std::int64_t>(p)) + 12 * (static_cast<std::int64_t>(r) + 2);
  Bytes out = Words({orv::kMagic, 0, 2, 0, 0, 0, p});
  out.reserve(static_cast<std::size_t>(h + r));
  for (std::int32_t k = 0; k < p; ++k) {
    AppendWord(&out, k);
    AppendWord(&out, to);
  }
  for (std::int64_t w : {std::int64_t{r} + 2, h, std::int64_t{0}, std::int64_t{0}}) AppendWord(&out, w);
  for (std::int64_t k = 0; k < r; ++k)
    for (std::int64_t w : {h + k, std::int64_t{1}, std::int64_t{0}}) AppendWord(&out, w);
  for (std::int64_t w : {h + r, std::int64_t{0}, std::int64_t{0}}) AppendWord(&out, w);
  out.resize(out.size() + static_cast<std::size_t>(r), 0x5A);
  return out;
}

// Rows 1 to rowStates.size() of one byte each under the states given, in a file of stateCount states:
// state s holds s % 4 pairs, its pair k sending event k to chunk (s + k) % rows + 1.
inline Bytes TableOf(const std::vector<std::int32_t>& rowStates, std::int32_t stateCount) {
  const std::int32_t rows = static_cast<std::int32_t>(rowStates.size());
  std::vector<std::int32_t> stateWords;
  for (std::int32_t s = 0; s < stateCount; ++s) {
    stateWords.insert(stateWords.end(), {0, s % 4});
    for (std::int32_t k = 0; k < s % 4; ++k) stateWords.insert(stateWords.end(), {k, (s + k) % rows + 1});
  }
  const std::int32_t h = 16 + 4 * static_cast<std::int32_t>(stateWords.size()) + 12 * (rows + 2);
  std::vector<std::int32_t> rowWords = {h, 0, 0};
  for (std::int32_t r = 0; r < rows; ++r)
    rowWords.insert(rowWords.end(), {h + r, rowStates[static_cast<std::size_t>(r)], 0});
  rowWords.insert(rowWords.end(), {h + rows, 0, 0});
  return MakeOrv(stateCount, stateWords, rowWords, static_cast<std::size_t>(rows));
}

#endif  // ORVTOOL_TESTS_HOSTILE_ORV_H_
