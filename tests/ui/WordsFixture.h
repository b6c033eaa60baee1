#pragma once
// Shared set-up for the main window tests: dialogs that answer from a script and record what
// they were shown, sound players that record plays, and a window on a temporary program folder
// holding a small puzzle.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/AnswerListView.h"
#include "ui/GridView.h"
#include "ui/WordBox.h"
#include "ui/words.h"

namespace glimmerset::ui::testing {

class ScriptedDialogs : public WindowDialogs {
 public:
  void ShowMessage(QWidget*, const QString& text) override { messages.push_back(text); }
  bool AskOkAbort(QWidget*, const QString& text) override {
    messages.push_back(text);
    return true;
  }
  std::optional<QString> OpenFile(QWidget*, const FileRequest& request) override {
    requests.push_back(request);
    return Next(files);
  }
  std::optional<QString> SaveFile(QWidget*, const FileRequest& request) override {
    requests.push_back(request);
    return Next(files);
  }
  std::optional<ChosenFont> ChooseFont(QWidget*, const ChosenFont& shown) override {
    shownFonts.push_back(shown);
    return Next(fonts);
  }
  std::optional<QColor> ChooseColour(QWidget*, const QColor& shown) override {
    shownColours.push_back(shown);
    return Next(colours);
  }
  // Shows the dialog without blocking and lets the next script drive it; without a script the
  // dialog is rejected.
  int RunDialog(QDialog& dialog) override {
    dialogTitles.push_back(dialog.windowTitle());
    if (dialogScripts.empty()) return QDialog::Rejected;
    auto script = std::move(dialogScripts.front());
    dialogScripts.pop_front();
    dialog.show();
    QApplication::processEvents();
    script(dialog);
    dialog.hide();
    return dialog.result();
  }

  template <typename T>
  static std::optional<T> Next(std::deque<std::optional<T>>& answers) {
    std::optional<T> answer;
    if (!answers.empty()) {
      answer.swap(answers.front());
      answers.pop_front();
    }
    return answer;
  }

  QStringList messages;
  std::vector<FileRequest> requests;
  std::vector<ChosenFont> shownFonts;
  std::vector<QColor> shownColours;
  std::deque<std::optional<QString>> files;
  std::deque<std::optional<ChosenFont>> fonts;
  std::deque<std::optional<QColor>> colours;
  std::deque<std::function<void(QDialog&)>> dialogScripts;
  QStringList dialogTitles;
};

// Records every play; a test decides whether the player opens and whether it is still playing.
struct PlayerLog {
  std::vector<QString> opened;
  std::vector<QString> played;
  bool openSucceeds = true;
  bool stillPlaying = false;
};

class RecordingPlayer : public SoundPlayer {
 public:
  explicit RecordingPlayer(std::shared_ptr<PlayerLog> log) : log_(std::move(log)) {}
  bool Open(const QString& file) override {
    file_ = file;
    log_->opened.push_back(QFileInfo(file).fileName().toLower());
    open_ = log_->openSucceeds;
    return open_;
  }
  bool IsOpen() const override { return open_; }
  bool IsPlaying() const override { return log_->stillPlaying; }
  void Play() override { log_->played.push_back(QFileInfo(file_).fileName().toLower()); }

 private:
  std::shared_ptr<PlayerLog> log_;
  QString file_;
  bool open_ = false;
};

// A puzzle for the tests: rows of letters and the answers of its list.
struct PuzzleText {
  std::vector<std::string> rows;
  std::vector<std::string> answers;
};

inline PuzzleText CapitalsPuzzle() {
  return {{"PARISXQ", "ZROMEKL", "OSLOBMN", "LIMAERT", "TOKYOPW", "CAIROVB"}, {"PARIS", "OSLO", "ROME", "BERN", "LIMA"}};
}

class WordsWindowFixture : public ::testing::Test {
 public:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    QDir(folder.path()).mkpath(QStringLiteral("Program Files"));
    for (const char* name : {"Won.wav", "Bad.wav"}) WriteFile(QStringLiteral("Program Files/") + QLatin1String(name));
    dialogs = std::make_shared<ScriptedDialogs>();
    players = std::make_shared<PlayerLog>();
    // The window keeps its settings in this folder, never in the user's; no puzzle loads at start.
    settingsFile = QDir(folder.path()).filePath(QStringLiteral("settings.ini"));
    QSettings(settingsFile, QSettings::IniFormat).setValue(QStringLiteral("Load Last"), QStringLiteral("0"));
  }

