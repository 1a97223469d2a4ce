#include "report/diff_report.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "count_text.h"
#include "event_table.h"
#include "report/json_stream.h"

namespace {

using std::to_string;

const char* ChangeName(DiffChange change) {
  static const char* const kNames[] = {"same", "added", "removed", "changed"};  // by DiffChange
  return kNames[static_cast<std::size_t>(change)];
}

// The kinds of difference, in the order the reports count them.
constexpr DiffChange kDifferences[] = {DiffChange::kChanged, DiffChange::kAdded, DiffChange::kRemoved};

// `2 pieces changed, 1 added` and the like, leaving out what did not happen.
std::string Tally(const char* one, const char* many, const ChangeCounts& counts) {
  std::string out;
  for (DiffChange change : kDifferences) {
    const std::int64_t n = counts[change];
    if (n == 0) continue;
    out += out.empty() ? Plural(n, one, many) : ", " + to_string(n);
    out += std::string(" ") + ChangeName(change);
  }
  return out;
}

// `piecesChanged`: a count's JSON key.
std::string CountKey(const std::string& what, DiffChange change) {
  std::string name = ChangeName(change);
  name[0] = static_cast<char>(name[0] - 'a' + 'A');
  return what + name;
}

class DiffTextReport : public DiffSink {
 public:
  DiffTextReport(const TextSink& out, const std::string& oldPath, const std::string& newPath) : out_(out) {
    Line("old: " + oldPath);
    Line("new: " + newPath);
    Line("pieces:");
    lines_ = 0;
  }

  void Piece(const PieceDiff& piece) override {
    std::string line = "  " + piece.label + ": ";
    if (piece.change == DiffChange::kAdded || piece.change == DiffChange::kRemoved) {
      const FlowPiece& side = piece.either();
      line += std::string(ChangeName(piece.change)) + ", " + Plural(side.bytes, "byte", "bytes") + " in " +
              Plural(side.rowCount, "chunk", "chunks");
    } else {
      line += "in both, bytes " + to_string(piece.oldSide->bytes) + " -> " + to_string(piece.newSide->bytes) +
              ", chunks " + to_string(piece.oldSide->rowCount) + " -> " + to_string(piece.newSide->rowCount) +
              (piece.payloadSame ? ", payload the same" : ", payload changed");
      // The same bytes in as many chunks can still be cut at other places.
      if (piece.payloadSame && piece.change == DiffChange::kChanged) line += ", cut into other chunks";
    }
    Line(line);
  }

  void Transitions() override {
    if (lines_ == 0) Line("  (none)");
    Line("transitions:");
    lines_ = 0;
  }

  // `a state shared by 2 places (row 1 at its end; row 2 at its end):`, its transitions indented below.
  // Piece labels may hold commas, so the places are parted by semicolons.
  void Shared(const SharedState& state) override {
    std::string line =
        "  a state shared by " + Plural(static_cast<std::int64_t>(state.places.size()), "place", "places") + " (";
    for (std::size_t i = 0; i < state.places.size(); ++i)
      line += (i == 0 ? "" : "; ") + PlaceName(state.places[i].place, state.places[i].piece);
    Line(line + "):");
  }

  void Transition(const TransitionDiff& t) override {
    const std::string event = t.anyOtherEvent ? "any other event" : EventLabel(t.eventId);
    auto target = [](const std::string& text) { return text.empty() ? std::string("(none)") : text; };
    // A shared state's lines stand under it, its places named there.
    const std::string lead = t.sharedState >= 0 ? "    " + std::string(ChangeName(t.change)) + ": "
                                                : "  " + std::string(ChangeName(t.change)) + ": " + PlaceName(t) + ", ";
    Line(lead + event + ": " + target(t.oldTarget) + " -> " + target(t.newTarget));
  }

  void End(const DiffCounts& c) override {
    if (lines_ == 0) Line("  (none changed)");
    if (c.Same()) {
      Line("the same for the game");
      return;
    }
    std::string pieces = Tally("piece", "pieces", c.pieces);
    const std::string transitions = Tally("transition", "transitions", c.transitions);
    if (!pieces.empty() && !transitions.empty()) pieces += "; ";
    Line("different for the game: " + pieces + transitions);
  }

 private:
  void Line(const std::string& text) {
    out_(text + "\n");
    ++lines_;
  }

