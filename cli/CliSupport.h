#pragma once
// CliSupport: what the subcommands of glimmerset-cli share: their exit statuses, reading their
// options, loading a puzzle pair with the program's own readers, messages on standard error and
// the progress bar of long batches.

#include <QCommandLineParser>
#include <QString>
#include <QtGlobal>
#include <QStringList>
#include <optional>
#include <string>

#include "core/QuietPort.h"
#include "core/Session.h"
#include "files/ProgramSettings.h"

namespace glimmerset::cli {

// 0: done; 1: done, but some answers could not be placed or are missing; 2: bad input.
enum ExitStatus { kDone = 0, kIncomplete = 1, kBadInput = 2 };

// A refusal of the command line (an unknown option, a missing argument, a size out of range):
// its text goes to standard error and the program ends with status 2.
struct UsageError {
  QString Text;
};

// Parses the subcommand's arguments; --help prints the help and returns false.
bool ParseOrHelp(QCommandLineParser& parser, const QStringList& arguments, const QString& summary);
// A whole-number option in a range; nullopt when it is not given.
std::optional<int> IntOption(const QCommandLineParser& parser, const QString& name, int lowest, int highest);

// A puzzle loaded as Load Glimmerset loads it: the answer file, then the grid file.
struct LoadedPuzzle {
  QuietPort Port;
  Session Puzzle{Port};
  ProgramSettings Settings;
};
// NAME, NAME.glm or NAME.ans: the two files of the pair.
QString GridFileOf(const QString& pair);
QString AnswerFileOf(const QString& pair);
void LoadPair(LoadedPuzzle& puzzle, const QString& gridFile, const QString& answerFile);
// Reads a word list as Load Answer List does; a list that is not there is "Cannot open file %s".
void ReadWordList(Session& session, ProgramSettings& settings, const QString& fileName);

// Keeps Qt's own notes about its environment off standard error, which carries only the
// program's messages; critical ones still show.
void QuietQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& text);

void PrintError(const QString& text);
void PrintOut(const QString& text);

// A bar on standard error that shows how far a batch has come, drawn only on a terminal.
class Progress {
 public:
  Progress(const QString& label, int total);
  ~Progress();
  void Step();

 private:
  void Draw() const;
  QString label_;
  int total_;
  int done_ = 0;
  bool shown_;
};

}  // namespace glimmerset::cli
