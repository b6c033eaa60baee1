#pragma once
// Demos: the five demonstration puzzles in the program's Demo folder, the table the demo chooser
// shows, and their loading, either as the remembered pair (the chooser) or without touching the
// remembered pair (the capital-cities demo of the Demo entry).

#include <QString>
#include <array>

#include "ProgramSettings.h"
#include "core/Session.h"

namespace glimmerset {

struct DemoPair {
  int Tag;
  const char* Caption;     // the chooser button's text
  const char* Topic;       // the label beside the button
  const char* AnswerFile;  // in the Demo folder
  const char* GridFile;
};

const std::array<DemoPair, 5>& DemoPairs();
// The pair of a tag, or nullptr for an unknown tag.
const DemoPair* FindDemoPair(int tag);

// A file of the Demo folder, found whatever the letter case of its name.
QString DemoFile(const QString& name);

// Loads "cityans.ans" and "citys.glm" from the Demo folder and puts the remembered names back;
// enables Play and Solve. A missing file gives "Unable to load Demo Answers" or
// "Unable to load Demo Glimmerset "; a faulty one throws its CommandError.
void LoadCityDemo(Session& session, ProgramSettings& settings);

// Loads the pair of a chooser button as the remembered pair and enables Play, Solve and EDIT.
// A missing file gives "Unable to load Demo Answer List " or "Unable to load Demo Grid " with its path.
void LoadDemoPair(Session& session, ProgramSettings& settings, int tag);

}  // namespace glimmerset
