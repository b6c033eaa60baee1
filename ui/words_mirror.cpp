// TWordForm: the mirror of the model. Each change the model reports refreshes only the widgets
// that show it; the answer list is rebuilt once the running command lets the window breathe.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QResizeEvent>
#include <QTimer>

#include "AnswerListView.h"
#include "GridView.h"
#include "WindowBackground.h"
#include "WordBox.h"
#include "controls/OvalButton.h"
#include "words.h"

using namespace glimmerset;
using namespace glimmerset::ui;

void TWordForm::Changed(ModelChange what) {
  switch (what) {
    case ModelChange::Cells:
      gridPan_->view()->update();
      break;
    case ModelChange::GridLayout:
      gridPan_->applyLayout();
      break;
    case ModelChange::WordText:
      if (word->text() != QString::fromStdString(Model().WordText)) word->setText(QString::fromStdString(Model().WordText));
      break;
    case ModelChange::AnswerList:
      // Lines may arrive one by one from a long read: show them together at the next chance.
      if (!answerListDirty_) {
        answerListDirty_ = true;
        QTimer::singleShot(0, this, [this] { FlushPendingViews(); });
      }
      break;
    case ModelChange::ListLayout:
      RefreshLayout();
      session().RefitGrid();
      break;
    case ModelChange::Status:
      RefreshStatus();
      break;
    case ModelChange::Commands:
      RefreshCommands();
      break;
    case ModelChange::Busy:
      RefreshCommands();
      if (!Model().Busy && closeAfterBusy_) QTimer::singleShot(0, this, &QWidget::close);
      break;
  }
}

void TWordForm::FlushPendingViews() {
  if (answerListDirty_) RefreshAnswerList();
}

void TWordForm::RefreshAnswerList() {
  answerListDirty_ = false;
  AList->ShowLines(Model().Answers);
}

void TWordForm::RefreshStatus() {
  for (std::size_t i = 0; i < StatusPanels.size(); ++i) StatusPanels[i]->setText(QString::fromStdString(Model().Status[i]));
}

void TWordForm::RefreshCommands() {
  const CommandState& state = Model().Commands;
  const bool idle = !Model().Busy;
  GameBtn->setEnabled(state.PlayEnabled && idle);
  ScanBtn->setEnabled(state.FindEnabled && idle);
  SolveMenu->setEnabled(state.FindEnabled && idle);
  ScanAll->setEnabled(state.SolveEnabled && idle);
  EditGrid->setEnabled(state.EditGridEnabled && idle);
  EditMenuItem->setEnabled(state.EditMenuEnabled && idle);
  word->setEnabled(state.WordBoxEnabled && idle);
  AList->setVisible(state.AnswerListVisible);
  Sound->setChecked(Model().SoundSwitch);
  Sound->setEnabled(Model().SoundMenuEnabled);

  // Commands that would change the model under a running search, file read or construction.
  for (QWidget* control : std::array<QWidget*, 7>{ClearBtn, DemoBtn, NewGridBtn, answerbutton, MakeBtn, ScannerBtn, PrintBtn})
    control->setEnabled(idle);
  for (QAction* action : {LoadGridAction, LoadAnswerListAction, LoadGlimmersetAction, CaptureAction, LoadGridScanAction,
                          LoadAnswerScanAction, ManualEntryAction, ScanGridAction, DemoAction, AnswerFontAction, GridFontAction,
                          BackgroundAction, LocateFilesAction, AllowedErrorsAction, AnswersManualEntryAction, ScanAnswersAction,
                          PrintAction, PrintPreviewAction, ExportPdfAction})
    action->setEnabled(idle);
}

void TWordForm::RefreshLayout() {
  const ViewLayout& layout = Model().Layout;
  word->setGeometry(layout.WordBoxLeft, 112, layout.WordBoxWidth, 37);
  AList->setGeometry(layout.AnswerListLeft, 152, layout.AnswerListWidth, 321);
}

void TWordForm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (centralWidget()) Model().Layout.WindowWidth = centralWidget()->width();
}

bool TWordForm::eventFilter(QObject* watched, QEvent* event) {
  // The client area changes with the window, the menu bar and the status bar: a grid that no
  // longer fits in it is laid out again.
  if (watched == Image1 && event->type() == QEvent::Resize) {
    Model().Layout.WindowWidth = Image1->width();
    Model().Layout.WindowHeight = Image1->height();
    session().RefitGrid();
  }
  return QMainWindow::eventFilter(watched, event);
}
