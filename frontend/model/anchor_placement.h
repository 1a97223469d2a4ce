// Where the controls of a dialog go when the user makes it larger: each edge of a control either stays
// where the starting size put it or keeps its distance to the dialog's far edge (right, bottom). A
// frame (a group box) follows what it holds, and a list can be held to whole rows.
#ifndef ORV_FRONTEND_MODEL_ANCHOR_PLACEMENT_H_
#define ORV_FRONTEND_MODEL_ANCHOR_PLACEMENT_H_

#include <vector>

#include "rect.h"

struct Extent {
  int width, height;
};

// Which edges move with the dialog's far edges as it grows.
struct Anchors {
  bool left, top, right, bottom;
};

constexpr Anchors kStays = {false, false, false, false};
constexpr Anchors kWidens = {false, false, true, false};
constexpr Anchors kKeepsRight = {true, false, true, false};
constexpr Anchors kKeepsDown = {false, true, false, true};
constexpr Anchors kKeepsDownRight = {true, true, true, true};
constexpr Anchors kWidensAtFoot = {false, true, true, true};
constexpr Anchors kGrowsDown = {false, false, false, true};

// A list whose height is its frame (borders) and a whole number of rows, at least one.
struct Rows {
  int frame = 0;
  int height = 0;  // of one row; 0 for a control that is not held to rows
};

class AnchorPlacement {
 public:
  // The dialog's client size at start: the smallest it places controls for.
  explicit AnchorPlacement(Extent start) : start_(start) {}

  // Controls and frames, as placed at the starting size; the places come back in this order.
  void Add(const Rect& start, Anchors anchors, Rows rows = Rows());
  // A frame's right and bottom edges follow those of the controls that lie wholly inside it.
  void AddFrame(const Rect& start);

  // Every place at this client size; a size smaller than the start places them as the start does.
  std::vector<Rect> PlacesAt(Extent client) const;

 private:
  struct Item {
    Rect start;
    Anchors anchors;
    Rows rows;
    bool frame;
  };
  Anchors FrameAnchors(const Rect& frame) const;

  Extent start_;
  std::vector<Item> items_;
};

#endif  // ORV_FRONTEND_MODEL_ANCHOR_PLACEMENT_H_
