#include "orv_graph.h"

#include <map>
#include <set>
#include <unordered_set>
#include <utility>
#include <vector>

#include "quoted_text.h"

namespace {

using std::to_string;

// Light fills that tell the events apart; black text stays readable on each.
const char* const kFills[] = {"#cfe2f3", "#f4cccc", "#d9ead3", "#fff2cc", "#d9d2e9", "#fce5cd"};

std::string NodeOf(const OrvFlow& flow, int row) {
  if (row == 0) return "start";
  if (row == flow.trailingRow()) return "end";
  const FlowEntry* entry = flow.EntryOf(row);
  if (entry != nullptr) return "e" + to_string(entry - flow.entries().data());
  return "r" + to_string(row);
}

std::string Rows(int first, int count) {
  const std::string range = count == 1 ? to_string(first) : to_string(first) + "-" + to_string(first + count - 1);
  return to_string(count) + (count == 1 ? " chunk (" : " chunks (") + range + ")";
}

std::string EntryNode(const FlowEntry& entry, std::size_t index) {
  std::string label = EntryLabel(entry, false);
  label += "\n" + Rows(entry.firstRow, entry.rowCount) + ", " + to_string(entry.bytes) + " bytes";
  std::string node = "  e" + to_string(index) + " [label=" + QuotedText(label);
  if (entry.haveEvent && entry.eventId >= 0)
    node +=
        ", fillcolor=" + QuotedText(kFills[entry.eventId % static_cast<std::int32_t>(sizeof kFills / sizeof *kFills)]);
  return node + "];\n";
}

// Edges between two nodes, in the order first met, each with the labels of what takes it.
class Edges {
 public:
  void Add(const std::string& from, const std::string& to, const std::string& label, bool fallThrough) {
    const auto key = std::make_pair(from, to);
    auto found = index_.find(key);
    if (found == index_.end()) {
      found = index_.emplace(key, edges_.size()).first;
      edges_.push_back({from, to, {}, true});
    }
    Edge& edge = edges_[found->second];
    if (!edge.labelSet.insert(label).second) return;
    edge.labels.push_back(label);
    edge.fallThroughOnly = edge.fallThroughOnly && fallThrough;
  }

  std::string Dot() const {
    std::string out;
    for (const Edge& edge : edges_) {
      std::string label;
      for (const std::string& part : edge.labels) label += (label.empty() ? "" : "\n") + part;
      out += "  " + edge.from + " -> " + edge.to + " [label=" + QuotedText(label);
      if (edge.fallThroughOnly) out += ", style=dashed";
      out += "];\n";
    }
    return out;
  }

 private:
  struct Edge {
    std::string from, to;
    std::vector<std::string> labels;
    bool fallThroughOnly;
    std::unordered_set<std::string> labelSet = {};
  };
  std::vector<Edge> edges_;
  std::map<std::pair<std::string, std::string>, std::size_t> index_;
};

}  // namespace

std::string GraphOrv(const OrvFlow& flow, const std::string& title) {
  const OrvLayout& layout = flow.layout();
  std::string out = "digraph orv {\n  label=" + QuotedText(title) + ";\n  labelloc=t;\n  fontname=\"Helvetica\";\n";
  out += "  node [shape=box, style=\"rounded,filled\", fillcolor=\"#eeeeee\", fontname=\"Helvetica\"];\n";
  out += "  edge [fontname=\"Helvetica\", fontsize=10];\n";
  out += "  start [shape=circle, label=\"start\"];\n  end [shape=doublecircle, label=\"end\"];\n";
  for (std::size_t i = 0; i < flow.entries().size(); ++i) out += EntryNode(flow.entries()[i], i);
  for (int row = 1; row < flow.trailingRow(); ++row) {
    if (flow.EntryOf(row) != nullptr) continue;
    const std::string label = "row " + to_string(row) + "\nstate " +
                              to_string(layout.rows[static_cast<std::size_t>(row)].stateIndex) + ", " +
                              to_string(flow.RowLength(row)) + " bytes";
    out += "  r" + to_string(row) + " [label=" + QuotedText(label) + "];\n";
  }

  Edges edges;
  // Rows of one node under one state give the same edges by their pairs: each such pair is walked once.
  std::set<std::pair<std::string, std::int32_t>> walked;
  for (int row = 0; row < flow.trailingRow(); ++row) {
    const std::string from = NodeOf(flow, row);
    const std::int32_t stateIndex = layout.rows[static_cast<std::size_t>(row)].stateIndex;
    if (row == 0 && flow.EveryEventStartsAtRowOne()) {
      edges.Add(from, NodeOf(flow, 1), "every event", false);
      continue;
    }
    if (static_cast<std::size_t>(stateIndex) < layout.states.size() && walked.emplace(from, stateIndex).second) {
      const std::vector<OrvPair>& pairs = layout.states[static_cast<std::size_t>(stateIndex)].pairs;
      for (std::size_t k = 0; k < pairs.size(); ++k) {
        const OrvPair& pair = pairs[k];
        // The player takes the first pair for an event; a later one is never followed.
        if (flow.FirstPair(static_cast<std::size_t>(stateIndex), pair.eventId) != static_cast<int>(k)) continue;
        std::string label = EventShortName(pair.eventId);
        const FlowEntry* target = flow.EntryOf(pair.chunkIndex);
        if (target != nullptr && target->firstRow != pair.chunkIndex)
          label += " (to chunk " + to_string(pair.chunkIndex) + ")";
        edges.Add(from, NodeOf(flow, pair.chunkIndex), label, false);
      }
    }
    // Within an entry the music simply goes on; only at its end does running on lead elsewhere.
    if (NodeOf(flow, row + 1) != from) edges.Add(from, NodeOf(flow, row + 1), "any other event", true);
  }
  return out + edges.Dot() + "}\n";
}
