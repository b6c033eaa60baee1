#include "LetterGrid.h"

#include <algorithm>
#include <utility>

namespace glimmerset {

namespace {
const std::string kEmpty;
}

LetterGrid::LetterGrid(int rows, int cols)
    : rows_(std::max(rows, 1)), cols_(std::max(cols, 1)),
      cells_(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(cols_)),
      letters_(cells_.size(), kNoLetter) {}

void LetterGrid::RebuildLetters() {
  ++revision_;
  letters_.resize(cells_.size());
  for (std::size_t i = 0; i < cells_.size(); ++i) letters_[i] = LetterOf(cells_[i].text);
}

void LetterGrid::SetSize(int rows, int cols) {
  rows = std::max(rows, 1);
  cols = std::max(cols, 1);
  if (rows == rows_ && cols == cols_) return;
  if (cols == cols_) {  // rows added or dropped at the bottom: the cells above stay in place
    cells_.resize(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
    rows_ = rows;
    RebuildLetters();
    return;
  }
  std::vector<Cell> resized(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
  const int keepRows = std::min(rows, rows_);
  const int keepCols = std::min(cols, cols_);
  for (int r = 0; r < keepRows; ++r)
    for (int c = 0; c < keepCols; ++c)
      resized[static_cast<std::size_t>(r) * cols + c] = std::move(*At(c, r));
  cells_ = std::move(resized);
  rows_ = rows;
  cols_ = cols;
  RebuildLetters();
}

LetterGrid::Cell* LetterGrid::At(int col, int row) {
  return Contains(col, row) ? &cells_[static_cast<std::size_t>(row) * cols_ + col] : nullptr;
}

const LetterGrid::Cell* LetterGrid::At(int col, int row) const {
  return Contains(col, row) ? &cells_[static_cast<std::size_t>(row) * cols_ + col] : nullptr;
}

const std::string& LetterGrid::Text(int col, int row) const {
  const Cell* cell = At(col, row);
  return cell ? cell->text : kEmpty;
}

void LetterGrid::SetText(int col, int row, std::string text) {
  if (Cell* cell = At(col, row)) {
    ++revision_;
    letters_[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(col)] =
        LetterOf(text);
    cell->text = std::move(text);
  }
}

Tspec* LetterGrid::Record(int col, int row) {
  Cell* cell = At(col, row);
  return cell && cell->record ? &*cell->record : nullptr;
}

const Tspec* LetterGrid::Record(int col, int row) const {
  const Cell* cell = At(col, row);
  return cell && cell->record ? &*cell->record : nullptr;
}

void LetterGrid::SetRecord(int col, int row, Tspec record) {
  if (Cell* cell = At(col, row)) cell->record = std::move(record);
}

void LetterGrid::DropRecord(int col, int row) {
  if (Cell* cell = At(col, row)) cell->record.reset();
}

std::string LetterGrid::RowText(int row) const {
  std::string text;
  for (int c = 0; c < cols_; ++c) text += Text(c, row);
  return text;
}

}  // namespace glimmerset
