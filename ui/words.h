#pragma once
// TWordForm: the main window of Glimmerset. It owns the puzzle (model and commands), shows the
// grid, the word box, the answer list, the option panel, the status bar and the menus, mirrors
// the model into them whenever the model reports a change, and forwards every user command to
// the window-free layers through one dispatch that shows their errors in a message box.

#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <memory>

#include "PrintOp.h"
#include "SoundEffects.h"
#include "WindowDialogs.h"
#include "core/EnterGrid.h"
#include "core/PuzzleCore.h"
#include "core/UiPort.h"
#include "files/FileCommands.h"
#include "files/ProgramSettings.h"

class QAction;
class QCheckBox;
class QDialog;
class QLabel;
class QMenu;
class QPushButton;
class QSettings;
class TAnswersEntry;
class TKURL2;
class TMarlockAboutBox;
class TOvalButton;

namespace glimmerset::ui {
class AnswerListView;
class EventPump;
class GridPanel;
class HelpWindow;
class WindowBackground;
class WindowFileChooser;
class WordBox;
}  // namespace glimmerset::ui

namespace glimmerset::ui {

// What the window is given from outside: where the program's data lies, and the dialogs and
// sound players it uses (tests hand in their own).
struct WindowSetup {
  // The folder that holds Demo/ and "Program Files/"; empty for the executable's folder.
  QString ProgramFolder;
  std::shared_ptr<WindowDialogs> Dialogs;  // null for the real dialogs
  SoundPlayerFactory Players;              // empty for QSoundEffect players
  // The store of the settings kept between runs; empty for the user's own
  // (organisation "Marlock", application "Glimmerset").
  std::function<std::unique_ptr<QSettings>()> SettingsStore;
  // Starts the OCR program; empty for LaunchFile.
  ProgramLauncher Launcher;
  // The printer dialogs, the preview and the clock of the printed page; empty for the real ones.
  PrintDialogs Printing;
  // A grid file named on the command line: loaded at the end of the start-up, in place of the
  // last puzzle; empty for none.
  QString StartupGrid;
};

}  // namespace glimmerset::ui

class TWordForm : public QMainWindow, public glimmerset::UiPort {
  Q_OBJECT

 public:
  explicit TWordForm(glimmerset::ui::WindowSetup setup = {}, QWidget* parent = nullptr);
  ~TWordForm() override;

  glimmerset::PuzzleCore& Core() { return *core_; }
  glimmerset::Session& session() { return core_->session; }
  glimmerset::PuzzleModel& Model() { return core_->session.Model; }
  glimmerset::ui::SoundEffects& Sounds() { return *sounds_; }
  glimmerset::ui::GridPanel* GridPan() const { return gridPan_; }
  const QString& ProgramFolder() const { return programFolder_; }
  glimmerset::ProgramSettings& Settings() { return settings_; }
  glimmerset::FileCommands& Files() { return *files_; }
  bool StartupDone() const { return startupDone_; }
  // The one-time start-up has run to its end (StartupDone is set as it begins).
  bool StartupFinished() const { return startupFinished_; }

  // Stands in for the construction wizard (tests); without one the real wizard opens.
  void SetGridSizeWizard(std::function<glimmerset::SizeAnswer(int)> wizard) { gridSizeWizard_ = std::move(wizard); }

  // UiPort
  void ShowMessage(const std::string& text) override;
  bool AskOkAbort(const std::string& text) override;
  void PlaySound(glimmerset::SoundEffect sound) override;
  void PumpEvents() override;
  glimmerset::SizeAnswer AskGridSize(int suggestedSize) override;
  void FocusWordBox() override;
  void Changed(glimmerset::ModelChange what) override;

  // Runs a user command: refused while a long operation runs when it would change the model;
  // a CommandError ends it and its text is shown in a message box, and so does a failure to get
  // memory, with kOutOfMemoryText.
  void RunCommand(const std::function<void()>& command, bool changesModel = true);
  static constexpr const char* kOutOfMemoryText = "Not enough memory to finish this command";
  // Shows one of the program's own dialogs modally (through the injectable dialogs).
  int RunDialog(QDialog& dialog);

