#include "ScanText.h"

#include <algorithm>

#include "core/CommandError.h"
#include "stringutils.h"

namespace glimmerset {

std::optional<ScannedGrid> ParseScannedLines(const std::vector<std::string>& lines, const DigitQuestion& askDigit,
                                             const std::function<void()>& pump) {
  if (lines.size() < 2) throw CommandError("List index out of bounds (" + std::to_string(lines.size()) + ")");

  std::vector<std::string> cleaned;
  cleaned.reserve(lines.size());
  for (const auto& line : lines) {
    std::string clean = CleanScanLine(line, pump);
    for (char digit = '2'; digit <= '9'; ++digit)
      if (clean.find(digit) != std::string::npos && !askDigit(digit)) return std::nullopt;
    cleaned.emplace_back(TrimControl(clean));
  }

  const std::size_t rows = lines.size() - 1;
  const std::size_t cols = std::max<std::size_t>(cleaned[0].size(), 1);
  const auto limit = static_cast<std::size_t>(kMaxScannedCells);
  if (rows > limit || cols > limit || rows * cols > limit)
    throw CommandError("The scanned grid is too large: " + std::to_string(rows) + " rows by " + std::to_string(cols) +
                       " columns");
  ScannedGrid grid;
  grid.Rows = static_cast<int>(rows);
  grid.Cols = static_cast<int>(cols);
  cleaned.pop_back();  // the last line is no row
  for (auto& row : cleaned)
    if (row.size() > static_cast<std::size_t>(grid.Cols)) row.resize(static_cast<std::size_t>(grid.Cols));
  grid.RowTexts = std::move(cleaned);
  return grid;
}

}  // namespace glimmerset
