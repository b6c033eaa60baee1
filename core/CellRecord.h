#pragma once
// Tspec: the look of one grid cell (background, letter colour, letter font and size) and, during
// construction, the number of the answer written into it.

#include <string>

#include "Colour.h"

namespace glimmerset {

struct Tspec {
  glimmerset::Colour Colour = colours::White;
  glimmerset::Colour FontColour = colours::Black;
  std::string FontName;
  int FontSize = 11;
  int AnswerNo = 0;

  bool operator==(const Tspec&) const = default;
};

// The fixed look that the grid entry dialog gives every cell of a row it adds.
inline Tspec EntryRowLook() { return Tspec{colours::White, colours::Black, "Times new roman", 11, 0}; }

}  // namespace glimmerset
