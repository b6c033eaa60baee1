#include "WordFinder.h"

#include <array>

namespace glimmerset {

namespace {

struct Step {
  int ColStep;
  int RowStep;
};

// Tried in this order from every candidate cell; the two passes together cover all eight ways.
constexpr std::array<Step, 4> kSteps = {{{+1, 0}, {+1, +1}, {0, +1}, {-1, +1}}};

}  // namespace

template <bool Forward>
inline bool WordFinder::Walk(const std::string& word, int n, int row, int col, int colStep, int rowStep) {
  PuzzleModel& model = session_.Model;
  const int length = static_cast<int>(word.size());
  const char* letters = word.data();
  for (int i = 0; i < length; ++i) {
    const int k = Forward ? i + 1 : length - i;
    if (!model.Grid.HoldsLetter(col, row, letters[k - 1])) return false;
    session_.Pump();
    model.Paths.Set(n, k, GridPos{row, col});
    row += rowStep;
    col += colStep;
  }
  return length > 0;
}

// Kept out of line: the scan around it stays small, and candidate cells are the rare case.
template <bool Forward>
[[gnu::noinline]] bool WordFinder::WalksFrom(const std::string& word, int n, int row, int col) {
  for (const Step& step : kSteps)
    if (Walk<Forward>(word, n, row, col, step.ColStep, step.RowStep)) return true;
  return false;
}

bool WordFinder::FindWord(const std::string& word, int n, bool mark) {
  if (word.empty()) return false;
  PuzzleModel& model = session_.Model;
  const char first = word.front();
  const char last = word.back();

  // The port is looked up once: the scan lets window events run before every cell.
  UiPort& port = session_.Port();
  bool found = false;
  // Pass 1 walks from the first letter, pass 2 from the last; the first success ends the search.
  for (int pass = 1; pass <= 2 && !found; ++pass) {
    const char wanted = pass == 1 ? first : last;
    for (int row = 0; row < model.Grid.RowCount() && !found; ++row) {
      for (int col = 0; col < model.Grid.ColCount() && !found; ++col) {
        port.PumpEvents();
        if (model.Grid.HoldsLetter(col, row, wanted))
          found = pass == 1 ? WalksFrom<true>(word, n, row, col) : WalksFrom<false>(word, n, row, col);
      }
    }
  }

  if (found && mark) {
    const int length = static_cast<int>(word.size());
    for (int k = 1; k <= length; ++k) {
      const GridPos pos = model.Paths.Get(n, k);
      model.MarkFound(pos.Col, pos.Row, n);
    }
  }
  return found;
}

bool WordFinder::WalkForward(const std::string& word, int n, int startRow, int startCol, int colStep, int rowStep) {
  return Walk<true>(word, n, startRow, startCol, colStep, rowStep);
}

bool WordFinder::WalkBackward(const std::string& word, int n, int startRow, int startCol, int colStep, int rowStep) {
  return Walk<false>(word, n, startRow, startCol, colStep, rowStep);
}

}  // namespace glimmerset
