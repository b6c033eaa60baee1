#include "Construction.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <ctime>
#include <string>

namespace glimmerset {

namespace {

// Milliseconds since local midnight: the seed of every construction that tests do not fix.
std::uint32_t MillisecondsSinceMidnight() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t seconds = system_clock::to_time_t(now);
  std::tm local{};
  if (const std::tm* converted = std::localtime(&seconds)) local = *converted;
  const auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
  return static_cast<std::uint32_t>(((local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec) * 1000 + millis);
}

int HeldSize(int size) { return std::clamp(size, 1, MaximumGridSize); }

}  // namespace

int Construction::SuggestedSize() const {
  const PuzzleModel& model = session_.Model;
  int size = model.LongestAnswer();
  std::size_t letters = 0;
  for (const auto& line : model.Answers) letters += line.Text.size();
  if (static_cast<std::size_t>(size) * static_cast<std::size_t>(size) < letters)
    size = static_cast<int>(std::lround(std::sqrt(static_cast<double>(letters)))) + SizeMargin;
  return std::min(size, MaximumGridSize);
}

void Construction::ConstructPuzzle() {
  PuzzleModel& model = session_.Model;
  if (model.Busy) return;
  if (model.AnswerCount < MinimumAnswers) {
    session_.Message("You need to enter at least 3 answers before a new game can be constructed");
    return;
  }
  if (model.LongestAnswer() > MaximumGridSize) {
    session_.Message("An answer is longer than " + std::to_string(MaximumGridSize) +
                     " letters and cannot be placed in a grid. Shorten it before constructing a new game");
    return;
  }
  Session::BusyScope busy(session_);

  const int suggested = SuggestedSize();
  const SizeAnswer answer = session_.Port().AskGridSize(suggested);
  if (answer.Choice == WizardChoice::Cancelled) return;
  const int rows = HeldSize(answer.Choice == WizardChoice::Size ? answer.Horizontal : suggested);
  const int cols = HeldSize(answer.Choice == WizardChoice::Size ? answer.Vertical : suggested);
  model.Grid.SetSize(rows, cols);
  session_.SetStatus(SizePanel, " ROWS: " + std::to_string(rows) + " COLS: " + std::to_string(cols));
  session_.PlaceGrid();

  random_.seed(fixedSeed_ ? *fixedSeed_ : MillisecondsSinceMidnight());
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) model.Grid.SetText(c, r, std::string(1, static_cast<char>('A' + Random(26))));
  model.ResetHighlights(true);

  completed_ = RunPasses();
  RedrawSecondReadings();

  session_.SetGridPresent(true);
  model.Commands.PlayEnabled = true;
  model.Commands.FindEnabled = true;
  model.Commands.SolveEnabled = true;
  model.Commands.EditGridEnabled = true;
  session_.CommandsChanged();
  session_.Redraw();
  if (!completed_)
    session_.Message("Not every answer could be placed in the grid. A larger grid may help: press Make again and "
                     "choose a bigger size");
}

bool Construction::RunPasses() {
  PuzzleModel& model = session_.Model;
  const int rows = model.Grid.RowCount();
  const int cols = model.Grid.ColCount();
  for (int pass = 1; pass <= MaximumPasses; ++pass) {
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < cols; ++c)
        if (Tspec* record = model.Grid.Record(c, r)) record->AnswerNo = 0;
    board_.Load(model.Grid, model.Answers);

    int col = Random(cols);
    int row = Random(rows);
    int failures = 0;
    bool abandoned = false;
    for (std::size_t i = 0; i < model.Answers.size() && !abandoned; ++i) {
      const int n = static_cast<int>(i) + 1;
      while (!PlaceAnswer(model.Answers[i].Text, col, row, n)) {
        if (++failures > FailuresPerPass) {
          abandoned = true;
          break;
        }
        session_.Pump();
        col = Random(cols);
        row = Random(rows);
      }
    }
    if (!abandoned) return true;
  }
  return false;
}

bool Construction::PlaceAnswer(const std::string& word, int startCol, int startRow, int n) {
  LetterGrid& grid = session_.Model.Grid;
  if (!board_.InStep(grid)) board_.Load(grid, session_.Model.Answers);
  const int chosen = directions_[static_cast<std::size_t>(Random(static_cast<int>(directions_.size())))];
  const Direction direction = Directions[static_cast<std::size_t>(chosen)];
  const int length = static_cast<int>(word.size());
  if (length == 0) return true;

  // The fit test; a word running left or up keeps its last letter off column 0 or row 0.
  const auto fits = [length](int step, int start, int count) {
    if (step > 0) return start >= 0 && start + length <= count;
    if (step < 0) return start < count && start - length >= 0;
    return start >= 0 && start < count;
  };
  if (!fits(direction.ColStep, startCol, grid.ColCount()) || !fits(direction.RowStep, startRow, grid.RowCount()))
    return false;

  // The crossing test: occupied cells must agree in their letter, and two occupied cells met one
  // after the other must belong to different answers.
  int lastOwner = 0;
  for (int k = 0; k < length; ++k) {
    const int col = startCol + k * direction.ColStep;
    const int row = startRow + k * direction.RowStep;
    const int owner = board_.Owner(col, row);
    if (owner == 0) continue;
    if (board_.Letter(col, row) != word[static_cast<std::size_t>(k)] || owner == lastOwner) return false;
    lastOwner = owner;
  }

  // No answer may become readable a second time through placed letters.
  const Segment cells{startCol, startRow, direction.ColStep, direction.RowStep, length};
  if (!board_.Place(word, cells, n)) return false;

  for (int k = 0; k < length; ++k) {
    const int col = startCol + k * direction.ColStep;
    const int row = startRow + k * direction.RowStep;
    grid.SetText(col, row, std::string(1, word[static_cast<std::size_t>(k)]));
    if (!grid.Record(col, row)) grid.SetRecord(col, row, session_.Model.DefaultLook());
    grid.Record(col, row)->AnswerNo = n;
  }
  board_.FollowWrites(grid);
  return true;
}

void Construction::SetDirections(std::vector<int> allowed) {
  std::erase_if(allowed, [](int d) { return d < 0 || d >= static_cast<int>(Directions.size()); });
  directions_ = allowed.empty() ? std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7} : std::move(allowed);
}

void Construction::RedrawSecondReadings() {
  LetterGrid& grid = session_.Model.Grid;
  if (!board_.InStep(grid)) board_.Load(grid, session_.Model.Answers);
  unresolved_ =
      board_.RedrawSecondReadings([this] { return static_cast<char>('A' + Random(26)); }, MaximumRedrawRounds);
  // Only the redrawn cells differ from the grid's one-letter copy.
  std::size_t i = 0;
  for (int r = 0; r < board_.Rows(); ++r)
    for (int c = 0; c < board_.Cols(); ++c, ++i)
      if (const char letter = board_.Letter(c, r); letter != grid.Letters()[i])
        grid.SetText(c, r, std::string(1, letter));
  board_.FollowWrites(grid);
}

}  // namespace glimmerset
