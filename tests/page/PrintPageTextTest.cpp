// The texts of the printed page: grid lines, the share of the answers over the four columns.
#include <gtest/gtest.h>

#include <numeric>

#include "tests/page/PageTestSupport.h"
#include "page/PrintPageText.h"

using namespace glimmerset;
using namespace glimmerset::page;
using namespace glimmerset::testing;

namespace {

std::vector<AnswerLine> Answers(int count) {
  std::vector<AnswerLine> lines;
  for (int i = 0; i < count; ++i) lines.push_back({"WORD" + std::to_string(i + 1), std::nullopt});
  return lines;
}

}  // namespace

TEST(PrintPageText, GridRowsHaveABlankBeforeBetweenAndAfterTheLetters) {
  const PrintPageText page = FillPrintPage(GridOf({"CAT", "DOG", "EMU"}), {});
  EXPECT_EQ(page.GridLines, (std::vector<std::string>{" C A T ", " D O G ", " E M U "}));
  EXPECT_DOUBLE_EQ(page.GridHeightMm, 3 * 7.5);
  for (const auto& column : page.AnswerColumns) EXPECT_TRUE(column.empty());
}

TEST(PrintPageText, EmptyCellsAddOnlyTheirBlankAndAFreshModelPrintsTwoBlankLines) {
  LetterGrid grid = GridOf({"CXT"});
  grid.SetText(1, 0, "");
  EXPECT_EQ(PrintedRow(grid, 0), " C  T ");

  const PuzzleModel fresh;  // no grid present: the 2 by 2 grid of empty cells
  ASSERT_FALSE(fresh.GridPresent);
  const PrintPageText page = FillPrintPage(fresh);
  EXPECT_EQ(page.GridLines, (std::vector<std::string>{"   ", "   "}));
  EXPECT_DOUBLE_EQ(page.GridHeightMm, 15.0);
}

TEST(PrintPageText, AnswersFillTheColumnsInListOrderAndNoneIsLeftOut) {
  struct Case {
    int answers;
    std::array<std::size_t, 4> lines;
  };
  const Case cases[] = {
      {0, {0, 0, 0, 0}},     {1, {1, 0, 0, 0}},     {11, {11, 0, 0, 0}},   {12, {11, 1, 0, 0}},
      {25, {11, 10, 4, 0}},  {40, {11, 10, 10, 9}}, {41, {11, 10, 10, 10}}, {42, {11, 11, 10, 10}},
      {50, {13, 13, 12, 12}}, {101, {26, 25, 25, 25}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answers);
    const std::vector<AnswerLine> list = Answers(c.answers);
    const PrintPageText page = FillPrintPage(GridOf({"AB"}), list);
    std::vector<std::string> printed;
    for (std::size_t column = 0; column < 4; ++column) {
      EXPECT_EQ(page.AnswerColumns[column].size(), c.lines[column]) << "column " << column + 1;
      printed.insert(printed.end(), page.AnswerColumns[column].begin(), page.AnswerColumns[column].end());
    }
    ASSERT_EQ(printed.size(), list.size());
    for (std::size_t i = 0; i < list.size(); ++i) EXPECT_EQ(printed[i], list[i].Text);
  }
}

TEST(PrintPageText, AnswersArePrintedAsTheyStandInTheList) {
  const std::vector<AnswerLine> list = {{"PARIS", 0x0000FF}, {"new york", std::nullopt}, {"", std::nullopt}};
  const PrintPageText page = FillPrintPage(GridOf({"AB"}), list);
  EXPECT_EQ(page.AnswerColumns[0], (std::vector<std::string>{"PARIS", "new york", ""}));
}
