// Solving a copy of a puzzle: each answer's cells in letter order, missing answers without cells,
// and the grid handed in left as it was.
#include <gtest/gtest.h>

#include "core/PuzzleSolution.h"

namespace glimmerset {
namespace {

LetterGrid GridOf(const std::vector<std::string>& rows) {
  LetterGrid grid(static_cast<int>(rows.size()), static_cast<int>(rows.front().size()));
  for (int r = 0; r < grid.RowCount(); ++r)
    for (int c = 0; c < grid.ColCount(); ++c) grid.SetText(c, r, std::string(1, rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
  return grid;
}

TEST(PuzzleSolution, AnswersInListOrderWithTheirCellsInLetterOrder) {
  // CAT across row 0, DOG up column 3, EMU nowhere.
  const LetterGrid grid = GridOf({"CATG", "XXXO", "XXXD"});
  const std::uint64_t revision = grid.Revision();
  const std::vector<AnswerPlace> places = SolvePuzzle(grid, {"CAT", "DOG", "EMU"});
  ASSERT_EQ(places.size(), 3u);
  EXPECT_EQ(places[0].Text, "CAT");
  EXPECT_TRUE(places[0].Present);
  EXPECT_EQ(places[0].Cells, (std::vector<GridPos>{{0, 0}, {0, 1}, {0, 2}}));  // GridPos is {row, col}
  EXPECT_TRUE(places[1].Present);
  EXPECT_EQ(places[1].Cells, (std::vector<GridPos>{{2, 3}, {1, 3}, {0, 3}}));
  EXPECT_FALSE(places[2].Present);
  EXPECT_TRUE(places[2].Cells.empty());
  EXPECT_EQ(grid.Revision(), revision);
}

TEST(PuzzleSolution, AnEmptyListHasNothingToReport) {
  EXPECT_TRUE(SolvePuzzle(GridOf({"AB"}), {}).empty());
}

}  // namespace
}  // namespace glimmerset
