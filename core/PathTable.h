#pragma once
// PathTable: where each letter of each answer lies in the grid, as the finder recorded it.
// Answer and letter numbers count from 1. The table grows with the answers and their lengths,
// so any answer number and letter number can be recorded; an unrecorded entry reads as unset.

#include <cstddef>
#include <vector>

#include "Colour.h"

namespace glimmerset {

struct GridPos {
  int Row = -1;
  int Col = -1;
  bool IsSet() const { return Row >= 0 && Col >= 0; }
  bool operator==(const GridPos&) const = default;
};

class PathTable {
 public:
  // The entry of letter k of answer n; unset (-1, -1) when nothing was recorded there.
  GridPos Get(int n, int k) const;
  // Records letter k of answer n; numbers below 1 are ignored. Inline for the finder's walks:
  // only a first entry for an answer or a letter goes through the growing path.
  void Set(int n, int k, GridPos pos) {
    if (n >= 1 && k >= 1 && static_cast<std::size_t>(n) <= entries_.size()) {
      auto& letters = entries_[static_cast<std::size_t>(n) - 1];
      if (static_cast<std::size_t>(k) <= letters.size()) {
        letters[static_cast<std::size_t>(k) - 1] = pos;
        return;
      }
    }
    Grow(n, k, pos);
  }
  // The entries of answer n (n from 1), grown to hold at least length letters: entry k - 1 is
  // letter k. Valid until the table next grows.
  GridPos* Letters(int n, int length);
  // Unsets every letter of answers 1 to lastAnswer.
  void ClearAnswers(int lastAnswer);

 private:
  void Grow(int n, int k, GridPos pos);

  std::vector<std::vector<GridPos>> entries_;  // entries_[n - 1][k - 1]
};

// AnswerColours: the colour of each answer's line in the list, entry n for answer n; entry 0 is
// never read. Entries not yet written read as blue, the start-up colour.
class AnswerColourTable {
 public:
  Colour Get(int n) const;
  void Set(int n, Colour colour);
  // Every entry back to blue.
  void Reset();

 private:
  std::vector<Colour> entries_;
};

}  // namespace glimmerset
