#include "AnswerPlaces.h"

#include <array>

namespace glimmerset {

namespace {

struct Direction {
  int ColStep;
  int RowStep;
};

// The finder walks these four from a first letter, then the same four from a last letter, which
// read from the first letter are the four opposite ones.
constexpr std::array<Direction, 8> kDirections = {
    {{+1, 0}, {+1, +1}, {0, +1}, {-1, +1}, {-1, 0}, {-1, -1}, {0, -1}, {+1, -1}}};

}  // namespace

std::optional<std::vector<GridPos>> PlaceStartingAt(const LetterGrid& grid, const std::string& word, int col,
                                                    int row) {
  if (word.empty()) return std::nullopt;
  for (const Direction& d : kDirections) {
    std::vector<GridPos> cells;
    cells.reserve(word.size());
    int c = col;
    int r = row;
    for (const char letter : word) {
      if (!grid.HoldsLetter(c, r, letter)) break;
      cells.push_back(GridPos{r, c});
      c += d.ColStep;
      r += d.RowStep;
    }
    if (cells.size() == word.size()) return cells;
  }
  return std::nullopt;
}

}  // namespace glimmerset
