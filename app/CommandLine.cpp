#include "CommandLine.h"

#include <QDir>

namespace glimmerset::app {

namespace {

CommandLine Only(CommandLine::Action action) { return CommandLine{action, QString()}; }

CommandLine OpenFile(const QString& name, const QString& currentFolder) {
  if (name.isEmpty()) return Only(CommandLine::Action::Usage);
  return CommandLine{CommandLine::Action::Run, QDir::cleanPath(QDir(currentFolder).absoluteFilePath(name))};
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments, const QString& currentFolder) {
  if (arguments.isEmpty()) return Only(CommandLine::Action::Run);
  const QString& first = arguments.front();
  if (arguments.size() == 1) {
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) return Only(CommandLine::Action::Help);
    if (first == QLatin1String("--version")) return Only(CommandLine::Action::Version);
    if (first.startsWith('-')) return Only(CommandLine::Action::Usage);
    return OpenFile(first, currentFolder);
  }
  if (arguments.size() == 2 && first == QLatin1String("--")) return OpenFile(arguments[1], currentFolder);
  return Only(CommandLine::Action::Usage);
}

QString HelpText() {
  return QStringLiteral(
      "Usage: glimmerset [FILE.glm]\n"
      "Find, play, make and print hidden-word letter-grid puzzles.\n"
      "\n"
      "  FILE.glm   open this grid file after start-up, together with the answer\n"
      "             file of the same name (FILE.ans) when one lies beside it\n"
      "  --help     show this help and exit\n"
      "  --version  show the version and exit\n"
      "\n"
      "Without a file it starts as usual, with the last puzzle when Load Last Glimmerset\n"
      "is ticked in the Options menu.\n");
}

QString VersionText(const QString& version) { return QStringLiteral("Glimmerset %1\n").arg(version); }

QString UsageText() {
  return QStringLiteral(
      "Usage: glimmerset [FILE.glm]\n"
      "       glimmerset --help | --version\n");
}

}  // namespace glimmerset::app
