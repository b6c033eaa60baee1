#pragma once
// WordFinder: the one search of the program. Finds a word along a straight line in any of eight
// directions, records where each of its letters lies in PathTable and, on request, marks those
// cells in the answer's highlight colour. It lets pending window events run before every cell it
// looks at and every letter it records.

#include <cstdint>
#include <string>
#include <vector>

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

 public:
  struct Step {
    int ColStep;
    int RowStep;
  };

 private:
  // What one search reads and writes, fixed while it runs. Commands that would change the grid
  // are refused during a search; should the grid change all the same, the search ends there.
  struct Search {
    const std::string& Word;
    int Length;
    const LetterGrid& Grid;
    std::uint64_t Revision;
    const char* Cells;  // the grid's one-letter copy
    int Rows;
    int Cols;
    GridPos* Path;  // the entries of the answer's letters
    UiPort& Port;

    bool GridChanged() const { return Grid.Revision() != Revision; }
  };
  Search Begin(const std::string& word, int n);

  // The walks from one cell with the given steps, in order; true at the first that succeeds.
  // Letter numbers run from first to last (forward) or from last to first (backward).
  template <bool Forward>
  static bool Walks(const Search& search, int row, int col, const Step* steps, int stepCount);

  Session& session_;
  std::vector<GridPos> unnumbered_;  // where the letters of an answer numbered below 1 go
};

}  // namespace glimmerset
