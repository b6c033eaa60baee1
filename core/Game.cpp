#include "Game.h"

#include <cstddef>
#include <string>

#include "AnswerPlaces.h"

namespace glimmerset {

void Game::StartGame() {
  PuzzleModel& model = session_.Model;
  if (model.Busy) return;
  if (model.Answers.empty()) {
    session_.Message("No Answer list present");
    return;
  }
  if (!model.GridPresent) {
    session_.Message("No Grid Present");
    return;
  }
  model.Commands.PlayEnabled = false;
  session_.CommandsChanged();
  model.GameRunning = true;
  session_.ClearAnswers();

  const int present = commands_.SolveList(false);
  if (present == model.AnswerCount) {
    session_.SetStatus(MessagePanel, "All " + std::to_string(present) + " words are present");
  } else if (present == 0) {
    session_.SetStatus(MessagePanel, "All Answers are Missing");
    session_.Message("None of the listed answers are present in the Grid");
  } else {
    session_.SetStatus(MessagePanel, "Some Answers are Missing");
  }

  // The answers this check found are the ones the game can trace; the others keep whatever
  // cells their failed search left in the paths, which must not count.
  model.PresentInGame.assign(model.Answers.size(), false);
  for (std::size_t i = 0; i < model.Answers.size() && static_cast<int>(i) < model.AnswerCount; ++i)
    model.PresentInGame[i] = model.AnswerColours.Get(static_cast<int>(i) + 1) == colours::Blue;
  model.ToFindCount = present;
  model.CurrentAnswer = 1;
  if (!model.Answers.empty()) session_.SetWordText(model.Answers.front().Text);
  model.ResetHighlights(false);
  session_.Redraw();

  model.CurrentLetter = 1;
  session_.SetStatus(ScorePanel, "Found 0 out of " + std::to_string(present) + "  " + std::to_string(present) +
                                     " To Find");
}

void Game::PressCell(int col, int row) {
  PuzzleModel& model = session_.Model;
  if (model.Busy) return;
  if (!model.GameRunning) {
    session_.Message("Press \"Play\" to start the game");
    return;
  }
  session_.SetStatus(CellPanel, CoordinateText(col, row));
  if (IsExpectedCell(col, row) || TakeOtherPlace(col, row)) {
    model.MarkFound(col, row, model.CurrentAnswer);
    model.Tracking = true;
    session_.Redraw();
    return;
  }
  session_.Play(SoundEffect::Bad);
  ++model.ErrorCount;
  session_.SetStatus(ScorePanel, ScoreLine());
  if (model.ErrorCount > model.AllowedErrors) {
    session_.Message("You made " + std::to_string(model.ErrorCount) + " Errors, GAME OVER");
    commands_.Clear();
  }
}

void Game::MoveOverCell(int col, int row) {
  PuzzleModel& model = session_.Model;
  if (model.Busy || !model.Tracking) return;
  session_.SetStatus(CellPanel, CoordinateText(col, row));
  // Outside a game the trace stands still: only the pointer position is reported.
  if (!model.GameRunning || !IsExpectedCell(col, row)) return;

  model.MarkFound(col, row, model.CurrentAnswer);
  if (model.CurrentLetter < static_cast<int>(model.WordText.size())) {
    ++model.CurrentLetter;
    session_.Redraw();
    return;
  }
  CompleteAnswer();
}

void Game::CompleteAnswer() {
  PuzzleModel& model = session_.Model;
  ++model.FoundCount;
  model.Tracking = false;
  session_.Redraw();
  session_.Play(SoundEffect::Won);

  const std::string answer = model.WordText;
  if (model.FoundCount == model.ToFindCount) {
    session_.Message("Found " + answer + " Glimmerset Completed ");
    model.FoundCount = 0;
    model.Commands.PlayEnabled = true;
    session_.CommandsChanged();
    model.GameRunning = false;
  } else {
    session_.Message("Found " + answer);
  }

  model.AnswerColours.Set(model.CurrentAnswer, colours::Green);
  for (std::size_t i = 0; i < model.Answers.size(); ++i)
    model.Answers[i].LineColour = model.AnswerColours.Get(static_cast<int>(i) + 1);
  session_.AnswerListChanged();

  model.CurrentAnswer = 0;
  for (std::size_t i = 0; i < model.Answers.size(); ++i) {
    if (model.AnswerColours.Get(static_cast<int>(i) + 1) != colours::Green) {
      model.CurrentAnswer = static_cast<int>(i) + 1;
      break;
    }
  }
  if (model.CurrentAnswer > 0)
    session_.SetWordText(model.Answers[static_cast<std::size_t>(model.CurrentAnswer - 1)].Text);
  else if (!model.Answers.empty())
    session_.SetWordText(model.Answers.back().Text);

  session_.SetStatus(ScorePanel, ScoreLine());
  model.CurrentLetter = 1;
  session_.Redraw();
}

bool Game::TakeOtherPlace(int col, int row) {
  PuzzleModel& model = session_.Model;
  if (model.CurrentLetter != 1 || !model.IsPresentInGame(model.CurrentAnswer) ||
      static_cast<std::size_t>(model.CurrentAnswer) > model.Answers.size())
    return false;
  const std::string& answer = model.Answers[static_cast<std::size_t>(model.CurrentAnswer) - 1].Text;
  const auto place = PlaceStartingAt(model.Grid, answer, col, row);
  if (!place) return false;
  for (std::size_t k = 0; k < place->size(); ++k) model.Paths.Set(model.CurrentAnswer, static_cast<int>(k) + 1, (*place)[k]);
  return true;
}

bool Game::IsExpectedCell(int col, int row) const {
  const PuzzleModel& model = session_.Model;
  if (!model.Grid.Contains(col, row) || !model.IsPresentInGame(model.CurrentAnswer)) return false;
  const GridPos expected = model.Paths.Get(model.CurrentAnswer, model.CurrentLetter);
  return expected.IsSet() && expected.Col == col && expected.Row == row;
}

std::string Game::ScoreLine() const {
  const PuzzleModel& model = session_.Model;
  return "Found " + std::to_string(model.FoundCount) + " out of " + std::to_string(model.ToFindCount) + "  " +
         std::to_string(model.ToFindCount - model.FoundCount) + " To Find  " + std::to_string(model.ErrorCount) +
         " Errors";
}

std::string Game::CoordinateText(int col, int row) {
  return "Col " + std::to_string(col) + ",Row " + std::to_string(row);
}

}  // namespace glimmerset
