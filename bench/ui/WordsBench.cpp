// Speed of the main window, headless: Solve from the click to the repaint of the grid, reading a
// long answer file into the list, and the start-up from the window's creation to its first
// painted frame.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>
#include <random>

#include "controls/OvalButton.h"
#include "ui/AnswerListView.h"
#include "ui/GridView.h"
#include "ui/WindowBackground.h"
#include "ui/words.h"

namespace {

using namespace glimmerset;
using namespace glimmerset::ui;

class SilentDialogs : public WindowDialogs {
 public:
  QString fileToOpen;  // what every open dialog answers; empty for cancel
  void ShowMessage(QWidget*, const QString&) override {}
  bool AskOkAbort(QWidget*, const QString&) override { return true; }
  std::optional<QString> OpenFile(QWidget*, const FileRequest&) override {
    if (fileToOpen.isEmpty()) return std::nullopt;
    return fileToOpen;
  }
  std::optional<QString> SaveFile(QWidget*, const FileRequest&) override { return std::nullopt; }
  std::optional<ChosenFont> ChooseFont(QWidget*, const ChosenFont&) override { return std::nullopt; }
  std::optional<QColor> ChooseColour(QWidget*, const QColor&) override { return std::nullopt; }
};

class SilentPlayer : public SoundPlayer {
 public:
  bool Open(const QString&) override { return true; }
  bool IsOpen() const override { return true; }
  bool IsPlaying() const override { return false; }
  void Play() override {}
};

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// A left click in the middle of the button, delivered as the two mouse events the window
// system sends.
void ClickButton(QWidget* button) {
  const QPointF centre = QRectF(button->rect()).center();
  const QPointF global = button->mapToGlobal(centre);
  QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(button, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(button, &release);
}

// Settings in a folder of the benchmark's own, never the user's; no puzzle loads at start.
const QString& SettingsFile() {
  static QTemporaryDir folder;
  static const QString file = [] {
    const QString path = folder.filePath(QStringLiteral("settings.ini"));
    QSettings(path, QSettings::IniFormat).setValue(QStringLiteral("Load Last"), QStringLiteral("0"));
    return path;
  }();
  return file;
}

WindowSetup QuietSetup() {
  WindowSetup setup;
  setup.SettingsStore = [] { return std::make_unique<QSettings>(SettingsFile(), QSettings::IniFormat); };
  setup.ProgramFolder = QStringLiteral(GLIMMERSET_PROGRAM_DIR);
  setup.Dialogs = std::make_shared<SilentDialogs>();
  setup.Players = [] { return std::make_unique<SilentPlayer>(); };
  return setup;
}

// A 40 by 40 grid of random letters and 50 answers that lie nowhere in it.
void LoadLargePuzzle(TWordForm& form) {
  std::mt19937 random(2024);
  std::uniform_int_distribution<int> letter(0, 25);
  std::uniform_int_distribution<int> length(5, 9);
  PuzzleModel& model = form.Model();
  model.Grid.SetSize(40, 40);
  for (int r = 0; r < 40; ++r)
    for (int c = 0; c < 40; ++c) model.Grid.SetText(c, r, std::string(1, static_cast<char>('A' + letter(random))));
  model.ResetHighlights(true);
  form.session().PlaceGrid();
  form.session().SetGridPresent(true);
  model.Answers.clear();
  for (int i = 0; i < 50; ++i) {
    std::string word;
    for (int k = length(random); k > 0; --k) word += static_cast<char>('A' + letter(random));
    model.Answers.push_back({word, std::nullopt});
  }
  model.AnswerCount = 50;
  model.Commands.AnswerListVisible = true;
  form.session().CommandsChanged();
  form.session().AnswerListChanged();
}

void BM_SolveFromClickToRepaint(benchmark::State& state) {
  TWordForm form(QuietSetup());
  form.show();
  form.FormCreate();
  LoadLargePuzzle(form);
  QApplication::processEvents();
  PaintCounter counter;
  GridView* grid = form.GridPan()->view();
  grid->installEventFilter(&counter);
  for (auto _ : state) {
    ClickButton(form.ScanAll);
    // The grid may have been painted while the search let events run; the frame that counts is
    // the one after the command has finished.
    const int afterCommand = counter.paints;
    while (counter.paints == afterCommand) QApplication::processEvents();
  }
  if (form.Model().Status[MessagePanel] != "Glimmerset Failed, Found 0 words")
    state.SkipWithError("the answers were meant to be absent");
}
BENCHMARK(BM_SolveFromClickToRepaint)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true)->UseRealTime();

// Reads an answer file of 100000 lines through File > Load Answer List, until the list shows
// every line.
void BM_LoadLongAnswerFile(benchmark::State& state) {
  constexpr int lines = 100000;
  QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("long.txt"));
  {
    QFile out(file);
    out.open(QIODevice::WriteOnly);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> letter(0, 25);
    for (int i = 0; i < lines; ++i) {
      QByteArray word;
      for (int k = 0; k < 8; ++k) word += static_cast<char>('a' + letter(random));
      out.write(word + "\r\n");
    }
  }
  WindowSetup setup = QuietSetup();
  auto dialogs = std::make_shared<SilentDialogs>();
  dialogs->fileToOpen = file;
  setup.Dialogs = dialogs;
  TWordForm form(setup);
  form.show();
  form.FormCreate();
  QApplication::processEvents();
  for (auto _ : state) {
    form.LoadAnswerListAction->trigger();
    while (form.AList->count() != lines) QApplication::processEvents();
    state.PauseTiming();
    form.Model().Answers.clear();
    form.session().AnswerListChanged();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_LoadLongAnswerFile)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_StartUpToFirstPaintedFrame(benchmark::State& state) {
  for (auto _ : state) {
    PaintCounter counter;
    auto form = std::make_unique<TWordForm>(QuietSetup());
    form->Image1->installEventFilter(&counter);
    form->show();
    while (counter.paints == 0) QApplication::processEvents();
    state.PauseTiming();
    form.reset();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartUpToFirstPaintedFrame)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
