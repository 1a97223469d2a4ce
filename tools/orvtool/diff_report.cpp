#include "diff_report.h"

#include "event_table.h"
#include "report_json.h"

namespace {

using std::to_string;

const char* ChangeName(DiffChange change) {
  switch (change) {
    case DiffChange::kSame:
      return "same";
    case DiffChange::kAdded:
      return "added";
    case DiffChange::kRemoved:
      return "removed";
    case DiffChange::kChanged:
      return "changed";
  }
  return "";
}

// `2 pieces changed, 1 added` and the like, leaving out what did not happen.
std::string Tally(const char* one, const char* many, int changed, int added, int removed) {
  const std::pair<int, const char*> parts[] = {{changed, "changed"}, {added, "added"}, {removed, "removed"}};
  std::string out;
  for (const auto& [n, what] : parts) {
    if (n == 0) continue;
    out += out.empty() ? Plural(n, one, many) : ", " + to_string(n);
    out += std::string(" ") + what;
  }
  return out;
}

class TextReport : public DiffSink {
 public:
  TextReport(const TextSink& out, const std::string& oldPath, const std::string& newPath) : out_(out) {
    Line("old: " + oldPath);
    Line("new: " + newPath);
    Line("pieces:");
    lines_ = 0;
  }

  void Piece(const PieceDiff& piece) override {
    std::string line = "  " + piece.label + ": ";
    if (piece.change == DiffChange::kAdded || piece.change == DiffChange::kRemoved) {
      const PieceSide& side = piece.change == DiffChange::kAdded ? piece.newSide : piece.oldSide;
      line += std::string(ChangeName(piece.change)) + ", " + Plural(side.bytes, "byte", "bytes") + " in " +
              Plural(side.rowCount, "chunk", "chunks");
    } else {
      line += "in both, bytes " + to_string(piece.oldSide.bytes) + " -> " + to_string(piece.newSide.bytes) +
              ", chunks " + to_string(piece.oldSide.rowCount) + " -> " + to_string(piece.newSide.rowCount) +
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

  void Transition(const TransitionDiff& t) override {
    const std::string event = t.anyOtherEvent ? "any other event" : EventLabel(t.eventId);
    auto target = [](const std::string& text) { return text.empty() ? std::string("(none)") : text; };
    Line("  " + std::string(ChangeName(t.change)) + ": " + PlaceName(t) + ", " + event + ": " + target(t.oldTarget) +
         " -> " + target(t.newTarget));
  }

  void End(const DiffCounts& c) override {
    if (lines_ == 0) Line("  (none changed)");
    if (c.Same()) {
      Line("the same for the game");
      return;
    }
    std::string pieces = Tally("piece", "pieces", c.piecesChanged, c.piecesAdded, c.piecesRemoved);
    const std::string transitions =
        Tally("transition", "transitions", c.transitionsChanged, c.transitionsAdded, c.transitionsRemoved);
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

Json Side(const PieceSide& side) {
  if (!side.present) return Json();
  return {{"bytes", side.bytes}, {"chunks", side.rowCount}};
}

// Writes one object whose arrays are filled an element at a time: only the element in hand is ever a
// tree in memory, and each goes out whole, so a diff stopped by a payload it cannot read has given
// every piece before it.
class JsonReport : public DiffSink {
 public:
  JsonReport(const TextSink& out, const std::string& oldPath, const std::string& newPath) : json_(out) {
    json_.OpenObject();
    json_.Key("old").Value(oldPath);
    json_.Key("new").Value(newPath);
    json_.Key("pieces").OpenArray();
  }

  void Piece(const PieceDiff& piece) override {
    const bool inBoth = piece.oldSide.present && piece.newSide.present;
    json_.Value({{"piece", piece.label},
                 {"event", piece.haveEvent ? Json(piece.eventId) : Json()},
                 {"eventName", piece.haveEvent && EventName(piece.eventId) ? Json(EventName(piece.eventId)) : Json()},
                 {"kind", piece.haveEvent ? Json(piece.loop ? "Loop" : "Begin") : Json()},
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

  void Transition(const TransitionDiff& t) override {
    const char* name = t.anyOtherEvent ? nullptr : EventName(t.eventId);
    auto target = [](const std::string& text) { return text.empty() ? Json() : Json(text); };
    json_.Value({{"change", ChangeName(t.change)},
                 {"at", PlaceName(t)},
                 {"piece", t.piece.empty() ? Json() : Json(t.piece)},
                 {"event", t.anyOtherEvent ? Json() : Json(t.eventId)},
                 {"eventName", name != nullptr ? Json(name) : Json()},
                 {"anyOtherEvent", t.anyOtherEvent},
                 {"old", target(t.oldTarget)},
                 {"new", target(t.newTarget)}});
    json_.Flush();
  }

  void End(const DiffCounts& c) override {
    json_.Close();
    json_.Key("counts").Value({{"piecesSame", c.piecesSame},
                               {"piecesChanged", c.piecesChanged},
                               {"piecesAdded", c.piecesAdded},
                               {"piecesRemoved", c.piecesRemoved},
                               {"transitionsChanged", c.transitionsChanged},
                               {"transitionsAdded", c.transitionsAdded},
                               {"transitionsRemoved", c.transitionsRemoved}});
    json_.Key("same").Value(c.Same());
    json_.Close();
  }

 private:
  JsonStream json_;
};

}  // namespace

std::string PlaceName(const TransitionDiff& transition) {
  switch (transition.place) {
    case DiffPlace::kStart:
      return "the start";
    case DiffPlace::kBetweenChunks:
      return transition.piece + " between its chunks";
    case DiffPlace::kAtEnd:
      return transition.piece + " at its end";
  }
  return "";
}

std::unique_ptr<DiffSink> MakeTextDiffReport(const TextSink& out, const std::string& oldPath,
                                             const std::string& newPath) {
  return std::make_unique<TextReport>(out, oldPath, newPath);
}

std::unique_ptr<DiffSink> MakeJsonDiffReport(const TextSink& out, const std::string& oldPath,
                                             const std::string& newPath) {
  return std::make_unique<JsonReport>(out, oldPath, newPath);
}
