#pragma once
// Game: the player traces each answer with the mouse, letter by letter. Presses and movements
// are judged against the paths the solver recorded; wrong presses count against AllowedErrors.

#include <string>

#include "Session.h"
#include "SolveCommands.h"

namespace glimmerset {

class Game {
 public:
  Game(Session& session, SolveCommands& commands) : session_(session), commands_(commands) {}

  // The Play button.
  void StartGame();
  // A mouse button went down on the cell (column, row); positions outside the grid never hit.
  void PressCell(int col, int row);
  // The pointer moved over the cell while Tracking is set.
  void MoveOverCell(int col, int row);

  // "Found 2 out of 5  3 To Find  3 Errors"
  std::string ScoreLine() const;
  // "Col 4,Row 0"
  static std::string CoordinateText(int col, int row);

 private:
  // The cell holds letter CurrentLetter of the current answer's path, and the answer is one the
  // game's check found.
  bool IsExpectedCell(int col, int row) const;
  // A press on the first letter of another place where the current answer lies: that place
  // becomes the answer's path. True when it did.
  bool TakeOtherPlace(int col, int row);
  void CompleteAnswer();

  Session& session_;
  SolveCommands& commands_;
};

}  // namespace glimmerset