 public slots:
  // Start-up and close
  void FormCreate();
  void FormClose();
  void Exit1Click();
  // Window-level commands
  void HelpClick();
  void OptionsBtnClick();
  void ReturnbtnClick();
  void ShowMenuClick();
  void ShowStatusClick();
  void Maximise1Click();
  // Find, solve, clear and the game
  void ScanbtnClick();
  void ScanAllClick();
  void ClearClick();
  void GameBtnClick();
  void wordKeyDown(int key);
  void SelChange(int line);
  void GridMouseDown(int col, int row);
  void GridMouseMove(int col, int row);
  // Sounds
  void SoundOnClick();
  void SoundClick();
  void LocateFiles1Click();
  // Appearance
  void AnswerFont1Click();
  void GridFontClick();
  void Background1Click();
  void RegularClick();
  void LoadLastClick();
  // The commands that open the program's own dialogs.
  void EnterGridClick();
  void EditGridClick();
  void ManualEntry2Click();
  void MakeBtnClick();
  void DemoBtnClick();
  void AllowedErrors1Click();
  // The file commands of the File and Options menus.
  void LoadGridClk();
  void LoadAnswerListClick();
  void LoadGlimmersetClick();
  void SaveGridClick();
  void SaveAnswersClick();
  void SaveGlimmersetClick();
  void CaptureClick();
  void LoadGridScan();
  void LoadAnswerScan();
  void Demo1Click();
  void OCRSoftwareClick();
  // Printing, through the printed page.
  void PrintClick();
  void PrintPreview1Click();
  void PrinterSetup1Click();
  // Writes the puzzle page and its answer key into a PDF file the user names.
  void ExportPdfClick();
  // The about box and the two links of the Help menu.
  void About1Click();
  void EmailMarlock1Click();
  void VisitourWebsite1Click();

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BuildOptionPanel();
  void BuildStatusBar();
  void BuildMenus();
  void ShowMenuPictures();
  void BuildLinkPanel();
  void BuildAboutBox();
  void ConnectCommands();
  void MaximiseToScreen();
  void ApplyLoadedSettings();
  void ReportOutOfMemory();
  // Opens a dialog that works on the grid beside it, inside the screen.
  void PlaceBesideGrid(QDialog& dialog);
  void CollectSettings();
  void LoadStartupGrid();

  void RefreshStatus();
  void RefreshCommands();
  void RefreshLayout();
  void RefreshAnswerList();
  void FlushPendingViews();

  QString programFolder_;
  std::shared_ptr<glimmerset::ui::WindowDialogs> dialogs_;
  std::unique_ptr<glimmerset::PuzzleCore> core_;
  std::unique_ptr<glimmerset::ui::SoundEffects> sounds_;
  std::unique_ptr<glimmerset::ui::EventPump> pump_;
  std::function<glimmerset::SizeAnswer(int)> gridSizeWizard_;
  std::function<std::unique_ptr<QSettings>()> settingsStore_;
  glimmerset::ProgramSettings settings_;
  std::unique_ptr<glimmerset::ui::WindowFileChooser> chooser_;
  std::unique_ptr<glimmerset::FileCommands> files_;
  glimmerset::ui::GridPanel* gridPan_ = nullptr;
  glimmerset::EnterGrid enterGrid_;
  TAnswersEntry* answersEntry_ = nullptr;  // one answer entry dialog for the whole run, owned as a child

  // The window's size limits.
  static constexpr int kMinWidth = 750, kMinHeight = 550, kMaxWidth = 1024, kMaxHeight = 768;
  // How long after its own re-show the window takes an activation for that re-show's (ms).
  static constexpr int kReshowSettle = 1000;

