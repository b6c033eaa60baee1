// Glimmerset: the command line, the application object, the font stand-ins, the main window and
// the event loop.
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QIcon>
#include <QTimer>
#include <cstdio>

#include "CommandLine.h"
#include "QuitOnSignal.h"
#include "ui/words.h"

using glimmerset::app::CommandLine;

namespace {

// The faces the program names, mapped to installed faces that look the part.
void InstallFontSubstitutes() {
  const std::pair<const char*, const char*> substitutes[] = {
      {"MS Sans Serif", "Liberation Sans"},       {"Arial", "Liberation Sans"},
      {"Times New Roman", "Liberation Serif"},    {"Times new roman", "Liberation Serif"},
      {"Times new Roman", "Liberation Serif"},    {"Courier New", "Liberation Mono"},
      {"Mural Script", "Dancing Script"},         {"Book Antiqua", "TeX Gyre Pagella"},
  };
  for (const auto& [face, standIn] : substitutes) QFont::insertSubstitution(QString::fromLatin1(face), QString::fromLatin1(standIn));
}

QStringList ArgumentsAfterName(const QStringList& arguments) { return arguments.mid(1); }

// Answers --help, --version and a faulty command line on the terminal; the exit status, or -1
// when the program is to run.
int AnswerOnTerminal(const CommandLine& line) {
  switch (line.What) {
    case CommandLine::Action::Help:
      std::fputs(glimmerset::app::HelpText().toLocal8Bit().constData(), stdout);
      return 0;
    case CommandLine::Action::Version:
      std::fputs(glimmerset::app::VersionText(QStringLiteral(GLIMMERSET_VERSION)).toLocal8Bit().constData(), stdout);
      return 0;
    case CommandLine::Action::Usage:
      std::fputs(glimmerset::app::UsageText().toLocal8Bit().constData(), stderr);
      return 2;
    case CommandLine::Action::Run:
      break;
  }
  return -1;
}

// A request to stop closes the window once it could take a command: after its start-up has read
// the settings that closing saves, and when no message or dialog waits for an answer.
void CloseOnceStarted(TWordForm& window) {
  if (window.StartupFinished() && !QApplication::activeModalWidget()) {
    window.close();
    return;
  }
  QTimer::singleShot(50, &window, [&window] { CloseOnceStarted(window); });
}

}  // namespace

int main(int argc, char** argv) {
  // --help and --version answer without a display; Qt's own options are taken out below first.
  QStringList raw;
  for (int i = 1; i < argc; ++i) raw << QString::fromLocal8Bit(argv[i]);
  if (const CommandLine early = glimmerset::app::ParseCommandLine(raw, QDir::currentPath());
      early.What == CommandLine::Action::Help || early.What == CommandLine::Action::Version)
    return AnswerOnTerminal(early);

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Glimmerset"));
  QApplication::setOrganizationName(QStringLiteral("Marlock"));
  QGuiApplication::setDesktopFileName(QStringLiteral(GLIMMERSET_APP_ID));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(GLIMMERSET_APP_ID)));
  const CommandLine line = glimmerset::app::ParseCommandLine(ArgumentsAfterName(QApplication::arguments()), QDir::currentPath());
  if (const int status = AnswerOnTerminal(line); status >= 0) return status;
  InstallFontSubstitutes();

  glimmerset::ui::WindowSetup setup;
  setup.StartupGrid = line.GridFile;
  TWordForm window(std::move(setup));
  glimmerset::app::QuitOnSignal quit([&window] { CloseOnceStarted(window); });
  window.show();
  window.activateWindow();
  return app.exec();
}
