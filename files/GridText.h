#pragma once
// GridText: the content of a grid file (.glm) without the file itself. Line 1 holds the row count
// R, line 2 the column count C, then (R + 1) x (C + 1) cell lines row after row, the lines of the
// outside positions (column C, row R) included. Parsing checks the whole text before a single cell
// is allocated, so a faulty or truncated file is refused as a whole.

#include <string>
#include <vector>

#include "core/LetterGrid.h"

namespace glimmerset {

struct GridText {
  int Rows = 1;
  int Cols = 1;
  std::vector<std::string> Cells;  // Rows x Cols texts, row after row
};

// The grid held by the lines. Counts below 1 are taken as 1. Throws CommandError with
// "'%s' is not a valid integer value" for a count line that is not a whole number, and
// "List index out of bounds (%d)" naming the first missing line (counting from 0, the count
// lines included) when the text ends early.
GridText ParseGridLines(const std::vector<std::string>& lines);

// The lines that a grid file of this grid holds: counts, cell texts, empty outside lines.
std::vector<std::string> GridFileLines(const LetterGrid& grid);

}  // namespace glimmerset
