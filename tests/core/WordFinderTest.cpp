#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "CoreFixture.h"
#include "core/WordFinder.h"

namespace glimmerset {
namespace {

using testing::CoreFixture;

struct FindCase {
  const char* name;
  std::vector<std::string> grid;
  std::string word;
  bool found;
  std::vector<GridPos> path;  // entries (n, 1..) as {row, col}; checked also when not found
};

class WordFinderTest : public CoreFixture {};

void PrintTo(const FindCase& c, std::ostream* os) { *os << c.name; }

class FindWordTest : public CoreFixture, public ::testing::WithParamInterface<FindCase> {};

TEST_P(FindWordTest, FindsAndRecordsTheFirstPlaceInSearchOrder) {
  const FindCase& c = GetParam();
  LoadGrid(c.grid);
  WordFinder finder(core.session);
  const int n = 7;
  EXPECT_EQ(finder.FindWord(c.word, n, false), c.found);
  for (std::size_t k = 0; k < c.path.size(); ++k)
    EXPECT_EQ(model.Paths.Get(n, static_cast<int>(k) + 1), c.path[k]) << "letter " << k + 1;
  EXPECT_EQ(model.Paths.Get(n, static_cast<int>(c.path.size()) + 1), GridPos{}) << "nothing beyond the path";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindWordTest,
    ::testing::Values(
        FindCase{"LeftToRight", {"AB", "XX"}, "AB", true, {{0, 0}, {0, 1}}},
        FindCase{"UpwardsInPassTwo", {"XXT", "XXA", "XXC"}, "CAT", true, {{2, 2}, {1, 2}, {0, 2}}},
        FindCase{"ForwardBeatsEarlierBackward", {"TACX", "CATX"}, "CAT", true, {{1, 0}, {1, 1}, {1, 2}}},
        FindCase{"LeftOfTwoInARow", {"CATXCAT"}, "CAT", true, {{0, 0}, {0, 1}, {0, 2}}},
        FindCase{"DiagonalDownRight", {"DXX", "XOX", "XXG"}, "DOG", true, {{0, 0}, {1, 1}, {2, 2}}},
        FindCase{"DiagonalUpRight", {"XXG", "XOX", "DXX"}, "DOG", true, {{2, 0}, {1, 1}, {0, 2}}},
        FindCase{"DiagonalUpLeft", {"GXX", "XOX", "XXD"}, "DOG", true, {{2, 2}, {1, 1}, {0, 0}}},
        FindCase{"RightToLeft", {"XGOD"}, "DOG", true, {{0, 3}, {0, 2}, {0, 1}}},
        FindCase{"NoWrapLeftOfColumnZero", {"XB", "AC", "XX"}, "BAC", false, {{0, 1}, {1, 0}, {1, 1}}},
        FindCase{"NoWalkPastTheLastRow", {"XA", "XX"}, "AB", false, {{0, 1}}},
        FindCase{"OneLetterAtFirstCell", {"XQ", "QX"}, "Q", true, {{0, 1}}},
        FindCase{"LowerCaseCellsNeverMatch", {"cat", "xxx"}, "CAT", false, {}},
        FindCase{"LongerThanTheGrid", {"AB", "CD"}, "ABCDE", false, {{0, 0}, {0, 1}}},
        FindCase{"OneByOneGrid", {"A"}, "A", true, {{0, 0}}},
        FindCase{"OneByOneGridTwoLetters", {"A"}, "AA", false, {{0, 0}, {0, 0}}},
        FindCase{"FailedWalkLeavesItsLetters", {"CAX"}, "CAT", false, {{0, 0}, {0, 1}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WordFinderTest, EmptyWordScansNothing) {
  LoadGrid({"AB", "CD"});
  WordFinder finder(core.session);
  EXPECT_FALSE(finder.FindWord("", 1, true));
  EXPECT_EQ(port.pumps, 0);
  EXPECT_EQ(model.Paths.Get(1, 1), GridPos{});
}

TEST_F(WordFinderTest, PumpsBeforeEveryCellAndEveryRecordedLetter) {
  LoadGrid({"AB", "CD"});
  WordFinder finder(core.session);
  struct Case {
    std::string word;
    int pumps;
  };
  // AB: one cell, then two letters. ZZ: two full scans of four cells. DB: four cells and the
  // first letter of four failed walks from D; then two cells, three walks from B recording B
  // and, on the upward one, D.
  for (const Case& c : {Case{"AB", 3}, Case{"ZZ", 8}, Case{"DB", 4 + 4 + 2 + 3 + 1}}) {
    port.pumps = 0;
    finder.FindWord(c.word, 1, false);
    EXPECT_EQ(port.pumps, c.pumps) << c.word;
  }
}

TEST_F(WordFinderTest, MarkingGivesTheAnswersPaletteColourAndFoundLook) {
  model.Look.AFCol = 0x123456;
  model.Look.AFont = "Arial";
  struct Case {
    int n;
    Colour expected;
  };
  for (const Case& c : {Case{3, 0x00FF00}, Case{1, 0xFFFF00}, Case{20, 0xFFEEEE}, Case{21, 0xFFFF00}}) {
    LoadGrid({"XDOG", "XXXX"});
    WordFinder finder(core.session);
    ASSERT_TRUE(finder.FindWord("DOG", c.n, true));
    for (int col = 1; col <= 3; ++col) {
      const Tspec* record = model.Grid.Record(col, 0);
      ASSERT_NE(record, nullptr);
      EXPECT_EQ(record->Colour, c.expected) << c.n;
      EXPECT_EQ(record->FontColour, 0x123456u);
      EXPECT_EQ(record->FontName, "Arial");
      EXPECT_EQ(record->FontSize, 11);
    }
    EXPECT_EQ(MarkedCells(), 3) << "no other cell is touched";
  }
}

TEST_F(WordFinderTest, WithoutMarkOnlyThePathsChange) {
  LoadGrid({"XDOG", "XXXX"});
  const std::vector<std::string> before = Rows();
  WordFinder finder(core.session);
  ASSERT_TRUE(finder.FindWord("DOG", 2, false));
  EXPECT_EQ(MarkedCells(), 0);
  EXPECT_EQ(Rows(), before);
  EXPECT_EQ(model.Paths.Get(2, 3), (GridPos{0, 3}));
}

TEST_F(WordFinderTest, MarkingGivesARecordToACellThatLacksOne) {
  LoadGrid({"AB"});
  model.Grid.SetSize(2, 2);  // the new row's cells carry no record yet
  model.Grid.SetText(0, 1, "C");
  model.Grid.SetText(1, 1, "D");
  ASSERT_EQ(model.Grid.Record(0, 1), nullptr);
  WordFinder finder(core.session);
  ASSERT_TRUE(finder.FindWord("CD", 4, true));
  EXPECT_EQ(CellColour(0, 1), HighlightFor(4));
  EXPECT_EQ(CellColour(1, 1), HighlightFor(4));
}

TEST_F(WordFinderTest, AnswerOfSixtyLettersIsRecordedWhole) {
  const std::string word(40, 'K');
  LoadGrid({word});
  WordFinder finder(core.session);
  EXPECT_TRUE(finder.FindWord(word, 50, false));
  EXPECT_EQ(model.Paths.Get(50, 40), (GridPos{0, 39}));
  EXPECT_FALSE(finder.FindWord(std::string(60, 'K'), 51, true));
  EXPECT_EQ(MarkedCells(), 0);
}

TEST_F(WordFinderTest, AGridChangedDuringTheSearchEndsItUnfound) {
  // Commands are refused while a search runs; should the grid change all the same (here, shrunk
  // to one cell from inside a pump), the search stops instead of reading the old grid.
  LoadGrid({"XXXX", "XXXX", "XCAT"});
  int pumps = 0;
  port.onPump = [&] {
    if (++pumps == 3) model.Grid.SetSize(1, 1);
  };
  WordFinder finder(core.session);
  EXPECT_FALSE(finder.FindWord("CAT", 2, false));
  EXPECT_EQ(pumps, 3);
  EXPECT_FALSE(model.Paths.Get(2, 1).IsSet());
}

}  // namespace
}  // namespace glimmerset
