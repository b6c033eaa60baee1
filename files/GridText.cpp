#include "GridText.h"

#include <algorithm>
#include <cstdint>

#include "core/CommandError.h"
#include "stringutils.h"

namespace glimmerset {

namespace {

[[noreturn]] void MissingLine(std::size_t index) {
  throw CommandError("List index out of bounds (" + std::to_string(index) + ")");
}

int CountLine(const std::vector<std::string>& lines, std::size_t index) {
  if (index >= lines.size()) MissingLine(index);
  auto value = ParseWholeNumber(lines[index]);
  if (!value) throw CommandError("'" + lines[index] + "' is not a valid integer value");
  return std::max(*value, 1);
}

}  // namespace

GridText ParseGridLines(const std::vector<std::string>& lines) {
  GridText grid;
  grid.Rows = CountLine(lines, 0);
  grid.Cols = CountLine(lines, 1);
  // Counts up to 2^31 each: the product of the padded counts fits 64 bits.
  const std::uint64_t needed =
      2 + (static_cast<std::uint64_t>(grid.Rows) + 1) * (static_cast<std::uint64_t>(grid.Cols) + 1);
  if (lines.size() < needed) MissingLine(lines.size());

  grid.Cells.reserve(static_cast<std::size_t>(grid.Rows) * static_cast<std::size_t>(grid.Cols));
  std::size_t next = 2;
  for (int r = 0; r < grid.Rows; ++r) {
    for (int c = 0; c < grid.Cols; ++c) grid.Cells.push_back(lines[next++]);
    ++next;  // the outside position at column C
  }
  return grid;
}

std::vector<std::string> GridFileLines(const LetterGrid& grid) {
  const int rows = grid.RowCount();
  const int cols = grid.ColCount();
  std::vector<std::string> lines;
  lines.reserve(2 + static_cast<std::size_t>(rows + 1) * static_cast<std::size_t>(cols + 1));
  lines.push_back(std::to_string(rows));
  lines.push_back(std::to_string(cols));
  for (int r = 0; r <= rows; ++r)
    for (int c = 0; c <= cols; ++c) lines.push_back(grid.Text(c, r));  // outside positions read empty
  return lines;
}

}  // namespace glimmerset
