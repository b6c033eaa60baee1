#pragma once
// WordFinder: the one search of the program. Finds a word along a straight line in any of eight
// directions, records where each of its letters lies in PathTable and, on request, marks those
// cells in the answer's highlight colour. It lets pending window events run before every cell it
// looks at and every letter it records.

#include <string>

#include "Session.h"

namespace glimmerset {

class WordFinder {
 public:
  explicit WordFinder(Session& session) : session_(session) {}

  // True when the word lies in the grid; its letters are recorded as answer n.
  bool FindWord(const std::string& word, int n, bool mark);
  // Walks from the word's first letter (forward) or its last letter (backward) with the step.
  bool WalkForward(const std::string& word, int n, int startRow, int startCol, int colStep, int rowStep);
  bool WalkBackward(const std::string& word, int n, int startRow, int startCol, int colStep, int rowStep);

 private:
  // One walk of either kind: letter numbers run from first to last (forward) or last to first.
  template <bool Forward>
  bool Walk(const std::string& word, int n, int row, int col, int colStep, int rowStep);
  // The four walks from one candidate cell, in step order; true at the first that succeeds.
  template <bool Forward>
  bool WalksFrom(const std::string& word, int n, int row, int col);

  Session& session_;
};

}  // namespace glimmerset
