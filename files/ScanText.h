#pragma once
// ScanText: the grid that the text of a scanned printed puzzle holds. Each line is one row from
// the top, each character of its cleaned form one cell from the left; the last line is cleaned and
// examined but does not become a row. The width is that of the first cleaned line; a shorter row
// ends in empty cells, a longer one loses its extra characters.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace glimmerset {

struct ScannedGrid {
  int Rows = 1;
  int Cols = 1;
  std::vector<std::string> RowTexts;  // the cleaned rows, Rows of them
};

// The question asked for each digit 2 to 9 left in a cleaned line, with the digit; true goes on.
using DigitQuestion = std::function<bool(char digit)>;

// The largest scanned grid taken in, in cells: a text of a few megabytes could otherwise ask for
// an enormous grid (a long first line times many short lines).
inline constexpr long long kMaxScannedCells = 1'000'000;

// The grid of the lines, or nullopt when a digit question was answered with Abort. Throws
// CommandError "List index out of bounds (%d)" for fewer than two lines, and a refusal naming the
// size when the grid would exceed kMaxScannedCells.
std::optional<ScannedGrid> ParseScannedLines(const std::vector<std::string>& lines, const DigitQuestion& askDigit,
                                             const std::function<void()>& pump = {});

}  // namespace glimmerset
