#pragma once
// PageTestSupport: small puzzles for the tests of the printed pages, written as rows of letters
// and lists of answers.

#include <optional>
#include <string>
#include <vector>

#include "core/LetterGrid.h"
#include "core/PuzzleModel.h"

namespace glimmerset::testing {

inline LetterGrid GridOf(const std::vector<std::string>& rows) {
  LetterGrid grid(static_cast<int>(rows.size()), static_cast<int>(rows.front().size()));
  for (int r = 0; r < grid.RowCount(); ++r)
    for (int c = 0; c < grid.ColCount(); ++c)
      grid.SetText(c, r, std::string(1, rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
  return grid;
}

inline std::vector<AnswerLine> Lines(const std::vector<std::string>& texts) {
  std::vector<AnswerLine> lines;
  for (const std::string& text : texts) lines.push_back({text, std::nullopt});
  return lines;
}

}  // namespace glimmerset::testing