  void WriteFile(const QString& relative) {
    QFile file(QDir(folder.path()).filePath(relative));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("RIFF");
  }

  // Makes the window and runs its one-time start-up, as its first activation does; startupGrid is
  // the grid file named on the command line.
  TWordForm& Open(const QString& startupGrid = QString()) {
    WindowSetup setup;
    setup.StartupGrid = startupGrid;
    setup.ProgramFolder = folder.path();
    setup.Dialogs = dialogs;
    auto log = players;
    setup.Players = [log] { return std::make_unique<RecordingPlayer>(log); };
    const QString file = settingsFile;
    setup.SettingsStore = [file] { return std::make_unique<QSettings>(file, QSettings::IniFormat); };
    setup.Printing = printing;
    window = std::make_unique<TWordForm>(setup);
    window->FormCreate();
    return *window;
  }

  // Puts a grid and an answer list into the model as the loaders do.
  void LoadPuzzle(const PuzzleText& puzzle) {
    PuzzleModel& model = window->Model();
    const int rows = static_cast<int>(puzzle.rows.size());
    const int cols = static_cast<int>(puzzle.rows.front().size());
    model.Grid.SetSize(rows, cols);
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < cols; ++c) model.Grid.SetText(c, r, std::string(1, puzzle.rows[r][c]));
    model.ResetHighlights(true);
    window->session().PlaceGrid();
    window->session().SetGridPresent(true);
    model.Answers.clear();
    for (const std::string& answer : puzzle.answers) model.Answers.push_back({answer, std::nullopt});
    model.AnswerCount = static_cast<int>(puzzle.answers.size());
    model.Commands.WordBoxEnabled = true;
    model.Commands.AnswerListVisible = true;
    window->session().CommandsChanged();
    window->session().AnswerListChanged();
    window->session().Redraw();
    QApplication::processEvents();
  }

  GridView& Grid() { return *window->GridPan()->view(); }

  static QPoint CellCentre(int col, int row) { return {col * 22 + 10, row * 22 + 10}; }

  void PressCell(int col, int row, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(&Grid(), button, {}, CellCentre(col, row));
    QTest::mouseRelease(&Grid(), button, {}, CellCentre(col, row));
  }

  void MoveOver(int col, int row) {
    const QPoint at = CellCentre(col, row);
    QMouseEvent move(QEvent::MouseMove, at, Grid().mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&Grid(), &move);
  }

  // Lets the window system's answers to what the test did arrive and be handled.
  static void SettleEvents() {
    for (int i = 0; i < 5; ++i) {
      QApplication::processEvents();
      QTest::qWait(20);
    }
  }

  static void Click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center()); }

  QColor PaintedCell(int col, int row) {
    const QImage picture = Grid().grab().toImage();
    return picture.pixelColor(col * 22 + 1, row * 22 + 1);
  }

  QColor ListLineColour(int line) { return window->AList->item(line)->foreground().color(); }

  QString Panel(int panel) { return window->StatusPanels[static_cast<std::size_t>(panel)]->text(); }

  QTemporaryDir folder;
  QString settingsFile;
  std::shared_ptr<ScriptedDialogs> dialogs;
  std::shared_ptr<PlayerLog> players;
  PrintDialogs printing;  // the printed page's dialogs; empty for the real ones
  std::unique_ptr<TWordForm> window;
};

}  // namespace glimmerset::ui::testing
