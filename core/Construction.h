#pragma once
// Construction: makes a new puzzle grid from the answer list. The size comes from the size rule
// or the wizard; answers are written at random places in eight directions, crossing where their
// letters agree, and every other cell gets a random letter. No answer may be readable in a second
// place: placements that would spell one through placed letters are refused, and the other
// letters on a second reading are drawn again once the answers are placed.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ReadingBoard.h"
#include "Session.h"

namespace glimmerset {

struct Direction {
  int ColStep;
  int RowStep;
};

// right, down-right, down, down-left, left, up-left, up, up-right
inline constexpr std::array<Direction, 8> Directions = {
    {{+1, 0}, {+1, +1}, {0, +1}, {-1, +1}, {-1, 0}, {-1, -1}, {0, -1}, {+1, -1}}};

inline constexpr int MinimumAnswers = 3;
inline constexpr int FailuresPerPass = 6000;
inline constexpr int MaximumPasses = 11;
inline constexpr int SizeMargin = 5;
inline constexpr int MaximumGridSize = 40;
// Rounds of new random letters for the cells on second readings before the rest are settled
// letter by letter.
inline constexpr int MaximumRedrawRounds = 100;

// The construction's pseudo-random generator (SplitMix64): small and fast, with every 32-bit
// result equally likely, and the same sequence for the same seed.
class ConstructionRandom {
 public:
  void seed(std::uint64_t seed) { state_ = seed; }
  std::uint32_t operator()() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
  }

 private:
  std::uint64_t state_ = 0;
};

class Construction {
 public:
  explicit Construction(Session& session) : session_(session) {}

  // The size rule: the longest answer, or the rounded square root of all letters plus 5.
  int SuggestedSize() const;
  // The whole Make command: wizard, size, filler letters, passes.
  void ConstructPuzzle();
  // One placement attempt of word as answer n from the start cell in a random direction. It
  // fails when the word does not fit, crosses a placed answer badly, or would let an answer be
  // read a second time through placed letters. Works on a copy of the grid's letters and answer
  // numbers, taken afresh whenever the grid's letters changed since this construction wrote them.
  bool PlaceAnswer(const std::string& word, int startCol, int startRow, int n);

  // Tests fix the seed; otherwise every construction seeds from milliseconds since midnight.
  void SetSeed(std::optional<std::uint32_t> seed) { fixedSeed_ = seed; }
  // Limits the directions answers are placed in to these indexes of Directions (all eight at
  // first); an empty list keeps all eight.
  void SetDirections(std::vector<int> allowed);
  // Whether the last construction placed every answer.
  bool Completed() const { return completed_; }
  // Cells of the last construction left on a second reading of an answer (0 but for lists that
  // leave some cell no letter that keeps every answer single).
  int UnresolvedCells() const { return unresolved_; }

 private:
  // A whole number from 0 to n - 1, each equally likely.
  int Random(int n);
  // Runs the passes over an already filled grid; true when every answer was placed.
  bool RunPasses();
  // Gives new letters to the cells outside the placed answers that spell an answer a second time.
  void RedrawSecondReadings();

  Session& session_;
  ConstructionRandom random_;
  std::optional<std::uint32_t> fixedSeed_;
  std::vector<int> directions_ = {0, 1, 2, 3, 4, 5, 6, 7};
  bool completed_ = false;
  int unresolved_ = 0;
  ReadingBoard board_;
};

inline int Construction::Random(int n) {
  if (n <= 1) return 0;
  // Multiply and shift, drawing again in the rare case that would favour some results, so every
  // result from 0 to n - 1 stays equally likely.
  const auto range = static_cast<std::uint32_t>(n);
  std::uint64_t product = static_cast<std::uint64_t>(random_()) * range;
  if (static_cast<std::uint32_t>(product) < range) {
    const std::uint32_t threshold = (0u - range) % range;
    while (static_cast<std::uint32_t>(product) < threshold)
      product = static_cast<std::uint64_t>(random_()) * range;
  }
  return static_cast<int>(product >> 32);
}

}  // namespace glimmerset
