#include "GridFile.h"

#include <utility>

#include "GridText.h"
#include "TextFile.h"

namespace glimmerset {

std::string GridSizeText(int rows, int cols) {
  return " ROWS: " + std::to_string(rows) + " COLS: " + std::to_string(cols);
}

void ReadGridFile(Session& session, ProgramSettings& settings, const QString& fileName) {
  GridText text = ParseGridLines(ReadFileLines(fileName, kGridFileLimit));

  PuzzleModel& model = session.Model;
  // The new grid is built aside, so that a failure on the way (even of memory) leaves the puzzle
  // and the remembered name as they were.
  LetterGrid grid(text.Rows, text.Cols);
  for (int r = 0; r < text.Rows; ++r)
    for (int c = 0; c < text.Cols; ++c)
      grid.SetText(c, r, std::move(text.Cells[static_cast<std::size_t>(r) * text.Cols + c]));
  settings.GridFileName = fileName;
  model.Grid = std::move(grid);
  session.SetStatus(SizePanel, GridSizeText(model.Grid.RowCount(), model.Grid.ColCount()));
  session.PresentNewGrid(true);
}

void WriteGridFile(const LetterGrid& grid, const QString& fileName) {
  if (grid.RowCount() < 2) return;
  WriteFileLines(fileName, GridFileLines(grid));
}

}  // namespace glimmerset
