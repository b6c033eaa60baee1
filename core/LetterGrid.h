#pragma once
// LetterGrid: the cells of the puzzle grid, each with its text and, once made, its Tspec record.
// Cells are addressed (column, row) from 0; resizing keeps every cell that stays inside the grid
// where it was, drops the cells that fall outside and adds empty cells without a record.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "CellRecord.h"

namespace glimmerset {

class LetterGrid {
 public:
  LetterGrid(int rows = 2, int cols = 2);

  int RowCount() const { return rows_; }
  int ColCount() const { return cols_; }
  // Counts below 1 are taken as 1.
  void SetRowCount(int rows) { SetSize(rows, cols_); }
  void SetColCount(int cols) { SetSize(rows_, cols); }
  void SetSize(int rows, int cols);

  bool Contains(int col, int row) const { return col >= 0 && row >= 0 && col < cols_ && row < rows_; }

  // The text of a cell; the empty text for a position outside the grid.
  const std::string& Text(int col, int row) const;
  // True when the cell lies in the grid and its text is exactly the one letter given. Reads a
  // compact copy of the one-letter cells, so the finder's scans stay fast and allocation-free.
  bool HoldsLetter(int col, int row, char letter) const {
    if (!Contains(col, row) || letter == kNoLetter) return false;
    return letters_[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(col)] ==
           letter;
  }
  // Writing outside the grid does nothing.
  void SetText(int col, int row, std::string text);

  // The one-letter copy of the cells, row after row: a cell's letter, or '\0' for a cell whose
  // text is not exactly one character. Valid until the grid's texts or size next change.
  const char* Letters() const { return letters_.data(); }
  // Counts every change of a text or of the size, so a long scan can tell the grid changed.
  std::uint64_t Revision() const { return revision_; }

  // The record of a cell, or nullptr when it carries none or lies outside the grid.
  Tspec* Record(int col, int row);
  const Tspec* Record(int col, int row) const;
  void SetRecord(int col, int row, Tspec record);
  void DropRecord(int col, int row);

  // The letters of one row joined from the first column to the last.
  std::string RowText(int row) const;

 private:
  struct Cell {
    std::string text;
    std::optional<Tspec> record;
  };
  Cell* At(int col, int row);
  const Cell* At(int col, int row) const;

  // The letter of a cell whose text is one character; kNoLetter for any other text.
  static constexpr char kNoLetter = '\0';
  static char LetterOf(const std::string& text) { return text.size() == 1 ? text[0] : kNoLetter; }
  void RebuildLetters();

  int rows_;
  int cols_;
  std::vector<Cell> cells_;   // row after row
  std::vector<char> letters_;  // row after row, kept in step with the cell texts
  std::uint64_t revision_ = 0;
};

}  // namespace glimmerset
