#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CoreFixture.h"

namespace glimmerset {
namespace {

using testing::CoreFixture;

class PuzzleModelTest : public CoreFixture {};

TEST_F(PuzzleModelTest, ResetHighlightsWithAndWithoutCreate) {
  model.Look.BCol = 0x112233;
  model.Look.FCol = 0x445566;
  model.Look.GFont = "Courier";
  model.Grid.SetSize(3, 4);

  model.ResetHighlights(false);
  EXPECT_FALSE(model.CellsReady);
  EXPECT_EQ(model.Grid.Record(0, 0), nullptr) << "without records nothing is made";

  model.ResetHighlights(true);
  EXPECT_TRUE(model.CellsReady);
  const Tspec look{0x112233, 0x445566, "Courier", 11, 0};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 4; ++c) {
      ASSERT_NE(model.Grid.Record(c, r), nullptr);
      EXPECT_EQ(*model.Grid.Record(c, r), look);
    }

  model.FreeCellRecords();
  EXPECT_FALSE(model.CellsReady);
  model.ResetHighlights(false);
  EXPECT_EQ(model.Grid.Record(2, 1), nullptr);
}

// A cell the grid gained after its records were made gets one in the default look.
TEST_F(PuzzleModelTest, ResetHighlightsGivesARecordToACellThatLacksOne) {
  LoadGrid({"AB"});
  model.Grid.SetSize(2, 2);
  ASSERT_EQ(model.Grid.Record(1, 1), nullptr);
  model.ResetHighlights(false);
  ASSERT_NE(model.Grid.Record(1, 1), nullptr);
  EXPECT_EQ(*model.Grid.Record(1, 1), model.DefaultLook());
}

TEST_F(PuzzleModelTest, ClearAnswersResetsFirstTwentyAnswersAllLettersAndCounts) {
  LoadGrid({"AB"});
  for (int n : {1, 20, 21, 50})
    for (int k : {1, 20, 60}) model.Paths.Set(n, k, GridPos{0, 1});
  model.MarkFound(0, 0, 3);
  model.FoundCount = 4;
  model.ErrorCount = 5;
  core.session.ClearAnswers();
  for (int n : {1, 20})
    for (int k : {1, 20, 60}) EXPECT_EQ(model.Paths.Get(n, k), GridPos{}) << n << "," << k;
  for (int n : {21, 50}) EXPECT_EQ(model.Paths.Get(n, 60), (GridPos{0, 1})) << n;
  EXPECT_EQ(MarkedCells(), 0);
  EXPECT_EQ(model.FoundCount, 0);
  EXPECT_EQ(model.ErrorCount, 0);
  EXPECT_TRUE(port.SawChange(ModelChange::Cells));
}

TEST_F(PuzzleModelTest, PaletteEntryOfAnAnswer) {
  struct Case {
    int n;
    Colour colour;
  };
  for (const Case& c : {Case{1, 0xFFFF00}, Case{19, 0xC0C0C0}, Case{20, 0xFFEEEE}, Case{21, 0xFFFF00},
                        Case{40, 0xFFEEEE}, Case{200, 0xFFEEEE}, Case{9, 0x808080}, Case{17, 0x808080}})
    EXPECT_EQ(HighlightFor(c.n), c.colour) << c.n;
}

TEST_F(PuzzleModelTest, LongestAnswer) {
  struct Case {
    std::vector<std::string> answers;
    int longest;
  };
  for (const Case& c : {Case{{"CAT", "ZEBRA", "OX"}, 5}, Case{{}, 0}, Case{{std::string(60, 'Q'), "AB"}, 60}}) {
    LoadAnswers(c.answers);
    EXPECT_EQ(model.LongestAnswer(), c.longest);
  }
}

TEST_F(PuzzleModelTest, TablesGrowForAnyAnswerNumberAndLength) {
  model.Paths.Set(200, 60, GridPos{3, 4});
  EXPECT_EQ(model.Paths.Get(200, 60), (GridPos{3, 4}));
  EXPECT_EQ(model.Paths.Get(200, 61), GridPos{});
  EXPECT_EQ(model.Paths.Get(201, 1), GridPos{});
  model.AnswerColours.Set(200, colours::Red);
  EXPECT_EQ(model.AnswerColours.Get(200), colours::Red);
  EXPECT_EQ(model.AnswerColours.Get(199), colours::Blue);
}

}  // namespace
}  // namespace glimmerset
