// glimmerset-cli solve: a puzzle pair solved as Solve does, each answer reported with its cells.
#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "CliSupport.h"
#include "Commands.h"
#include "core/PuzzleSolution.h"

namespace glimmerset::cli {

namespace {

QString CellsText(const AnswerPlace& place) {
  QStringList cells;
  for (const GridPos& cell : place.Cells) cells << QStringLiteral("(%1,%2)").arg(cell.Row).arg(cell.Col);
  return cells.join(QLatin1Char(' '));
}

QJsonObject JsonOf(const AnswerPlace& place) {
  QJsonArray cells;
  for (const GridPos& cell : place.Cells) cells.append(QJsonArray{cell.Row, cell.Col});
  return {{QStringLiteral("answer"), QString::fromStdString(place.Text)},
          {QStringLiteral("found"), place.Present},
          {QStringLiteral("cells"), cells}};
}

}  // namespace

int RunSolve(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.addPositionalArgument(QStringLiteral("GRID"), QStringLiteral("The grid file (.glm)."));
  parser.addPositionalArgument(QStringLiteral("ANSWERS"), QStringLiteral("The answer file (.ans) or word list (.txt)."));
  const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Reports in JSON."));
  parser.addOption(json);
  if (!ParseOrHelp(parser, arguments,
                   QStringLiteral("Solves a puzzle as Solve does and names each answer's cells (row, column, from 0, in letter "
                                  "order), or reports it missing. Exit status 0 when every answer is present, 1 when some are "
                                  "missing.")))
    return kDone;
  if (parser.positionalArguments().size() != 2) throw UsageError{QStringLiteral("solve takes a grid file and an answer file (see --help)")};

  LoadedPuzzle puzzle;
  LoadPair(puzzle, parser.positionalArguments()[0], parser.positionalArguments()[1]);
  std::vector<std::string> answers;
  for (const AnswerLine& line : puzzle.Puzzle.Model.Answers) answers.push_back(line.Text);
  const std::vector<AnswerPlace> places = SolvePuzzle(puzzle.Puzzle.Model.Grid, answers);

  int missing = 0;
  QJsonArray reported;
  for (const AnswerPlace& place : places) {
    if (!place.Present) ++missing;
    if (parser.isSet(json))
      reported.append(JsonOf(place));
    else
      PrintOut(QString::fromStdString(place.Text) +
               (place.Present ? QStringLiteral(": found at ") + CellsText(place) : QStringLiteral(": missing")));
  }
  if (parser.isSet(json)) {
    const QJsonObject report{{QStringLiteral("grid"), parser.positionalArguments()[0]},
                             {QStringLiteral("answers"), reported},
                             {QStringLiteral("found"), static_cast<int>(places.size()) - missing},
                             {QStringLiteral("missing"), missing}};
    PrintOut(QString::fromUtf8(QJsonDocument(report).toJson(QJsonDocument::Indented)));
  }
  return missing == 0 ? kDone : kIncomplete;
}

}  // namespace glimmerset::cli