  bool startupDone_ = false;
  bool startupFinished_ = false;
  QString startupGrid_;
  bool ownReshow_ = false;  // the window re-showed itself after a border change
  bool closeAfterBusy_ = false;
  bool answerListDirty_ = false;
  QString helpFile_;
  glimmerset::ui::HelpWindow* helpWindow_ = nullptr;
  glimmerset::ui::ChosenFont lastFont_;
  QColor lastColour_{Qt::black};

 public:
  // Controls, named as on the form.
  TQRForm* QRForm = nullptr;  // the printed page, made with the window and kept for the run
  glimmerset::ui::WindowBackground* Image1 = nullptr;
  QLabel* Label1 = nullptr;
  TOvalButton* ExitBtn = nullptr;
  TOvalButton* ScanBtn = nullptr;
  TOvalButton* ScanAll = nullptr;
  TOvalButton* GameBtn = nullptr;
  TOvalButton* ClearBtn = nullptr;
  TOvalButton* DemoBtn = nullptr;
  TOvalButton* OptionsBtn = nullptr;
  TOvalButton* helpBtn = nullptr;
  glimmerset::ui::WordBox* word = nullptr;
  glimmerset::ui::AnswerListView* AList = nullptr;
  QWidget* OptionPanel = nullptr;
  QLabel* Label25 = nullptr;
  TOvalButton* ScannerBtn = nullptr;
  TOvalButton* answerbutton = nullptr;
  TOvalButton* EditGrid = nullptr;
  TOvalButton* NewGridBtn = nullptr;
  TOvalButton* MakeBtn = nullptr;
  TOvalButton* PrintBtn = nullptr;
  QCheckBox* SoundOn = nullptr;
  QCheckBox* ShowMenu = nullptr;
  QCheckBox* ShowStatus = nullptr;
  QPushButton* Returnbtn = nullptr;
  std::array<QLabel*, 6> StatusPanels{};
  std::array<QLabel*, 8> Pictures{};  // LL, RL, OL, DL, AL, SL, EL, LD
  QWidget* Panel1 = nullptr;
  TKURL2* web = nullptr;
  TKURL2* email = nullptr;
  TMarlockAboutBox* AboutBox = nullptr;
  // Menus and their entries.
  std::array<QMenu*, 5> Menus{};  // &File, Glimmerset, &Options, Answers, &Help
  QAction* SolveMenu = nullptr;    // the "&Solve" title, itself the Find command
  QAction* LoadGridAction = nullptr;
  QAction* LoadAnswerListAction = nullptr;
  QAction* LoadGlimmersetAction = nullptr;
  QAction* SaveGridAction = nullptr;
  QAction* SaveAnswersAction = nullptr;
  QAction* SaveGlimmersetAction = nullptr;
  QAction* CaptureAction = nullptr;
  QAction* LoadGridScanAction = nullptr;
  QAction* LoadAnswerScanAction = nullptr;
  QAction* PrintAction = nullptr;
  QAction* PrintPreviewAction = nullptr;
  QAction* PrinterSetupAction = nullptr;
  QAction* ExportPdfAction = nullptr;
  QAction* ExitAction = nullptr;
  QAction* ManualEntryAction = nullptr;
  QAction* EditMenuItem = nullptr;
  QAction* ScanGridAction = nullptr;
  QAction* DemoAction = nullptr;
  QAction* AnswerFontAction = nullptr;
  QMenu* GridFontMenu = nullptr;
  QAction* GridFontAction = nullptr;
  QAction* BackgroundAction = nullptr;
  QAction* Sound = nullptr;
  QAction* Regular = nullptr;
  QAction* OcrSoftwareAction = nullptr;
  QAction* LocateFilesAction = nullptr;
  QAction* LoadLast = nullptr;
  QAction* AllowedErrorsAction = nullptr;
  QAction* Maximise = nullptr;
  QAction* AnswersManualEntryAction = nullptr;
  QAction* ScanAnswersAction = nullptr;
  QAction* SearchWordsHelpAction = nullptr;
  QAction* HelpAction = nullptr;
  QAction* AboutAction = nullptr;
  QAction* EmailAction = nullptr;
  QAction* WebsiteAction = nullptr;
};
