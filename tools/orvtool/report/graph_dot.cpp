#include "report/graph_dot.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "count_text.h"
#include "event_table.h"

namespace {

using std::to_string;

// Light fills that tell the events apart; black text stays readable on each.
const char* const kFills[] = {"#cfe2f3", "#f4cccc", "#d9ead3", "#fff2cc", "#d9d2e9", "#fce5cd"};

// A node by number: start, end, an entry by its index, or a row of no entry.
constexpr std::int64_t kStart = -1;
constexpr std::int64_t kEnd = -2;

std::int64_t NodeOf(const OrvFlow& flow, int row) {
  if (row == 0) return kStart;
  if (row == flow.trailingRow()) return kEnd;
  const FlowEntry* entry = flow.EntryOf(row);
  if (entry) return entry->index;
  return static_cast<std::int64_t>(flow.entryCount()) + row;
}

std::string NodeName(const OrvFlow& flow, std::int64_t node) {
  if (node == kStart) return "start";
  if (node == kEnd) return "end";
  const std::int64_t entries = flow.entryCount();
  return node < entries ? "e" + to_string(node) : "r" + to_string(node - entries);
}

std::string ChunkRange(int first, int count) {
  const std::string range = count == 1 ? to_string(first) : to_string(first) + "-" + to_string(first + count - 1);
  return Plural(count, "chunk", "chunks") + " (" + range + ")";
}

std::string EntryNode(const FlowEntry& entry) {
  std::string label = EntryLabel(entry, false);
  label += "\n" + ChunkRange(entry.firstRow, entry.rowCount) + ", " + to_string(entry.bytes) + " bytes";
  std::string node = "  e" + to_string(entry.index) + " [label=" + QuotedText(label);
  if (entry.haveEvent && entry.eventId >= 0)
    node +=
        ", fillcolor=" + QuotedText(kFills[entry.eventId % static_cast<std::int32_t>(sizeof kFills / sizeof *kFills)]);
  return node + "];\n";
}

// What takes an edge: an event, to the target's first chunk or (toChunk >= 0) into it; or the events
// a state does not list; or every event.
struct Label {
  static constexpr std::int32_t kFirstChunk = -1, kAnyOther = -2, kEvery = -3;
  std::int32_t eventId = 0;
  std::int32_t toChunk = kFirstChunk;

  std::uint64_t Key() const {
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(eventId)) << 32 | static_cast<std::uint32_t>(toChunk);
  }
  std::string Text() const {
    if (toChunk == kAnyOther) return "any other event";
    if (toChunk == kEvery) return "every event";
    std::string text = EventLabel(eventId, EventNameIn::kNameOnly);
    if (toChunk >= 0) text += " (to chunk " + to_string(toChunk) + ")";
    return text;
  }
};

// The edges out of one node, in the order first met, each with the labels of what takes it, each once.
class Edges {
 public:
  void Add(std::int64_t from, std::int64_t to, const Label& label, bool fallThrough) {
    const std::uint64_t key = static_cast<std::uint64_t>(from) << 32 ^ static_cast<std::uint32_t>(to);
    auto found = index_.find(key);
    if (found == index_.end()) {
      found = index_.emplace(key, edges_.size()).first;
      edges_.push_back({from, to, true, {}});
    }
    // A label comes again only from another state of the same node, and with the same fallThrough; the
    // repeats are dropped when the edge is written.
    Edge& edge = edges_[found->second];
    edge.labels.push_back(label);
    edge.fallThroughOnly = edge.fallThroughOnly && fallThrough;
  }

  // Writes the edges met so far and forgets them.
  void Flush(const OrvFlow& flow, const TextSink& out) {
    for (const Edge& edge : edges_) {
      // The labels in the order first met, each once, however many pairs a state has.
      std::string label;
      std::unordered_set<std::uint64_t> seen;
      for (const Label& part : edge.labels)
        if (seen.insert(part.Key()).second) label += (label.empty() ? "" : "\n") + part.Text();
      std::string line =
          "  " + NodeName(flow, edge.from) + " -> " + NodeName(flow, edge.to) + " [label=" + QuotedText(label);
      if (edge.fallThroughOnly) line += ", style=dashed";
      out(line + "];\n");
    }
    edges_.clear();
    index_.clear();
  }

 private:
  struct Edge {
    std::int64_t from, to;
    bool fallThroughOnly;
    std::vector<Label> labels;
  };

  std::vector<Edge> edges_;
  std::unordered_map<std::uint64_t, std::size_t> index_;
};

// The edges a row's state gives by its pairs, the first pair of each event only, as the player takes.
void AddPairEdges(const OrvFlow& flow, std::int64_t from, std::int32_t state, Edges* edges) {
  for (const OrvPair& pair : flow.FirstPairsInOrder(state)) {
    Label label;
    label.eventId = pair.eventId;
    const FlowEntry* target = flow.EntryOf(pair.chunkIndex);
    if (target && target->firstRow != pair.chunkIndex) label.toChunk = pair.chunkIndex;
    edges->Add(from, NodeOf(flow, pair.chunkIndex), label, false);
  }
}

}  // namespace

void WriteGraph(const OrvFlow& flow, const std::string& title, const TextSink& out) {
  out("digraph orv {\n  label=" + QuotedText(title) + ";\n  labelloc=t;\n  fontname=\"Helvetica\";\n");
  out("  node [shape=box, style=\"rounded,filled\", fillcolor=\"#eeeeee\", fontname=\"Helvetica\"];\n");
  out("  edge [fontname=\"Helvetica\", fontsize=10];\n");
  out("  start [shape=circle, label=\"start\"];\n  end [shape=doublecircle, label=\"end\"];\n");
  for (const FlowEntry& entry : flow.entries()) out(EntryNode(entry));
  for (int row = 1; row < flow.trailingRow(); ++row) {
    if (flow.EntryOf(row)) continue;
    const std::string label = "row " + to_string(row) + "\nstate " + to_string(flow.Row(row).stateIndex) + ", " +
                              to_string(flow.RowLength(row)) + " bytes";
    out("  r" + to_string(row) + " [label=" + QuotedText(label) + "];\n");
  }

  // The rows of one node come one after another, under a state or two (an entry's last row has its
  // own): each state's pairs are walked once for the node, not once a row. Its edges are whole once
  // the walk leaves it, so they are written then: held for the whole table, the edges of many rows that
  // share one state of many pairs took memory as their product.
  Edges edges;
  std::int64_t node = kEnd;
  std::vector<std::int32_t> walked;
  for (int row = 0; row < flow.trailingRow(); ++row) {
    const std::int64_t from = NodeOf(flow, row);
    const std::int32_t state = flow.StateOf(row);
    if (row == 0 && flow.EveryEventStartsAtRowOne()) {
      edges.Add(from, NodeOf(flow, 1), Label{0, Label::kEvery}, false);
      continue;
    }
    if (from != node) {
      edges.Flush(flow, out);
      node = from;
      walked.clear();
    }
    if (state >= 0 && std::find(walked.begin(), walked.end(), state) == walked.end()) {
      walked.push_back(state);
      AddPairEdges(flow, from, state, &edges);
    }
    // Within an entry the music simply goes on; only at its end does running on lead elsewhere.
    if (NodeOf(flow, row + 1) != from) edges.Add(from, NodeOf(flow, row + 1), Label{0, Label::kAnyOther}, true);
  }
  edges.Flush(flow, out);
  out("}\n");
}
