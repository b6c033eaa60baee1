#pragma once
// Construction: makes a new puzzle grid from the answer list. The size comes from the size rule
// or the wizard; answers are written at random places in eight directions, crossing where their
// letters agree, and every other cell gets a random letter.

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

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

class Construction {
 public:
  explicit Construction(Session& session) : session_(session) {}

  // The size rule: the longest answer, or the rounded square root of all letters plus 5.
  int SuggestedSize() const;
  // The whole Make command: wizard, size, filler letters, passes.
  void ConstructPuzzle();
  // One placement attempt of word as answer n from the start cell in a random direction.
  bool PlaceAnswer(const std::string& word, int startCol, int startRow, int n);

  // Tests fix the seed; otherwise every construction seeds from milliseconds since midnight.
  void SetSeed(std::optional<std::uint32_t> seed) { fixedSeed_ = seed; }
  // Limits the directions answers are placed in to these indexes of Directions (all eight at
  // first); an empty list keeps all eight.
  void SetDirections(std::vector<int> allowed);
  // Whether the last construction placed every answer.
  bool Completed() const { return completed_; }

 private:
  int Random(int n);
  // Runs the passes over an already filled grid; true when every answer was placed.
  bool RunPasses();

  Session& session_;
  std::mt19937 random_;
  std::optional<std::uint32_t> fixedSeed_;
  std::vector<int> directions_ = {0, 1, 2, 3, 4, 5, 6, 7};
  bool completed_ = false;
};

}  // namespace glimmerset
