// TWordForm: the commands that open the program's own dialogs: grid entry (New), grid edit,
// answer entry, the allowed errors box and the demo chooser. The construction wizard opens
// through the port's grid size question.
#include <QDialog>

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

void TWordForm::EnterGridClick() {
  RunCommand([this] {
    enterGrid_.Begin();
    TGridEntryForm entry(session(), enterGrid_.EntryColumns, [this] { return settings_.Regular; }, this);
    enterGrid_.Finish(RunDialog(entry) == QDialog::Accepted);
  });
}

void TWordForm::EditGridClick() {
  RunCommand([this] {
    TGridEdit edit(session(), this);
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
