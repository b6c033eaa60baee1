#include <gtest/gtest.h>

#include "core/LetterGrid.h"

namespace glimmerset {
namespace {

TEST(LetterGridTest, ResizeKeepsCellsInPlaceAndDropsThoseOutside) {
  LetterGrid grid(2, 3);
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 3; ++c) grid.SetText(c, r, std::string(1, static_cast<char>('A' + r * 3 + c)));
  grid.SetRecord(2, 1, Tspec{});

  grid.SetSize(3, 2);
  EXPECT_EQ(grid.RowText(0), "AB");
  EXPECT_EQ(grid.RowText(1), "DE");
  EXPECT_EQ(grid.RowText(2), "");
  EXPECT_EQ(grid.Record(1, 2), nullptr);

  grid.SetColCount(4);
  EXPECT_EQ(grid.RowText(1), "DE");  // the dropped column does not come back
  EXPECT_EQ(grid.Text(2, 1), "");
}

TEST(LetterGridTest, CountsBelowOneAndOutsidePositions) {
  LetterGrid grid(0, -5);
  EXPECT_EQ(grid.RowCount(), 1);
  EXPECT_EQ(grid.ColCount(), 1);
  grid.SetText(5, 5, "X");
  EXPECT_EQ(grid.Text(5, 5), "");
  EXPECT_EQ(grid.Text(-1, 0), "");
  EXPECT_EQ(grid.Record(-1, -1), nullptr);
}

}  // namespace
}  // namespace glimmerset

namespace glimmerset {
namespace {

// HoldsLetter must agree with the cell texts through every kind of change.
TEST(LetterGridTest, HoldsLetterFollowsTextsThroughResizes) {
  LetterGrid grid(2, 3);
  grid.SetText(0, 0, "A");
  grid.SetText(1, 0, "ab");
  grid.SetText(2, 1, "c");
  const auto agrees = [&grid] {
    for (int r = -1; r <= grid.RowCount(); ++r)
      for (int c = -1; c <= grid.ColCount(); ++c)
        for (char letter : {'A', 'a', 'c', 'C', 'Z'}) {
          const bool expected = grid.Text(c, r) == std::string(1, letter);
          if (grid.HoldsLetter(c, r, letter) != expected) return false;
        }
    return true;
  };
  EXPECT_TRUE(grid.HoldsLetter(0, 0, 'A'));
  EXPECT_FALSE(grid.HoldsLetter(1, 0, 'a')) << "a text of two letters is no letter";
  EXPECT_TRUE(agrees());
  grid.SetSize(3, 3);
  grid.SetText(1, 2, "Z");
  EXPECT_TRUE(agrees());
  grid.SetSize(3, 2);
  EXPECT_TRUE(agrees());
  grid.SetSize(1, 5);
  EXPECT_TRUE(agrees());
  EXPECT_FALSE(grid.HoldsLetter(2, 1, 'c'));
  grid.SetText(0, 0, "");
  EXPECT_FALSE(grid.HoldsLetter(0, 0, '\0'));
  EXPECT_TRUE(agrees());
}

}  // namespace
}  // namespace glimmerset
