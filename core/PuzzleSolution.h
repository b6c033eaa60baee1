#pragma once
// PuzzleSolution: where each answer of a puzzle lies, found by the program's own solver on a
// copy of the grid, so a puzzle can be keyed or reported without touching the one on screen.

#include <string>
#include <vector>

#include "LetterGrid.h"
#include "PathTable.h"

namespace glimmerset {

struct AnswerPlace {
  std::string Text;
  bool Present = false;
  std::vector<GridPos> Cells;  // in letter order; empty when the answer is missing
};

// Solves the answers on the grid as Solve does and returns them in list order.
std::vector<AnswerPlace> SolvePuzzle(const LetterGrid& grid, const std::vector<std::string>& answers);

}  // namespace glimmerset
