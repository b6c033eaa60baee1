#pragma once
// PrintPageText: the texts of the printed puzzle page, taken from the puzzle of the moment: one
// line per grid row with a blank before, between and after the letters, and the answers shared
// out over the page's four answer columns in list order. A plain function of the model.

#include <array>
#include <string>
#include <vector>

#include "core/LetterGrid.h"
#include "core/PuzzleModel.h"

namespace glimmerset::page {

// How many answers the four columns hold at the page's usual size: 11, then 10, 10 and 10.
inline constexpr std::array<int, 4> kColumnCapacity = {11, 10, 10, 10};
inline constexpr int kUsualAnswerCapacity = 41;
// Each grid line takes 7.5 mm of the page (17 pixels at the 60 % design scale, 96 pixels an inch).
inline constexpr double kGridLineHeightMm = 7.5;

struct PrintPageText {
  std::vector<std::string> GridLines;
  std::array<std::vector<std::string>, 4> AnswerColumns;
  // The grid block's height before any shrinking for a large grid.
  double GridHeightMm = 0;
};

// One grid row as the page prints it: " C A T " for a row holding C, A and T; an empty cell
// adds just its blank.
std::string PrintedRow(const LetterGrid& grid, int row);

// Shares the answers out over the four columns in list order. Up to 41 answers fill the columns
// as 11, 10, 10 and 10; a longer list is shared evenly (the first columns one more where it does
// not divide), so every answer is printed.
std::array<std::vector<std::string>, 4> SplitAnswers(const std::vector<std::string>& answers);

// Fills the page from the grid and the answer list, whether or not a grid is present.
PrintPageText FillPrintPage(const LetterGrid& grid, const std::vector<AnswerLine>& answers);
inline PrintPageText FillPrintPage(const PuzzleModel& model) { return FillPrintPage(model.Grid, model.Answers); }

}  // namespace glimmerset::page
