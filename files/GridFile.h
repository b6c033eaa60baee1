#pragma once
// GridFile: loading a grid file (.glm) into the puzzle and saving the grid to one. A load checks
// the whole file first: a file that cannot be read or is faulty changes nothing at all.

#include <QString>

#include "ProgramSettings.h"
#include "core/Session.h"

namespace glimmerset {

// Replaces the grid by the file's grid: counts, cells, fresh records in the grid's default look,
// the size panel, the grid view placed and shown, the word box enabled and focused, a redraw, and
// GridFileName. Throws CommandError ("Cannot open file %s", "'%s' is not a valid integer value",
// "List index out of bounds (%d)") with the puzzle and GridFileName untouched.
void ReadGridFile(Session& session, ProgramSettings& settings, const QString& fileName);

// Writes the grid, outside positions as empty lines, every line ended by CR LF; does nothing when
// the grid has fewer than two rows. Throws CommandError "Cannot create file %s".
void WriteGridFile(const LetterGrid& grid, const QString& fileName);

// The size panel's text for a grid: " ROWS: R COLS: C".
std::string GridSizeText(int rows, int cols);

}  // namespace glimmerset
