#include "PuzzleModel.h"

#include <algorithm>

namespace glimmerset {

Tspec PuzzleModel::DefaultLook() const { return Tspec{Look.BCol, Look.FCol, Look.GFont, 11, 0}; }

void PuzzleModel::ResetHighlights(bool create) {
  if (!create && !CellsReady) return;
  const Tspec look = DefaultLook();
  for (int r = 0; r < Grid.RowCount(); ++r)
    for (int c = 0; c < Grid.ColCount(); ++c) Grid.SetRecord(c, r, look);
  CellsReady = true;
}

void PuzzleModel::FreeCellRecords() {
  for (int r = 0; r < Grid.RowCount(); ++r)
    for (int c = 0; c < Grid.ColCount(); ++c) Grid.DropRecord(c, r);
  CellsReady = false;
}

void PuzzleModel::ClearAnswerMarks() {
  Paths.ClearAnswers(20);
  PresentInGame.clear();
  ResetHighlights(false);
  FoundCount = 0;
  ErrorCount = 0;
}

int PuzzleModel::LongestAnswer() const {
  std::size_t longest = 0;
  for (const auto& line : Answers) longest = std::max(longest, line.Text.size());
  return static_cast<int>(longest);
}

void PuzzleModel::MarkFound(int col, int row, int n) {
  if (!Grid.Contains(col, row)) return;
  Tspec* record = Grid.Record(col, row);
  if (!record) {
    Grid.SetRecord(col, row, DefaultLook());
    record = Grid.Record(col, row);
  }
  record->Colour = HighlightFor(n);
  record->FontColour = Look.AFCol;
  record->FontName = Look.AFont;
  record->FontSize = 11;
}

}  // namespace glimmerset
