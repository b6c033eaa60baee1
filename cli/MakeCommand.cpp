// glimmerset-cli make: new puzzles from a word list, constructed as Make does, saved as pairs.
#include <QCommandLineParser>
#include <QFileInfo>
#include <random>

#include "CliSupport.h"
#include "Commands.h"
#include "DirectionNames.h"
#include "core/CommandError.h"
#include "core/Construction.h"
#include "core/PuzzleSolution.h"
#include "files/AnswerFile.h"
#include "files/PairFile.h"
#include "files/SafeFile.h"
#include "files/SettingsStore.h"

namespace glimmerset::cli {

namespace {

struct MakeRequest {
  QString WordList;
  QString Out;
  SizeAnswer Size{WizardChoice::Auto, 0, 0};
  std::uint32_t Seed = 0;
  int Count = 1;
  std::vector<int> Directions;
};

// The name of pair i of a batch: NAME, or NAME-001 to NAME-K.
QString PairName(const MakeRequest& request, int i) {
  if (request.Count == 1) return request.Out;
  const int width = std::max(3, static_cast<int>(QString::number(request.Count).size()));
  return request.Out + QStringLiteral("-%1").arg(i, width, 10, QLatin1Char('0'));
}

std::optional<MakeRequest> ReadRequest(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.addPositionalArgument(QStringLiteral("WORDLIST"), QStringLiteral("An answer file (.ans) or any word list (.txt)."));
  parser.addOptions({
      {QStringLiteral("size"), QStringLiteral("A square grid of N by N cells (2 to 40)."), QStringLiteral("N")},
      {QStringLiteral("rows"), QStringLiteral("The grid's rows (2 to 40), with --cols."), QStringLiteral("R")},
      {QStringLiteral("cols"), QStringLiteral("The grid's columns (1 to 40), with --rows."), QStringLiteral("C")},
      {QStringLiteral("seed"), QStringLiteral("Makes the same puzzles on every run."), QStringLiteral("S")},
      {QStringLiteral("count"), QStringLiteral("Makes K puzzles, NAME-001 to NAME-K."), QStringLiteral("K")},
      {QStringLiteral("directions"),
       QStringLiteral("The directions answers may run in: right, down-right, down, down-left, left, up-left, up, up-right, "
                      "or easy (right and down), medium (the four forward ones), hard (all eight, the default)."),
       QStringLiteral("LIST")},
      {QStringLiteral("out"), QStringLiteral("Writes NAME.glm and NAME.ans."), QStringLiteral("NAME")},
  });
  if (!ParseOrHelp(parser, arguments,
                   QStringLiteral("Makes new puzzles from a word list, as Make does, and saves each as a grid and answer file pair.")))
    return std::nullopt;
  if (parser.positionalArguments().size() != 1) throw UsageError{QStringLiteral("make takes one word list (see --help)")};
  if (!parser.isSet(QStringLiteral("out"))) throw UsageError{QStringLiteral("make needs --out NAME for the pairs it writes")};

  MakeRequest request;
  request.WordList = parser.positionalArguments().front();
  request.Out = parser.value(QStringLiteral("out"));
  // A grid file holds at least two rows: Save Glimmerset leaves a one-row grid out.
  const auto size = IntOption(parser, QStringLiteral("size"), 2, MaximumGridSize);
  const auto rows = IntOption(parser, QStringLiteral("rows"), 2, MaximumGridSize);
  const auto cols = IntOption(parser, QStringLiteral("cols"), 1, MaximumGridSize);
  if (size && (rows || cols)) throw UsageError{QStringLiteral("give either --size or --rows and --cols, not both")};
  if (rows.has_value() != cols.has_value()) throw UsageError{QStringLiteral("--rows and --cols go together")};
  if (size) request.Size = {WizardChoice::Size, *size, *size};
  if (rows) request.Size = {WizardChoice::Size, *rows, *cols};
  request.Count = IntOption(parser, QStringLiteral("count"), 1, 100000).value_or(1);
  const auto seed = IntOption(parser, QStringLiteral("seed"), 0, std::numeric_limits<int>::max());
  request.Seed = seed ? static_cast<std::uint32_t>(*seed) : std::random_device{}();
  request.Directions = ParseDirections(parser.value(QStringLiteral("directions")).isEmpty() ? QStringLiteral("hard")
                                                                                          : parser.value(QStringLiteral("directions")));
  return request;
}

}  // namespace

int RunMake(const QStringList& arguments) {
  const std::optional<MakeRequest> request = ReadRequest(arguments);
  if (!request) return kDone;

  QuietPort port(request->Size);
  Session session(port);
  ProgramSettings settings = DefaultProgramSettings();
  ReadWordList(session, settings, request->WordList);
  const PuzzleModel& model = session.Model;
  if (model.AnswerCount < MinimumAnswers)
    throw UsageError{QStringLiteral("The word list %1 holds %2 words: at least %3 are needed to make a puzzle")
                         .arg(request->WordList)
                         .arg(model.AnswerCount)
                         .arg(MinimumAnswers)};

  Construction construction(session);
  construction.SetDirections(request->Directions);
  int status = kDone;
  Progress progress(QStringLiteral("Making"), request->Count);
  for (int i = 1; i <= request->Count; ++i) {
    port.ClearMessages();
    construction.SetSeed(request->Seed + static_cast<std::uint32_t>(i - 1));
    construction.ConstructPuzzle();
    if (!model.GridPresent) throw CommandError(port.Messages().empty() ? "The puzzle could not be made" : port.Messages().front());
    const QString name = PairName(*request, i);
    WritePuzzlePairQuickly(model.Grid, model.AnswersList, name + QStringLiteral(".glm"), name + QStringLiteral(".ans"));
    if (!construction.Completed()) {
      status = kIncomplete;
      std::vector<std::string> answers;
      for (const AnswerLine& line : model.Answers) answers.push_back(line.Text);
      QStringList unplaced;
      for (const AnswerPlace& place : SolvePuzzle(model.Grid, answers))
        if (!place.Present) unplaced << QString::fromStdString(place.Text);
      PrintError(QStringLiteral("%1: not placed: %2").arg(name, unplaced.join(QStringLiteral(", "))));
    }
    progress.Step();
  }
  // The whole batch reaches the disk at once rather than file by file.
  const QString folder = QFileInfo(request->Out).absolutePath();
  if (!SyncFolder(folder)) throw CommandError("Cannot create file " + PairName(*request, request->Count).toStdString() + ".ans");
  return status;
}

}  // namespace glimmerset::cli
