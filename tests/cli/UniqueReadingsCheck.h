#pragma once
// UniqueReadingsCheck: counts, independently of the program's finder and construction, in how
// many places each answer can be read in a grid: every start cell, all eight directions, a
// palindrome read both ways counted once.

#include <set>
#include <string>
#include <vector>

namespace glimmerset::testing {

// rows: the grid's rows of letters. Returns the number of distinct places (sets of cells) where
// the word reads, forwards along any of the eight directions.
inline int PlacesOf(const std::vector<std::string>& rows, const std::string& word) {
  const int height = static_cast<int>(rows.size()), width = height ? static_cast<int>(rows[0].size()) : 0;
  const int steps[8][2] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};
  std::set<std::set<std::pair<int, int>>> places;
  for (int r = 0; r < height; ++r)
    for (int c = 0; c < width; ++c)
      for (const auto& step : steps) {
        std::set<std::pair<int, int>> cells;
        int k = 0;
        for (; k < static_cast<int>(word.size()); ++k) {
          const int cc = c + k * step[0], rr = r + k * step[1];
          if (cc < 0 || rr < 0 || cc >= width || rr >= height || rows[static_cast<std::size_t>(rr)][static_cast<std::size_t>(cc)] != word[static_cast<std::size_t>(k)]) break;
          cells.insert({rr, cc});
        }
        if (k == static_cast<int>(word.size()) && !word.empty()) places.insert(cells);
      }
  return static_cast<int>(places.size());
}

}  // namespace glimmerset::testing
