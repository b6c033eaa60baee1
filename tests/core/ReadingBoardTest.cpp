#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ReadingBoard.h"

namespace glimmerset {
namespace {

std::vector<AnswerLine> Answers(const std::vector<std::string>& words) {
  std::vector<AnswerLine> answers;
  for (const auto& w : words) answers.push_back(AnswerLine{w, std::nullopt});
  return answers;
}

LetterGrid Grid(const std::vector<std::string>& rows) {
  LetterGrid grid(static_cast<int>(rows.size()), static_cast<int>(rows.front().size()));
  for (int r = 0; r < grid.RowCount(); ++r)
    for (int c = 0; c < grid.ColCount(); ++c) grid.SetText(c, r, std::string(1, rows[r][c]));
  return grid;
}

std::vector<std::string> Rows(const ReadingBoard& board) {
  std::vector<std::string> rows;
  for (int r = 0; r < board.Rows(); ++r) {
    std::string line;
    for (int c = 0; c < board.Cols(); ++c) line += board.Letter(c, r);
    rows.push_back(line);
  }
  return rows;
}

struct Placing {
  std::string word;
  Segment cells;
  int n;
  bool placed;
};

// Placements one after the other on a grid of free cells, each refused or written as expected.
TEST(ReadingBoardTest, PlacementsThatSpellAnAnswerTwiceAreRefused) {
  struct Case {
    const char* name;
    std::vector<std::string> rows, answers;
    std::vector<Placing> placings;
    std::vector<std::string> after;
  };
  const std::vector<Case> cases = {
      // AT under the C would make column 0 read C, A, T: a second CAT.
      {"SecondReadingOfAPlacedAnswer",
       {"QQQ", "QQQ", "QQQ"},
       {"CAT", "AT"},
       {{"CAT", {0, 0, 1, 0, 3}, 1, true}, {"AT", {0, 1, 0, 1, 2}, 2, false}, {"AT", {0, 2, 1, 0, 2}, 2, true}},
       {"CAT", "QQQ", "ATQ"}},
      // The same, read upwards.
      {"SecondReadingBackwards",
       {"QQQ", "QQQ", "QQQ"},
       {"CAT", "TA"},
       {{"CAT", {0, 2, 1, 0, 3}, 1, true}, {"TA", {0, 0, 0, 1, 2}, 2, false}},
       {"QQQ", "QQQ", "CAT"}},
      // AB and CD spell AC down column 0, so AC may lie only there.
      {"AnswerAlreadySpelledByOthers",
       {"QQQQ", "QQQQ", "QQQQ"},
       {"AB", "CD", "AC"},
       {{"AB", {0, 0, 1, 0, 2}, 1, true},
        {"CD", {0, 1, 1, 0, 2}, 2, true},
        {"AC", {3, 0, 0, 1, 2}, 3, false},
        {"AC", {0, 0, 0, 1, 2}, 3, true}},
       {"ABQQ", "CDQQ", "QQQQ"}},
      // A diagonal through placed letters counts as well.
      {"SecondReadingOnADiagonal",
       {"QQQ", "QQQ", "QQQ"},
       {"CAT", "TA", "XYZ"},
       {{"CAT", {0, 0, 1, 0, 3}, 1, true}, {"TA", {2, 2, -1, -1, 2}, 2, false}, {"TA", {0, 2, 1, 0, 2}, 2, true}},
       {"CAT", "QQQ", "TAQ"}},
      // Letters that run on from the word's own line can spell a second reading too: after CAT,
      // the row would read ATA twice.
      {"SecondReadingAlongTheWordsLine",
       {"QQQQQQ", "QQQQQQ"},
       {"CAT", "ATA"},
       {{"CAT", {0, 0, 1, 0, 3}, 1, true}, {"ATA", {3, 0, 1, 0, 3}, 2, false}, {"ATA", {0, 1, 1, 0, 3}, 2, true}},
       {"CATQQQ", "ATAQQQ"}},
      // A palindrome reads both ways in its own cells: that is one reading.
      {"PalindromeReadsOnce", {"QQQQQ"}, {"ABA", "LEVEL"}, {{"ABA", {0, 0, 1, 0, 3}, 1, true}}, {"ABAQQ"}},
      {"PalindromeReadBackwards", {"QQQQQ"}, {"LEVEL"}, {{"LEVEL", {4, 0, -1, 0, 5}, 1, true}}, {"LEVEL"}},
      // An answer that is part of a longer one reads inside it, and may still be placed.
      {"PartOfALongerAnswer",
       {"QQQQ", "QQQQ", "QQQQ"},
       {"CATS", "CAT"},
       {{"CATS", {0, 0, 1, 0, 4}, 1, true}, {"CAT", {2, 2, -1, 0, 3}, 2, true}},
       {"CATS", "QQQQ", "TACQ"}},
  };
  for (const Case& c : cases) {
    const LetterGrid grid = Grid(c.rows);
    ReadingBoard board;
    board.Load(grid, Answers(c.answers));
    for (const Placing& p : c.placings)
      EXPECT_EQ(board.Place(p.word, p.cells, p.n), p.placed) << c.name << " " << p.word;
    EXPECT_EQ(Rows(board), c.after) << c.name;
  }
}

TEST(ReadingBoardTest, RefusedPlacementLeavesTheCellsFree) {
  const LetterGrid grid = Grid({"QQQ", "QQQ", "QQQ"});
  ReadingBoard board;
  board.Load(grid, Answers({"CAT", "AT"}));
  ASSERT_TRUE(board.Place("CAT", {0, 0, 1, 0, 3}, 1));
  ASSERT_FALSE(board.Place("AT", {0, 1, 0, 1, 2}, 2));
  EXPECT_EQ(board.Owner(0, 1), 0);
  EXPECT_EQ(board.Owner(0, 2), 0);
  EXPECT_EQ(board.Owner(1, 0), 1);
}

TEST(ReadingBoardTest, RedrawsOnlyTheLettersOnASecondReading) {
  // CAT is placed in row 0; row 2 spells it again in free letters, row 1 holds free Q's.
  const LetterGrid grid = Grid({"CATQ", "QQQQ", "TACQ"});
  ReadingBoard board;
  board.Load(grid, Answers({"CAT"}));
  ASSERT_TRUE(board.Place("CAT", {0, 0, 1, 0, 3}, 1));
  std::string drawn = "XYZ";
  std::size_t next = 0;
  EXPECT_EQ(board.RedrawSecondReadings([&] { return drawn[next++ % drawn.size()]; }, 100), 0);
  EXPECT_EQ(next, 3u) << "one new letter for each cell of the second reading";
  const auto rows = Rows(board);
  EXPECT_EQ(rows[0], "CATQ");
  EXPECT_EQ(rows[1], "QQQQ");
  EXPECT_NE(rows[2].substr(0, 3), "TAC");
  EXPECT_EQ(rows[2][3], 'Q');
}

// A generator that keeps spelling the second reading again: after the bound the cells are
// settled letter by letter, and the redrawing ends.
TEST(ReadingBoardTest, BoundedRedrawSettlesTheRemainingCells) {
  const LetterGrid grid = Grid({"CATCAT"});
  ReadingBoard board;
  board.Load(grid, Answers({"CAT"}));
  ASSERT_TRUE(board.Place("CAT", {0, 0, 1, 0, 3}, 1));
  const std::string spelling = "CAT";
  std::size_t next = 0;
  EXPECT_EQ(board.RedrawSecondReadings([&] { return spelling[next++ % spelling.size()]; }, 5), 0);
  EXPECT_EQ(next, 15u) << "five rounds of three letters";
  // The first letter from A on that reads no CAT through the cell: A in column 3.
  EXPECT_EQ(Rows(board), std::vector<std::string>{"CATAAT"});
}

// When every letter reads some answer a second time, the cell is left as it is and counted.
TEST(ReadingBoardTest, CellWithNoGoodLetterIsReported) {
  std::vector<std::string> letters;
  std::string row;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    letters.push_back(std::string(1, letter));
    row += letter;
  }
  const LetterGrid grid = Grid({row + "A"});
  ReadingBoard board;
  board.Load(grid, Answers(letters));
  for (int i = 0; i < 26; ++i) ASSERT_TRUE(board.Place(letters[i], {i, 0, 1, 0, 1}, i + 1)) << letters[i];
  int drawn = 0;
  EXPECT_EQ(board.RedrawSecondReadings(
                [&] {
                  ++drawn;
                  return 'A';
                },
                3),
            1);
  EXPECT_EQ(drawn, 3);
  EXPECT_EQ(Rows(board)[0].substr(0, 26), row) << "placed letters are never redrawn";
}

}  // namespace
}  // namespace glimmerset
