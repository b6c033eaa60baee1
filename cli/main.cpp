// glimmerset-cli: makes, solves and prints Glimmerset puzzles from the command line, in batches.
#include <QGuiApplication>
#include <new>

#include "CliSupport.h"
#include "Commands.h"
#include "core/CommandError.h"

using namespace glimmerset::cli;

namespace {

const char* const kUsage =
    "Usage: glimmerset-cli COMMAND [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  make WORDLIST --out NAME [--size N | --rows R --cols C] [--seed S] [--count K] [--directions LIST]\n"
    "                 make puzzles from a word list and save them as NAME.glm and NAME.ans\n"
    "  solve GRID ANSWERS [--json]\n"
    "                 solve a puzzle and name every answer's cells\n"
    "  print PAIR... (--pdf OUT.pdf | --printer QUEUE) [--key]\n"
    "                 print puzzle pages, with their answer keys after them\n"
    "\n"
    "Each command answers --help. Exit status: 0 done, 1 some answers not placed or missing, 2 bad input.\n";

int Dispatch(const QStringList& arguments) {
  const QString command = arguments.value(1);
  const QStringList rest = arguments.mid(1);
  if (command == QLatin1String("make")) return RunMake(rest);
  if (command == QLatin1String("solve")) return RunSolve(rest);
  if (command == QLatin1String("print")) return RunPrint(rest);
  if (command == QLatin1String("--help") || command == QLatin1String("-h") || command == QLatin1String("help")) {
    PrintOut(QString::fromLatin1(kUsage));
    return kDone;
  }
  if (command == QLatin1String("--version")) {
    PrintOut(QStringLiteral("glimmerset-cli " GLIMMERSET_VERSION));
    return kDone;
  }
  PrintError(command.isEmpty() ? QStringLiteral("No command given.") : QStringLiteral("Unknown command \"%1\".").arg(command));
  PrintError(QString::fromLatin1(kUsage));
  return kBadInput;
}

}  // namespace

int main(int argc, char** argv) {
  // No window is ever shown: the offscreen platform gives fonts and painting without a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietQtMessages);
  QGuiApplication app(argc, argv);
  QGuiApplication::setApplicationName(QStringLiteral("glimmerset-cli"));
  try {
    return Dispatch(QGuiApplication::arguments());
  } catch (const UsageError& error) {
    PrintError(error.Text);
    return kBadInput;
  } catch (const glimmerset::CommandError& error) {
    PrintError(QString::fromLocal8Bit(error.what()));
    return kBadInput;
  } catch (const std::bad_alloc&) {
    PrintError(QStringLiteral("Out of memory"));
    return kBadInput;
  }
}
