#include "CliSupport.h"

#include <unistd.h>

#include <QFileInfo>
#include <cstdio>

#include "core/CommandError.h"
#include "files/AnswerFile.h"
#include "files/GridFile.h"
#include "files/SettingsStore.h"

namespace glimmerset::cli {

bool ParseOrHelp(QCommandLineParser& parser, const QStringList& arguments, const QString& summary) {
  parser.setApplicationDescription(summary);
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this help."));
  parser.addOption(help);
  if (!parser.parse(arguments)) throw UsageError{parser.errorText()};
  if (parser.isSet(help)) {
    // The parser names the program by its path; the usage line names the command as it is typed.
    QString text = parser.helpText();
    const qsizetype options = text.indexOf(QStringLiteral(" [options]"));
    if (text.startsWith(QStringLiteral("Usage: ")) && options > 0)
      text.replace(7, options - 7, QStringLiteral("glimmerset-cli ") + arguments.value(0));
    PrintOut(text);
    return false;
  }
  return true;
}

std::optional<int> IntOption(const QCommandLineParser& parser, const QString& name, int lowest, int highest) {
  if (!parser.isSet(name)) return std::nullopt;
  bool ok = false;
  const int value = parser.value(name).toInt(&ok);
  if (!ok || value < lowest || value > highest)
    throw UsageError{QStringLiteral("--%1 takes a whole number from %2 to %3, not \"%4\"")
                         .arg(name)
                         .arg(lowest)
                         .arg(highest)
                         .arg(parser.value(name))};
  return value;
}

namespace {
QString StemOf(const QString& pair) {
  const QFileInfo info(pair);
  const QString suffix = info.suffix().toLower();
  if (suffix == QLatin1String("glm") || suffix == QLatin1String("ans")) return pair.left(pair.size() - info.suffix().size() - 1);
  return pair;
}
}  // namespace

QString GridFileOf(const QString& pair) { return StemOf(pair) + QStringLiteral(".glm"); }
QString AnswerFileOf(const QString& pair) { return StemOf(pair) + QStringLiteral(".ans"); }

void ReadWordList(Session& session, ProgramSettings& settings, const QString& fileName) {
  // The window passes over a list that is not there; a command asked for it by name reports it.
  if (!QFileInfo(fileName).isFile()) throw CommandError("Cannot open file " + fileName.toStdString());
  ReadAnswerFile(session, settings, fileName);
}

void LoadPair(LoadedPuzzle& puzzle, const QString& gridFile, const QString& answerFile) {
  puzzle.Settings = DefaultProgramSettings();
  ReadWordList(puzzle.Puzzle, puzzle.Settings, answerFile);
  ReadGridFile(puzzle.Puzzle, puzzle.Settings, gridFile);
}

void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtCriticalMsg || type == QtFatalMsg) PrintError(text);
}

void PrintError(const QString& text) {
  const QByteArray bytes = text.toLocal8Bit();
  std::fprintf(stderr, "%s\n", bytes.constData());
}

void PrintOut(const QString& text) {
  const QByteArray bytes = text.toLocal8Bit();
  std::fputs(bytes.constData(), stdout);
  if (!text.endsWith(QLatin1Char('\n'))) std::fputc('\n', stdout);
}

Progress::Progress(const QString& label, int total) : label_(label), total_(total), shown_(total > 1 && isatty(STDERR_FILENO)) {
  Draw();
}

Progress::~Progress() {
  if (shown_) std::fputc('\n', stderr);
}

void Progress::Step() {
  ++done_;
  Draw();
}

void Progress::Draw() const {
  if (!shown_) return;
  constexpr int kWidth = 30;
  const int filled = total_ > 0 ? done_ * kWidth / total_ : kWidth;
  const QByteArray bar = QByteArray(filled, '#') + QByteArray(kWidth - filled, '.');
  const QByteArray label = label_.toLocal8Bit();
  std::fprintf(stderr, "\r%s [%s] %d/%d", label.constData(), bar.constData(), done_, total_);
  std::fflush(stderr);
}

}  // namespace glimmerset::cli
