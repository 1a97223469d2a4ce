// The anchor layout: which edges follow the dialog as it grows, frames that follow what they hold,
// lists held to whole rows, and a dialog never laid out smaller than it started.
#include "anchor_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

bool Same(const Box& a, const Box& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

::testing::AssertionResult Is(const Box& got, const Box& want) {
  if (Same(got, want)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "(" << got.left << "," << got.top << ")-(" << got.right << "," << got.bottom
                                       << "), want (" << want.left << "," << want.top << ")-(" << want.right << ","
                                       << want.bottom << ")";
}

TEST(AnchorLayout, EachEdgeStaysOrKeepsItsDistanceToTheFarEdge) {
  AnchorLayout layout({300, 200});
  layout.Add({10, 10, 50, 20}, kStays);
  layout.Add({60, 10, 250, 24}, kWidens);
  layout.Add({254, 10, 290, 24}, kKeepsRight);
  layout.Add({10, 170, 60, 185}, kKeepsDown);
  layout.Add({240, 170, 290, 185}, kKeepsDownRight);
  layout.Add({10, 190, 290, 198}, kWidensAtFoot);
  layout.Add({10, 30, 50, 160}, kGrowsDown);

  const std::vector<Box> grown = layout.PlacesAt({400, 260});
  ASSERT_EQ(grown.size(), 7u);
  EXPECT_TRUE(Is(grown[0], {10, 10, 50, 20}));
  EXPECT_TRUE(Is(grown[1], {60, 10, 350, 24}));
  EXPECT_TRUE(Is(grown[2], {354, 10, 390, 24}));
  EXPECT_TRUE(Is(grown[3], {10, 230, 60, 245}));
  EXPECT_TRUE(Is(grown[4], {340, 230, 390, 245}));
  EXPECT_TRUE(Is(grown[5], {10, 250, 390, 258}));
  EXPECT_TRUE(Is(grown[6], {10, 30, 50, 220}));

  // Smaller than the start, in either direction or both, lays out as the start.
  for (const Extent small : {Extent{300, 200}, Extent{120, 80}, Extent{0, 0}, Extent{300, 100}}) {
    const std::vector<Box> places = layout.PlacesAt(small);
    EXPECT_TRUE(Is(places[1], {60, 10, 250, 24}));
    EXPECT_TRUE(Is(places[4], {240, 170, 290, 185}));
  }
  // Grown one way only, the other edges stay.
  EXPECT_TRUE(Is(layout.PlacesAt({300, 260})[4], {240, 230, 290, 245}));
  EXPECT_TRUE(Is(layout.PlacesAt({400, 150})[4], {340, 170, 390, 185}));
}

TEST(AnchorLayout, AFrameFollowsTheEdgesOfWhatItHolds) {
  AnchorLayout layout({300, 200});
  layout.AddFrame({5, 5, 100, 150});  // holds a list that grows down
  layout.Add({10, 10, 90, 120}, kGrowsDown);
  layout.Add({10, 125, 60, 140}, kKeepsDown);
  layout.AddFrame({105, 5, 295, 150});  // holds a box that widens, and a control outside it does not count
  layout.Add({110, 10, 290, 24}, kWidens);
  layout.Add({110, 160, 290, 170}, kKeepsDownRight);
  layout.AddFrame({10, 175, 40, 195});  // holds nothing: stays

  const std::vector<Box> places = layout.PlacesAt({350, 240});
  EXPECT_TRUE(Is(places[0], {5, 5, 100, 190}));
  EXPECT_TRUE(Is(places[3], {105, 5, 345, 150}));
  EXPECT_TRUE(Is(places[6], {10, 175, 40, 195}));
}

TEST(AnchorLayout, AListIsCutToWholeRowsFromItsFoot) {
  AnchorLayout layout({300, 200});
  // Borders of 4 and rows of 13: 85 holds six rows and 3 over.
  layout.Add({10, 10, 100, 95}, kStays, Rows{4, 13});
  layout.Add({110, 10, 200, 95}, kGrowsDown, Rows{4, 13});
  layout.Add({210, 10, 290, 12}, kStays, Rows{4, 13});  // too low for one row: still one

  std::vector<Box> places = layout.PlacesAt({300, 200});
  EXPECT_TRUE(Is(places[0], {10, 10, 100, 92}));
  EXPECT_TRUE(Is(places[1], {110, 10, 200, 92}));
  EXPECT_TRUE(Is(places[2], {210, 10, 290, 27}));
  // Grown by 9, the list still holds six; by 10, seven.
  EXPECT_TRUE(Is(layout.PlacesAt({300, 209})[1], {110, 10, 200, 92}));
  EXPECT_TRUE(Is(layout.PlacesAt({300, 210})[1], {110, 10, 200, 105}));
  EXPECT_TRUE(Is(layout.PlacesAt({300, 210})[0], {10, 10, 100, 92}));
}

}  // namespace
