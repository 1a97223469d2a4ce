// The anchor placement: which edges follow the dialog as it grows, a frame that follows what it holds,
// lists cut to whole rows, and a dialog never placed smaller than it started.
#include "anchor_placement.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> Edges(const Rect& b) { return {b.left, b.top, b.right, b.bottom}; }

TEST(AnchorPlacementTest, EdgesFollowTheFarSideFramesTheirContentsListsWholeRows) {
  AnchorPlacement placement({300, 200});
  placement.AddFrame({5, 5, 150, 160});                       // 0: holds 1 and 2
  placement.Add({10, 10, 140, 95}, kGrowsDown, Rows{4, 13});  // 1: six rows of 13 and 3 over
  placement.Add({10, 140, 60, 155}, kKeepsDown);              // 2
  placement.Add({160, 10, 250, 24}, kWidens);                 // 3
  placement.Add({254, 10, 290, 24}, kKeepsRight);             // 4
  placement.Add({240, 170, 290, 185}, kKeepsDownRight);       // 5
  placement.Add({10, 190, 290, 198}, kWidensAtFoot);          // 6
  placement.AddFrame({160, 30, 200, 60});                     // 7: holds nothing

  const std::vector<Rect> start = placement.PlacesAt({300, 200});
  EXPECT_EQ(Edges(start[1]), (std::vector<int>{10, 10, 140, 92})) << "cut to six whole rows";
  // Smaller than the start, either way, places as the start does.
  for (const Extent small : {Extent{0, 0}, Extent{300, 100}, Extent{120, 200}}) {
    const std::vector<Rect> places = placement.PlacesAt(small);
    for (size_t i = 0; i < places.size(); ++i) EXPECT_EQ(Edges(places[i]), Edges(start[i])) << i;
  }

  const std::vector<Rect> grown = placement.PlacesAt({400, 260});
  EXPECT_EQ(Edges(grown[0]), (std::vector<int>{5, 5, 150, 220}));
  EXPECT_EQ(Edges(grown[1]), (std::vector<int>{10, 10, 140, 144})) << "ten whole rows in the 145 it may take";
  EXPECT_EQ(Edges(grown[2]), (std::vector<int>{10, 200, 60, 215}));
  EXPECT_EQ(Edges(grown[3]), (std::vector<int>{160, 10, 350, 24}));
  EXPECT_EQ(Edges(grown[4]), (std::vector<int>{354, 10, 390, 24}));
  EXPECT_EQ(Edges(grown[5]), (std::vector<int>{340, 230, 390, 245}));
  EXPECT_EQ(Edges(grown[6]), (std::vector<int>{10, 250, 390, 258}));
  EXPECT_EQ(Edges(grown[7]), Edges(start[7]));

  // Grown one way only, the other edges stay.
  EXPECT_EQ(Edges(placement.PlacesAt({300, 260})[5]), (std::vector<int>{240, 230, 290, 245}));
  EXPECT_EQ(Edges(placement.PlacesAt({400, 200})[5]), (std::vector<int>{340, 170, 390, 185}));
}

}  // namespace
