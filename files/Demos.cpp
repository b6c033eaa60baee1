#include "Demos.h"

#include <QFileInfo>

#include "AnswerFile.h"
#include "GridFile.h"
#include "ProgramFolder.h"

namespace glimmerset {

const std::array<DemoPair, 5>& DemoPairs() {
  static const std::array<DemoPair, 5> pairs = {{
      {1, "Citys", "Find capital citys across theworld", "CityAns.ans", "Citys.glm"},
      {2, "Actress", "All about the films of Audrey Hepburn", "Actress.ans", "Actress.glm"},
      {3, "Family", "Who is in your family", "family.ans", "family.glm"},
      {4, "Simple", "As easy as it gets", "Simple.ans", "Simple.glm"},
      {5, "Movies", "The films of Humphrey Bogart", "Movies.ans", "Movies.glm"},
  }};
  return pairs;
}

const DemoPair* FindDemoPair(int tag) {
  for (const auto& pair : DemoPairs())
    if (pair.Tag == tag) return &pair;
  return nullptr;
}

QString DemoFile(const QString& name) { return ResolveFileCase(DemoFolder() + name); }

namespace {
void EnableLoadedPair(Session& session, bool editGrid) {
  CommandState& commands = session.Model.Commands;
  commands.PlayEnabled = true;
  commands.SolveEnabled = true;
  if (editGrid) commands.EditGridEnabled = true;
  session.CommandsChanged();
}
}  // namespace

void LoadCityDemo(Session& session, ProgramSettings& settings) {
  const QString answers = DemoFile("cityans.ans");
  if (QFileInfo::exists(answers)) {
    const QString remembered = settings.AnswerFileName;
    ReadAnswerFile(session, settings, answers);
    settings.AnswerFileName = remembered;
  } else {
    session.Message("Unable to load Demo Answers");
  }
  const QString grid = DemoFile("citys.glm");
  if (QFileInfo::exists(grid)) {
    const QString remembered = settings.GridFileName;
    ReadGridFile(session, settings, grid);
    settings.GridFileName = remembered;
    EnableLoadedPair(session, false);
  } else {
    session.Message("Unable to load Demo Glimmerset ");
  }
}

void LoadDemoPair(Session& session, ProgramSettings& settings, int tag) {
  const DemoPair* pair = FindDemoPair(tag);
  if (!pair) return;
  const QString answers = DemoFile(pair->AnswerFile);
  if (QFileInfo::exists(answers))
    ReadAnswerFile(session, settings, answers);
  else
    session.Message("Unable to load Demo Answer List " + answers.toStdString());
  const QString grid = DemoFile(pair->GridFile);
  if (QFileInfo::exists(grid)) {
    ReadGridFile(session, settings, grid);
    EnableLoadedPair(session, true);
  } else {
    session.Message("Unable to load Demo Grid " + grid.toStdString());
  }
}

}  // namespace glimmerset
