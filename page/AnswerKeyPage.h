#pragma once
// AnswerKeyPage: the answer key of a puzzle, a page beside the printed puzzle page. It shows the
// same grid with each answer ringed along its line in the answer's highlight colour, the filler
// letters lighter than the answer letters, and the answer list with each answer's colour; answers
// that are not in the grid are listed as missing.

#include <QColor>
#include <QString>
#include <array>
#include <string>
#include <vector>

#include "PageFrame.h"
#include "PrintPageText.h"
#include "core/PuzzleSolution.h"

class QPainter;

namespace glimmerset::page {

struct AnswerKeyText {
  PrintPageText Page;                           // the grid lines, as the puzzle page prints them
  std::vector<std::vector<std::string>> Cells;  // the cell texts, row after row
  std::vector<AnswerPlace> Answers;             // where each answer lies, in list order
  std::array<std::vector<std::string>, 4> Columns;  // the answer list as the key prints it
};

// Solves the puzzle on a copy and lays out its key.
AnswerKeyText MakeAnswerKey(const LetterGrid& grid, const std::vector<AnswerLine>& answers);
inline AnswerKeyText MakeAnswerKey(const PuzzleModel& model) { return MakeAnswerKey(model.Grid, model.Answers); }

// The colour of answer n's ring (n from 1): its highlight colour.
QColor RingColour(int n);

void PaintAnswerKeyPage(QPainter& painter, const PageFrame& frame, const AnswerKeyText& key, const QString& dateText);

}  // namespace glimmerset::page
