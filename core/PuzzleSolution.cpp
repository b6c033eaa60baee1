#include "PuzzleSolution.h"

#include "QuietPort.h"
#include "Session.h"
#include "SolveCommands.h"

namespace glimmerset {

std::vector<AnswerPlace> SolvePuzzle(const LetterGrid& grid, const std::vector<std::string>& answers) {
  QuietPort port;
  Session session(port);
  PuzzleModel& model = session.Model;
  model.Grid = grid;
  model.GridPresent = true;
  for (const std::string& answer : answers) model.Answers.push_back({answer, std::nullopt});
  model.AnswerCount = static_cast<int>(answers.size());
  SolveCommands(session).SolveList(false);

  std::vector<AnswerPlace> places;
  places.reserve(answers.size());
  for (std::size_t i = 0; i < answers.size(); ++i) {
    const int n = static_cast<int>(i) + 1;
    AnswerPlace place{answers[i], model.Answers[i].LineColour == colours::Blue, {}};
    if (place.Present)
      for (int k = 1; k <= static_cast<int>(answers[i].size()); ++k) place.Cells.push_back(model.Paths.Get(n, k));
    places.push_back(std::move(place));
  }
  return places;
}

}  // namespace glimmerset
