#include "GridEntry.h"

#include <algorithm>

#include "GridEntryText.h"

namespace glimmerset {

std::string GridEntry::SizeStatus(int rows, int cols) {
  return std::to_string(rows) + " Rows:  " + std::to_string(cols) + " Cols:";
}

void GridEntry::FillRow(PuzzleModel& model, int row, const std::string& text) {
  const auto characters = Characters(UpperAscii(text));
  LetterGrid& grid = model.Grid;
  for (int c = 0; c < grid.ColCount(); ++c) {
    const auto index = static_cast<std::size_t>(c);
    grid.SetText(c, row, index < characters.size() ? characters[index] : std::string());
    grid.SetRecord(c, row, EntryRowLook());
  }
  model.CellsReady = true;
}

RowOutcome GridEntry::AcceptRow(const std::string& typed, bool regular) {
  const int n = CharacterCount(typed);
  if (n > MaximumEntryCells || session_.Model.Grid.RowCount() >= MaximumEntryCells) {
    session_.Message(EntryLimitMessage);
    return {RowBox::Emptied, ""};
  }
  RowOutcome outcome;
  if (regular)
    outcome = RegularRow(typed, n);
  else
    FreeFormRow(typed, n);
  session_.PlaceGrid();
  session_.SetStatus(SizePanel, SizeStatus(session_.Model.Grid.RowCount(), entryColumns_));
  return outcome;
}

RowOutcome GridEntry::RegularRow(const std::string& typed, int n) {
  PuzzleModel& model = session_.Model;
  const int c = entryColumns_;
  if (c == 0) {
    session_.SetGridPresent(false);
    model.Grid.SetRowCount(1);
    entryColumns_ = n;
    model.Grid.SetColCount(n);
    session_.SetWordBoxWidth(20 * n);
    FillRow(model, 0, typed);
  } else if (n == c) {
    session_.SetGridPresent(false);
    const int last = model.Grid.RowCount();
    model.Grid.SetRowCount(last + 1);
    FillRow(model, last, typed);
  } else {
    RowOutcome refused{RowBox::Kept, typed};
    std::string reason = "Not enough Letters ";
    if (n > c) {
      refused = {RowBox::Cut, FirstCharacters(typed, c)};
      reason = "Too many Letters, Truncated ";
    }
    session_.Message("I think you made a mistake, " + reason + std::to_string(c) + " required");
    return refused;
  }
  session_.Redraw();
  session_.SetGridPresent(true);
  return {RowBox::Emptied, ""};
}

void GridEntry::FreeFormRow(const std::string& typed, int n) {
  PuzzleModel& model = session_.Model;
  session_.SetGridPresent(false);
  const bool first = entryColumns_ == 0;
  entryColumns_ = std::max(entryColumns_, n);
  model.Grid.SetColCount(entryColumns_);
  session_.SetWordBoxWidth(10 * entryColumns_);
  const int row = first ? 0 : model.Grid.RowCount();
  model.Grid.SetRowCount(row + 1);
  // Cells that a wider row adds to the earlier rows are empty, in the entry look like the rest.
  for (int r = 0; r < row; ++r)
    for (int col = 0; col < model.Grid.ColCount(); ++col)
      if (!model.Grid.Record(col, r)) model.Grid.SetRecord(col, r, EntryRowLook());
  FillRow(model, row, typed);
  session_.Redraw();
  session_.SetGridPresent(true);
}

void GridEntry::NewClick() {
  PuzzleModel& model = session_.Model;
  entryColumns_ = 0;
  for (int r = 0; r < model.Grid.RowCount(); ++r)
    for (int c = 0; c < model.Grid.ColCount(); ++c) model.Grid.SetText(c, r, "");
  model.Grid.SetSize(1, 1);
  session_.SetGridPresent(false);
  session_.Redraw();
}

}  // namespace glimmerset
