// TWordForm: the commands that open the program's own dialogs: grid entry (New), grid edit,
// answer entry, the allowed errors box and the demo chooser. The construction wizard opens
// through the port's grid size question.
#include <QDialog>
#include <QScreen>

#include "DialogPlacement.h"
#include "GridView.h"
#include "WindowBackground.h"

#include "AnswerEntry.h"
#include "EditUnit.h"
#include "aerros.h"
#include "core/AnswerEntry.h"
#include "demoUnit.h"
#include "files/Demos.h"
#include "gridentry.h"
#include "words.h"

using namespace glimmerset;

int TWordForm::RunDialog(QDialog& dialog) { return dialogs_->RunDialog(dialog); }

void TWordForm::PlaceBesideGrid(QDialog& dialog) {
  // The room the grid may grow into while the dialog works on it, then the grid's panel itself.
  const GridArea free = FreeGridArea(Model().Layout);
  const QRect room(Image1->mapToGlobal(QPoint(free.Left, free.Top)),
                   Image1->mapToGlobal(QPoint(free.Right - 1, free.Bottom - 1)));
  const QRect panel(gridPan_->mapToGlobal(QPoint(0, 0)), gridPan_->size());
  const QRect shown = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
  // The window frame is not known before the dialog is shown: room is left for a usual one.
  const QSize frame = dialog.size() + QSize(16, 40);
  dialog.move(ui::BesideGrid(room, panel, frame, shown));
}

void TWordForm::EnterGridClick() {
  RunCommand([this] {
    enterGrid_.Begin();
    TGridEntryForm entry(session(), enterGrid_.EntryColumns, [this] { return settings_.Regular; }, this);
    PlaceBesideGrid(entry);
    enterGrid_.Finish(RunDialog(entry) == QDialog::Accepted);
  });
}

void TWordForm::EditGridClick() {
  RunCommand([this] {
    TGridEdit edit(session(), this);
    PlaceBesideGrid(edit);
    RunDialog(edit);
  });
}

void TWordForm::ManualEntry2Click() {
  RunCommand([this] { answersEntry_->Run([this](QDialog& dialog) { return RunDialog(dialog); }); });
}

void TWordForm::MakeBtnClick() {
  RunCommand([this] { Core().construction.ConstructPuzzle(); });
}

void TWordForm::DemoBtnClick() {
  RunCommand([this] {
    files_->DemoBtnClick();
    const auto topic = [](int tag) {
      const DemoPair* pair = FindDemoPair(tag);
      return pair ? QString::fromLatin1(pair->Topic) : QString();
    };
    TDemoForm chooser([this](int tag) { RunCommand([this, tag] { files_->LoadDemo(tag); }); }, topic(2), topic(5),
                      this);
    RunDialog(chooser);
  });
}

void TWordForm::AllowedErrors1Click() {
  RunCommand(
      [this] {
        TAllowed allowed(Model().AllowedErrors, this);
        if (RunDialog(allowed) == QDialog::Accepted) Model().AllowedErrors = allowed.Value();
      },
      false);
}
