#pragma once
// AnswerPlaces: where an answer lies in the grid when it starts at a given cell. The game uses it
// to take any place of an answer that lies in the grid more than once, not only the one the
// finder met first.

#include <optional>
#include <string>
#include <vector>

#include "LetterGrid.h"
#include "PathTable.h"

namespace glimmerset {

// The cells of the word's letters, first to last, along the first of the eight directions (in the
// finder's order) in which the word lies from its first letter at (col, row); nullopt when it lies
// there in none. Letters compare exactly, one letter per cell.
std::optional<std::vector<GridPos>> PlaceStartingAt(const LetterGrid& grid, const std::string& word, int col, int row);

}  // namespace glimmerset
