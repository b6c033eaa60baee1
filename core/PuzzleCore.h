#pragma once
// PuzzleCore: the window-free puzzle of one run: the session (model and port) with the commands
// that work on it. The main window holds one and forwards its input to it.

#include "Construction.h"
#include "Game.h"
#include "Session.h"
#include "SolveCommands.h"

namespace glimmerset {

class PuzzleCore {
 public:
  explicit PuzzleCore(UiPort& port) : session(port), commands(session), game(session, commands), construction(session) {}

  Session session;
  SolveCommands commands;
  Game game;
  Construction construction;
};

}  // namespace glimmerset
