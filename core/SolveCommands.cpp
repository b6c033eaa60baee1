#include "SolveCommands.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace glimmerset {

namespace {

constexpr int kReturnKey = 13;

std::string UpperAscii(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

}  // namespace

void SolveCommands::Find() {
  PuzzleModel& model = session_.Model;
  if (model.Busy) return;
  if (model.WordText.size() < 2) {
    session_.Message("No valid word selected");
    return;
  }
  model.ResetHighlights(false);
  model.GameRunning = false;
  session_.SetWordText(UpperAscii(model.WordText));

  const std::string word = model.WordText;
  bool found = false;
  {
    Session::BusyScope busy(session_);
    found = finder_.FindWord(word, 1, true);
  }
  if (found) {
    session_.SetStatus(MessagePanel, "Found " + word);
    session_.Play(SoundEffect::Won);
  } else {
    session_.Play(SoundEffect::Bad);
    session_.SetStatus(MessagePanel, "Glimmerset Failed");
  }
  session_.Redraw();
}

bool SolveCommands::WordKeyDown(int key) {
  if (key != kReturnKey) return false;
  Find();
  return true;
}

void SolveCommands::Solve() {
  PuzzleModel& model = session_.Model;
  if (model.Busy) return;
  if (model.AnswerCount <= 0 || !model.GridPresent) {
    session_.Message("Can't Solve. Check Answer list and Grid");
    return;
  }
  Clear();
  const int found = SolveList(true);
  if (found == model.AnswerCount) {
    session_.SetStatus(MessagePanel, "Found All " + std::to_string(found) + " words");
    session_.Play(SoundEffect::Won);
  } else {
    session_.Play(SoundEffect::Bad);
    session_.SetStatus(MessagePanel, "Glimmerset Failed, Found " + std::to_string(found) + " words");
  }
  session_.Redraw();
}

int SolveCommands::SolveList(bool mark) {
  PuzzleModel& model = session_.Model;
  if (model.Busy) return 0;
  // With nothing to solve the list keeps its lines: emptying it would lose the answers.
  if (model.AnswerCount <= 0) return 0;
  Session::BusyScope busy(session_);

  std::vector<AnswerLine> lines = std::move(model.Answers);
  model.Answers.clear();
  model.Answers.reserve(lines.size());
  session_.AnswerListChanged();

  // Only the lines the count covers are solved; any line beyond it stays as it was.
  const int solvable = std::min(model.AnswerCount, static_cast<int>(lines.size()));
  int found = 0;
  for (int i = 1; i <= solvable; ++i) {
    AnswerLine& line = lines[static_cast<std::size_t>(i - 1)];
    session_.SetWordText(line.Text);
    const bool present = finder_.FindWord(line.Text, i, mark);
    if (present) ++found;
    const Colour colour = present ? colours::Blue : colours::Red;
    model.AnswerColours.Set(i, colour);
    model.Answers.push_back(AnswerLine{std::move(line.Text), colour});
    session_.AnswerListChanged();
  }
  for (std::size_t i = static_cast<std::size_t>(solvable); i < lines.size(); ++i)
    model.Answers.push_back(std::move(lines[i]));
  if (static_cast<std::size_t>(solvable) < lines.size()) session_.AnswerListChanged();
  return found;
}

void SolveCommands::Clear() {
  PuzzleModel& model = session_.Model;
  if (model.Busy) return;
  session_.ClearAnswers();
  model.Commands.PlayEnabled = true;
  session_.CommandsChanged();
  model.GameRunning = false;
}

void SolveCommands::SelChange(int line) {
  PuzzleModel& model = session_.Model;
  if (model.Busy) return;
  if (line < 0 || static_cast<std::size_t>(line) >= model.Answers.size()) return;
  if (model.AnswerColours.Get(line + 1) == colours::Green) return;
  session_.SetWordText(model.Answers[static_cast<std::size_t>(line)].Text);
  model.CurrentAnswer = line + 1;
  model.CurrentLetter = 1;
}

void SolveCommands::GridSelectCell(int /*col*/, int /*row*/) {}

}  // namespace glimmerset
