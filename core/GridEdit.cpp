#include "GridEdit.h"

#include <algorithm>

#include "GridEntryText.h"

namespace glimmerset {

void GridEdit::LoadRow(int v) { RowText = session_.Model.Grid.RowText(v - 1); }

void GridEdit::FormActivate() {
  const LetterGrid& grid = session_.Model.Grid;
  EditColumns = 0;
  LoadRow(1);
  Counter = grid.ColCount();
  RowDisp = grid.RowCount();
  ColDisp = Counter;
  DeleteEnabled = false;
}

void GridEdit::SetCurrentRow(int v) {
  v = std::clamp(v, 1, MaximumEditRows);
  if (v == CurrentRow) return;
  CurrentRowChange(v);
}

void GridEdit::CurrentRowChange(int v) {
  CurrentRow = v;
  const int rows = session_.Model.Grid.RowCount();
  if (v >= 1 && v <= rows) LoadRow(v);
  DeleteEnabled = v == rows;
}

void GridEdit::OtherKey() { ColDisp = CharacterCount(RowText) + 1; }

void GridEdit::ApplyRow() {
  PuzzleModel& model = session_.Model;
  const int n = CharacterCount(RowText);
  if (n > MaximumEditLetters) {
    session_.Message(EditLimitMessage);
    return;
  }
  model.FreeCellRecords();
  if (EditColumns == 0) {
    EditColumns = n;
    Counter = n;
    model.Grid.SetColCount(n);
  } else {
    RowText = FirstCharacters(RowText, EditColumns);
  }
  ColDisp = CharacterCount(RowText);
  const int v = CurrentRow;
  if (v > model.Grid.RowCount()) {
    model.Grid.SetRowCount(v);
    RowDisp = model.Grid.RowCount();
  }
  model.ResetHighlights(true);
  const auto characters = Characters(UpperAscii(RowText));
  for (std::size_t c = 0; c < characters.size(); ++c) model.Grid.SetText(static_cast<int>(c), v - 1, characters[c]);
  RowText.clear();
  SetCurrentRow(v + 1);
  session_.PlaceGrid();
  session_.Redraw();
}

void GridEdit::DeleteBtnClick() {
  PuzzleModel& model = session_.Model;
  const int v = CurrentRow;
  const int rows = model.Grid.RowCount();
  if (v != rows) {
    session_.Message(DeleteRefusedMessage);
    return;
  }
  model.FreeCellRecords();
  RowText.clear();
  for (int c = 0; c < model.Grid.ColCount(); ++c) model.Grid.SetText(c, rows - 1, "");
  model.Grid.SetRowCount(rows - 1);
  SetCurrentRow(v - 1);
  model.Layout.GridHeight = session_.ViewExtent(CurrentRow);
  session_.Port().Changed(ModelChange::GridLayout);
  RowDisp = model.Grid.RowCount();
  model.ResetHighlights(true);
  session_.Redraw();
}

}  // namespace glimmerset
