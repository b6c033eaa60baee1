// TWordForm: the command handlers, the start-up and close, and the port through which the
// window-free layers reach the window.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <new>
#include <stdexcept>

#include "ConstructPort.h"
#include "EventPump.h"
#include "HelpWindow.h"
#include "ColourConvert.h"
#include "WordBox.h"
#include "controls/KURL2.h"
#include "controls/MarlockAboutBox.h"
#include "controls/OvalButton.h"
#include "core/AppearanceCommands.h"
#include "core/CommandError.h"
#include "files/ProgramFolder.h"
#include "files/SettingsStore.h"
#include "words.h"

using namespace glimmerset;
using namespace glimmerset::ui;

// ---- the port ----

void TWordForm::ShowMessage(const std::string& text) {
  FlushPendingViews();
  dialogs_->ShowMessage(this, QString::fromStdString(text));
}

bool TWordForm::AskOkAbort(const std::string& text) {
  FlushPendingViews();
  return dialogs_->AskOkAbort(this, QString::fromStdString(text));
}

void TWordForm::PlaySound(SoundEffect sound) { sounds_->Play(sound); }

void TWordForm::PumpEvents() { pump_->Pump(); }

SizeAnswer TWordForm::AskGridSize(int suggestedSize) {
  if (gridSizeWizard_) return gridSizeWizard_(suggestedSize);
  return RunConstructWizard(suggestedSize, this, [this](QDialog& wizard) { return dialogs_->RunDialog(wizard); });
}

void TWordForm::FocusWordBox() { word->setFocus(); }

void TWordForm::RunCommand(const std::function<void()>& command, bool changesModel) {
  if (changesModel && Model().Busy) return;
  try {
    command();
  } catch (const CommandError& error) {
    FlushPendingViews();
    dialogs_->ShowMessage(this, QString::fromStdString(error.what()));
  } catch (const std::bad_alloc&) {
    ReportOutOfMemory();
  } catch (const std::length_error&) {
    ReportOutOfMemory();  // a size no container can hold: an allocation failure all the same
  }
  FlushPendingViews();
}

void TWordForm::ReportOutOfMemory() {
  FlushPendingViews();
  dialogs_->ShowMessage(this, QString::fromLatin1(kOutOfMemoryText));
}

// ---- start-up and close ----

bool TWordForm::event(QEvent* event) {
  const bool handled = QMainWindow::event(event);
  if (event->type() == QEvent::WindowActivate) {
    // The activation that follows the window's own re-show after a border change is not the
    // user coming back to it: it leaves the size Maximise chose.
    if (ownReshow_)
      ownReshow_ = false;
    else
      FormCreate();
  }
  return handled;
}

void TWordForm::MaximiseToScreen() {
  // Sized first: a resize of a maximised window would take the maximised state away again.
  if (const QScreen* shown = screen()) resize(shown->size().boundedTo(maximumSize()).expandedTo(minimumSize()));
  setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
}

void TWordForm::FormCreate() {
  MaximiseToScreen();
  if (startupDone_) return;
  startupDone_ = true;

  setWindowTitle(AboutBox->GetTitleText() + QStringLiteral(" Version ") + AboutBox->GetVersionText() +
                 QStringLiteral("  by Marlock"));
  // The help file is the HTML help beside the sounds.
  helpFile_ = ResolveFileCase(programFolder_ + QStringLiteral("/Program Files/Glimmerset.html"));
  RunCommand([this] { ApplyLoadedSettings(); }, false);
  for (QWidget* shown : std::array<QWidget*, 7>{ScannerBtn, answerbutton, ShowMenu, ShowStatus, ScanAll, MakeBtn, PrintBtn})
    shown->show();
  OcrSoftwareAction->setEnabled(true);
  Model().AnswerColours.Reset();
  AboutBox->Filename = QCoreApplication::applicationFilePath();
  statusBar()->setVisible(ShowStatus->isChecked());
  Model().SoundSwitch = SoundOn->isChecked();
  RefreshCommands();
  if (!ShowMenu->isChecked()) ShowMenuClick();
  RunCommand([this] {
    sounds_->SetupSounds();
    session().ClearAnswers();
    Model().CurrentLetter = 1;
    Model().CurrentAnswer = 1;
    Model().CellsReady = false;
  }, false);
  if (!startupGrid_.isEmpty())
    LoadStartupGrid();
  else if (LoadLast->isChecked())
    LoadGlimmersetClick();
  startupFinished_ = true;
}

void TWordForm::FormClose() {
  // A store that cannot be written is reported; the window closes all the same.
  RunCommand([this] {
    CollectSettings();
    std::unique_ptr<QSettings> store = settingsStore_();
    SaveSettings(*store, Model(), settings_);
  }, false);
  Model().FreeCellRecords();
  session().Redraw();
}

void TWordForm::closeEvent(QCloseEvent* event) {
  if (Model().Busy) {
    // A search or a file read is still running inside this event; close once it has ended.
    closeAfterBusy_ = true;
    event->ignore();
    return;
  }
  FormClose();
  event->accept();
}

void TWordForm::Exit1Click() {
  setWindowState(Qt::WindowNoState);
  close();
}

