#include "anchor_placement.h"

#include <algorithm>

namespace {

// Rows are cut from the bottom, so the first row stays where it was.
int WholeRowsHeight(int height, Rows rows) {
  if (rows.height <= 0) return height;
  const int count = std::max(1, (height - rows.frame) / rows.height);
  return rows.frame + count * rows.height;
}

}  // namespace

void AnchorPlacement::Add(const Rect& start, Anchors anchors, Rows rows) {
  items_.push_back({start, anchors, rows, false});
}

void AnchorPlacement::AddFrame(const Rect& start) { items_.push_back({start, kStays, Rows(), true}); }

Anchors AnchorPlacement::FrameAnchors(const Rect& frame) const {
  Anchors follows = kStays;
  for (const Item& item : items_) {
    if (item.frame || !Inside(item.start, frame)) continue;
    follows.right = follows.right || item.anchors.right;
    follows.bottom = follows.bottom || item.anchors.bottom;
  }
  return follows;
}

std::vector<Rect> AnchorPlacement::PlacesAt(Extent client) const {
  const int dx = std::max(0, client.width - start_.width);
  const int dy = std::max(0, client.height - start_.height);
  std::vector<Rect> places;
  places.reserve(items_.size());
  for (const Item& item : items_) {
    const Anchors a = item.frame ? FrameAnchors(item.start) : item.anchors;
    Rect b = item.start;
    if (a.left) b.left += dx;
    if (a.right) b.right += dx;
    if (a.top) b.top += dy;
    if (a.bottom) b.bottom += dy;
    b.bottom = b.top + WholeRowsHeight(b.bottom - b.top, item.rows);
    places.push_back(b);
  }
  return places;
}
