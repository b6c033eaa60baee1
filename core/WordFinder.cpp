#include "WordFinder.h"

#include <algorithm>
#include <array>

namespace glimmerset {

namespace {

using Step = WordFinder::Step;

// Tried in this order from every candidate cell; the two passes together cover all eight ways.
constexpr std::array<Step, 4> kSteps = {{{+1, 0}, {+1, +1}, {0, +1}, {-1, +1}}};
constexpr int kStepCount = static_cast<int>(kSteps.size());

// How many cells a walk from (row, col) visits before it would leave a grid of rows by cols,
// at most length.
inline int Room(int length, int rows, int cols, int row, int col, int colStep, int rowStep) {
  if (row < 0 || col < 0 || row >= rows || col >= cols) return 0;
  int room = length;
  if (colStep > 0) room = std::min(room, cols - col);
  if (colStep < 0) room = std::min(room, col + 1);
  if (rowStep > 0) room = std::min(room, rows - row);
  if (rowStep < 0) room = std::min(room, row + 1);
  return room;
}

}  // namespace

WordFinder::Search WordFinder::Begin(const std::string& word, int n) {
  PuzzleModel& model = session_.Model;
  const int length = static_cast<int>(word.size());
  GridPos* path = nullptr;
  if (n >= 1) {
    path = model.Paths.Letters(n, length);
  } else {
    unnumbered_.assign(word.size(), GridPos{});
    path = unnumbered_.data();
  }
  return Search{word,          length, model.Grid, model.Grid.Revision(), model.Grid.Letters(), model.Grid.RowCount(),
                model.Grid.ColCount(), path,   session_.Port()};
}

// The walks from one cell with the given steps, in order, until one succeeds. A walk compares
// letter k (numbered from the first letter forward, or from the last backward) with each cell it
// reaches and records every cell that matched, so a failed walk leaves its letters behind.
template <bool Forward>
bool WordFinder::Walks(const Search& search, int row, int col, const Step* steps, int stepCount) {
  // Local copies stay in registers across the pumps.
  UiPort& port = search.Port;
  const LetterGrid& grid = search.Grid;
  const std::uint64_t revision = search.Revision;
  const char* const cells = search.Cells;
  const char* const letters = search.Word.data();
  GridPos* const path = search.Path;
  const int length = search.Length;
  const std::ptrdiff_t start = static_cast<std::ptrdiff_t>(row) * search.Cols + col;
  for (const Step* step = steps; step != steps + stepCount; ++step) {
    const int room = Room(length, search.Rows, search.Cols, row, col, step->ColStep, step->RowStep);
    const std::ptrdiff_t delta = static_cast<std::ptrdiff_t>(step->RowStep) * search.Cols + step->ColStep;
    std::ptrdiff_t index = start;
    int i = 0;
    for (; i < room; ++i, index += delta) {
      const int k = Forward ? i + 1 : length - i;
      const char letter = letters[k - 1];
      if (letter == '\0' || cells[index] != letter) break;
      port.PumpEvents();
      if (grid.Revision() != revision) return false;
      path[k - 1] = GridPos{row + i * step->RowStep, col + i * step->ColStep};
    }
    // A walk that runs out of the grid fails after recording the letters it found inside.
    if (i == length && length > 0) return true;
  }
  return false;
}

bool WordFinder::FindWord(const std::string& word, int n, bool mark) {
  if (word.empty()) return false;
  const Search search = Begin(word, n);
  // The scan's own copies stay in registers across the pumps.
  UiPort& port = search.Port;
  const LetterGrid& grid = search.Grid;
  const std::uint64_t revision = search.Revision;
  const char* const cells = search.Cells;
  const int cols = search.Cols;
  const int count = search.Rows * cols;
  bool found = false;
  // Pass 1 walks from the first letter, pass 2 from the last; the first success ends the search.
  // Window events run before every cell looked at.
  for (int pass = 1; pass <= 2 && !found; ++pass) {
    const char wanted = pass == 1 ? word.front() : word.back();
    for (int i = 0; i < count; ++i) {
      port.PumpEvents();
      if (grid.Revision() != revision) return false;
      if (cells[i] != wanted) continue;
      found = pass == 1 ? Walks<true>(search, i / cols, i % cols, kSteps.data(), kStepCount)
                        : Walks<false>(search, i / cols, i % cols, kSteps.data(), kStepCount);
      if (found) break;
    }
  }

  if (found && mark) {
    PuzzleModel& model = session_.Model;
    for (int k = 1; k <= search.Length; ++k) {
      const GridPos pos = search.Path[k - 1];
      model.MarkFound(pos.Col, pos.Row, n);
    }
  }
  return found;
}

bool WordFinder::WalkForward(const std::string& word, int n, int startRow, int startCol, int colStep, int rowStep) {
  const Step step{colStep, rowStep};
  return Walks<true>(Begin(word, n), startRow, startCol, &step, 1);
}

bool WordFinder::WalkBackward(const std::string& word, int n, int startRow, int startCol, int colStep, int rowStep) {
  const Step step{colStep, rowStep};
  return Walks<false>(Begin(word, n), startRow, startCol, &step, 1);
}

}  // namespace glimmerset