// ---- window-level commands ----

void TWordForm::HelpClick() {
  if (!helpWindow_) helpWindow_ = new HelpWindow(this);
  if (!helpWindow_->ShowContents(helpFile_))
    dialogs_->ShowMessage(this, QStringLiteral("Cannot open file %1").arg(QDir::toNativeSeparators(helpFile_)));
}

void TWordForm::OptionsBtnClick() {
  OptionPanel->show();
  OptionPanel->raise();
}

void TWordForm::ReturnbtnClick() { OptionPanel->hide(); }

void TWordForm::ShowMenuClick() {
  const bool shown = ShowMenu->isChecked();
  for (QMenu* menu : Menus) menu->menuAction()->setVisible(shown);
  SolveMenu->setVisible(shown);
  menuBar()->setVisible(shown);
}

void TWordForm::ShowStatusClick() { statusBar()->setVisible(ShowStatus->isChecked()); }

void TWordForm::Maximise1Click() {
  const bool framed = Maximise->isChecked();
  const QRect screenArea = screen() ? screen()->geometry() : QRect(0, 0, 1024, 768);
  const bool wasShown = isVisible();
  setWindowFlag(Qt::FramelessWindowHint, !framed);
  setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, framed);
  if (framed) {
    // A fixed frame: the window system is asked for one size only, the screen's.
    const QSize screenSize = screenArea.size().boundedTo(QSize(kMaxWidth, kMaxHeight)).expandedTo(QSize(kMinWidth, kMinHeight));
    setFixedSize(screenSize);
    MaximiseToScreen();
  } else {
    setMinimumSize(kMinWidth, kMinHeight);
    setMaximumSize(kMaxWidth, kMaxHeight);
    setWindowState(Qt::WindowNoState);
    resize(800, 600);
    move(screenArea.topLeft() + QPoint((screenArea.width() - 800) / 2, (screenArea.height() - 600) / 2));
  }
  if (wasShown) {
    // The border change hid the window; showing it again brings an activation of its own.
    ownReshow_ = true;
    QTimer::singleShot(kReshowSettle, this, [this] { ownReshow_ = false; });
  }
  show();
}

// ---- find, solve, clear and the game ----

void TWordForm::ScanbtnClick() { RunCommand([this] { Core().commands.Find(); }); }

void TWordForm::ScanAllClick() { RunCommand([this] { Core().commands.Solve(); }); }

void TWordForm::ClearClick() { RunCommand([this] { Core().commands.Clear(); }); }

void TWordForm::GameBtnClick() { RunCommand([this] { Core().game.StartGame(); }); }

void TWordForm::wordKeyDown(int key) { RunCommand([this, key] { Core().commands.WordKeyDown(key); }); }

void TWordForm::SelChange(int line) { RunCommand([this, line] { Core().commands.SelChange(line); }); }

void TWordForm::GridMouseDown(int col, int row) {
  RunCommand([this, col, row] { Core().game.PressCell(col, row); }, false);
}

void TWordForm::GridMouseMove(int col, int row) {
  if (!Model().Tracking) return;
  RunCommand([this, col, row] { Core().game.MoveOverCell(col, row); }, false);
}

// ---- sounds ----

void TWordForm::SoundOnClick() {
  RunCommand([this] { sounds_->SoundOnClick(SoundOn->isChecked()); }, false);
}

void TWordForm::SoundClick() { SoundOnClick(); }

void TWordForm::LocateFiles1Click() {
  RunCommand([this] {
    FileRequest request;
    request.Title = QStringLiteral("Locate Sound Files");
    request.Folder = programFolder_;
    request.DefaultSuffix = QStringLiteral("wav");
    if (const std::optional<QString> picked = dialogs_->OpenFile(this, request)) {
      sounds_->LocateFiles(*picked);
      settings_.SoundFolder = sounds_->SoundFolder();
    }
  }, false);
}

// ---- appearance ----

void TWordForm::GridFontClick() {
  RunCommand([this] {
    const std::optional<ChosenFont> chosen = dialogs_->ChooseFont(this, lastFont_);
    if (!chosen) return;
    lastFont_ = *chosen;
    ChooseGridFont(session(), chosen->Face.toStdString(), fromQColor(chosen->Colour));
  });
}

void TWordForm::Background1Click() {
  RunCommand([this] {
    const std::optional<QColor> chosen = dialogs_->ChooseColour(this, lastColour_);
    if (chosen) lastColour_ = *chosen;
    ChooseBackground(session(), chosen ? std::optional<Colour>(fromQColor(*chosen)) : std::nullopt);
  });
}

void TWordForm::AnswerFont1Click() {
  RunCommand([this] {
    const std::optional<ChosenFont> chosen = dialogs_->ChooseFont(this, lastFont_);
    if (!chosen) return;
    lastFont_ = *chosen;
    ChooseAnswerFont(session(), chosen->Face.toStdString(), fromQColor(chosen->Colour));
  });
}

// ---- links ----

void TWordForm::EmailMarlock1Click() { email->OpenLink(); }

void TWordForm::VisitourWebsite1Click() { web->OpenLink(); }

void TWordForm::About1Click() { AboutBox->Execute(); }