  TextSink out_;
  int lines_ = 0;  // since the heading of the section
};

Json Side(const std::optional<FlowPiece>& side) {
  if (!side) return Json();
  return {{"bytes", side->bytes}, {"chunks", side->rowCount}};
}

// Writes one object whose arrays are filled an element at a time: only the element in hand is ever a
// tree in memory, and each goes out whole, so a diff stopped by a payload it cannot read has given
// every piece before it.
class DiffJsonReport : public DiffSink {
 public:
  DiffJsonReport(const TextSink& out, const std::string& oldPath, const std::string& newPath) : json_(out) {
    json_.OpenObject();
    json_.Key("old").Value(oldPath);
    json_.Key("new").Value(newPath);
    json_.Key("pieces").OpenArray();
  }

  void Piece(const PieceDiff& piece) override {
    const bool inBoth = piece.oldSide && piece.newSide;
    const FlowPiece& either = piece.either();
    const char* name = either.haveEvent ? EventName(either.eventId) : nullptr;
    json_.Value({{"piece", piece.label},
                 {"event", either.haveEvent ? Json(either.eventId) : Json()},
                 {"eventName", name != nullptr ? Json(name) : Json()},
                 {"kind", either.haveEvent ? Json(either.loop ? "Loop" : "Begin") : Json()},
                 {"change", ChangeName(piece.change)},
                 {"old", Side(piece.oldSide)},
                 {"new", Side(piece.newSide)},
                 {"payload", inBoth ? Json(piece.payloadSame ? "same" : "changed") : Json()}});
    json_.Flush();
  }

  void Transitions() override {
    json_.Close();
    json_.Key("transitions").OpenArray();
  }

  // Kept for the end, where they follow the transitions that name them.
  void Shared(const SharedState& state) override { shared_.push_back(state); }

  void Transition(const TransitionDiff& t) override {
    const char* name = t.anyOtherEvent ? nullptr : EventName(t.eventId);
    auto target = [](const std::string& text) { return text.empty() ? Json() : Json(text); };
    const bool shared = t.sharedState >= 0;
    Json element = {{"change", ChangeName(t.change)},
                    {"at", shared ? Json() : Json(PlaceName(t))},
                    {"piece", shared || t.piece.empty() ? Json() : Json(t.piece)}};
    // Only where a state is shared, so every other report keeps its keys.
    if (shared) element["sharedState"] = t.sharedState;
    element["event"] = t.anyOtherEvent ? Json() : Json(t.eventId);
    element["eventName"] = name != nullptr ? Json(name) : Json();
    element["anyOtherEvent"] = t.anyOtherEvent;
    element["old"] = target(t.oldTarget);
    element["new"] = target(t.newTarget);
    json_.Value(element);
    json_.Flush();
  }

  void End(const DiffCounts& c) override {
    json_.Close();
    if (!shared_.empty()) {
      json_.Key("sharedStates").OpenArray();
      for (const SharedState& state : shared_) {
        Json places = Json::array();
        for (const SharedState::Place& place : state.places)
          places.push_back({{"at", PlaceName(place.place, place.piece)},
                            {"piece", place.piece.empty() ? Json() : Json(place.piece)}});
        json_.Value({{"places", std::move(places)}});
        json_.Flush();
      }
      json_.Close();
    }
    Json counts = {{"piecesSame", c.pieces[DiffChange::kSame]}};
    for (DiffChange change : kDifferences) counts[CountKey("pieces", change)] = c.pieces[change];
    for (DiffChange change : kDifferences) counts[CountKey("transitions", change)] = c.transitions[change];
    json_.Key("counts").Value(counts);
    json_.Key("same").Value(c.Same());
    json_.Close();
  }

 private:
  JsonStream json_;
  std::vector<SharedState> shared_;
};

}  // namespace

std::string PlaceName(DiffPlace place, const std::string& piece) {
  if (place == DiffPlace::kStart) return "the start";
  return piece + (place == DiffPlace::kAtEnd ? " at its end" : " between its chunks");
}

std::string PlaceName(const TransitionDiff& transition) { return PlaceName(transition.place, transition.piece); }

std::unique_ptr<DiffSink> MakeTextDiffReport(const TextSink& out, const std::string& oldPath,
                                             const std::string& newPath) {
  return std::make_unique<DiffTextReport>(out, oldPath, newPath);
}

std::unique_ptr<DiffSink> MakeJsonDiffReport(const TextSink& out, const std::string& oldPath,
                                             const std::string& newPath) {
  return std::make_unique<DiffJsonReport>(out, oldPath, newPath);
}
