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
