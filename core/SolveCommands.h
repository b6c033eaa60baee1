#pragma once
// SolveCommands: Find (the word in the word box), Solve (every answer of the list), Clear,
// picking an answer in the list and selecting a grid cell, with their status texts, messages
// and sounds.

#include "Session.h"
#include "WordFinder.h"

namespace glimmerset {

class SolveCommands {
 public:
  explicit SolveCommands(Session& session) : session_(session), finder_(session) {}

  // Find: looks for the word box text as answer 1 and marks it.
  void Find();
  // A key pressed in the word box: RETURN (13) runs Find; true when the key was handled.
  bool WordKeyDown(int key);
  // Solve: solves and marks the whole list.
  void Solve();
  // Runs the finder over every answer, recolours the list and returns how many were found.
  int SolveList(bool mark);
  // Clear: takes every mark off the grid and ends a game.
  void Clear();
  // The user moved the caret or selection to a line of the answer list.
  void SelChange(int line);
  // Selecting a grid cell has no effect of its own.
  void GridSelectCell(int col, int row);

 private:
  Session& session_;
  WordFinder finder_;
};

}  // namespace glimmerset
