#pragma once
// CommandLine: what the words after the program's name ask for. With none the program starts as
// usual; one file name opens that grid after the start-up; --help and --version answer on the
// terminal; anything else earns the short usage text.

#include <QString>
#include <QStringList>

namespace glimmerset::app {

struct CommandLine {
  enum class Action { Run, Help, Version, Usage };
  Action What = Action::Run;
  // The grid file to open, made absolute against the current folder; empty for none.
  QString GridFile;
};

// Reads the arguments that follow the program's name. "--" ends the options, so a file whose
// name starts with a dash can still be named.
CommandLine ParseCommandLine(const QStringList& arguments, const QString& currentFolder);

// The texts the terminal gets: the full help, the version line and the usage reminder.
QString HelpText();
QString VersionText(const QString& version);
QString UsageText();

}  // namespace glimmerset::app
