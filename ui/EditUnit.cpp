#include "EditUnit.h"
#include "ui/ModelText.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {
QLineEdit* SmallBox(QWidget* parent, const char* name, int left, int top) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setGeometry(left, top, 41, 24);
  box->setFocusPolicy(Qt::ClickFocus);
  return box;
}
QLabel* BoldLabel(const QString& text, QWidget* parent, int top) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  label->setGeometry(16, top, 330, 18);
  return label;
}
}  // namespace

TGridEdit::TGridEdit(glimmerset::Session& session, QWidget* parent) : QDialog(parent), edit_(session) {
  setWindowTitle("Grid Edit");
  setFixedSize(366, 172);

  Label2 = BoldLabel("Select the Row you want to Edit", this, 8);
  Label3 = BoldLabel("Hit <RETURN> to Apply Changes", this, 28);
  Label1 = new QLabel("Row", this);
  Label1->setGeometry(16, 64, 28, 18);
  CurrentRow = new QSpinBox(this);
  CurrentRow->setObjectName("CurrentRow");
  CurrentRow->setRange(1, glimmerset::MaximumEditRows);
  CurrentRow->setValue(1);
  CurrentRow->setGeometry(48, 60, 56, 24);
  // Its arrows choose a row without taking the keyboard from the row box; Tab still reaches it.
  CurrentRow->setFocusPolicy(Qt::TabFocus);
  Rowofchars = new QLineEdit(this);
  Rowofchars->setObjectName("Rowofchars");
  Rowofchars->setGeometry(112, 60, 193, 24);
  counter = SmallBox(this, "counter", 312, 60);
  Label4 = new QLabel("Rows", this);
  Label4->setGeometry(16, 100, 32, 18);
  RowDisp = SmallBox(this, "RowDisp", 52, 96);
  Label5 = new QLabel("Cols", this);
  Label5->setGeometry(104, 100, 32, 18);
  ColDisp = SmallBox(this, "ColDisp", 136, 96);
  DeleteBtn = new QPushButton("Delete Row", this);
  DeleteBtn->setGeometry(16, 136, 89, 25);
  DeleteBtn->setAutoDefault(false);
  DeleteBtn->setFocusPolicy(Qt::TabFocus);
  Button1 = new QPushButton("Close", this);
  Button1->setGeometry(264, 136, 89, 25);
  Button1->setAutoDefault(false);
  Button1->setFocusPolicy(Qt::TabFocus);

  connect(CurrentRow, &QSpinBox::valueChanged, this, &TGridEdit::CurrentRowChange);
  connect(DeleteBtn, &QPushButton::clicked, this, &TGridEdit::DeleteBtnClick);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  Rowofchars->installEventFilter(this);
  Rowofchars->setFocus();
}

void TGridEdit::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The set-up runs when the dialog opens, not again when one of its message boxes closes, so
  // the column count fixed by the first applied row holds while the dialog is open.
  if (!setUpDone_) {
    setUpDone_ = true;
    FormActivate();
  }
}

void TGridEdit::FormActivate() {
  edit_.FormActivate();
  Mirror();
}

void TGridEdit::Mirror() {
  const QSignalBlocker blocker(CurrentRow);
  CurrentRow->setValue(edit_.CurrentRow);
  Rowofchars->setText(glimmerset::ui::fromModelText(edit_.RowText));
  counter->setText(QString::number(edit_.Counter));
  RowDisp->setText(QString::number(edit_.RowDisp));
  ColDisp->setText(QString::number(edit_.ColDisp));
  DeleteBtn->setEnabled(edit_.DeleteEnabled);
}

void TGridEdit::CurrentRowChange(int v) {
  edit_.RowText = glimmerset::ui::toModelText(Rowofchars->text());
  edit_.SetCurrentRow(v);
  Mirror();
}

void TGridEdit::DeleteBtnClick() {
  edit_.RowText = glimmerset::ui::toModelText(Rowofchars->text());
  edit_.DeleteBtnClick();
  Mirror();
  Rowofchars->setFocus();
}

bool TGridEdit::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Rowofchars && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    edit_.RowText = glimmerset::ui::toModelText(Rowofchars->text());
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      edit_.ApplyRow();
      Mirror();
      Rowofchars->setFocus();
      return true;
    }
    edit_.OtherKey();
    ColDisp->setText(QString::number(edit_.ColDisp));
    if (key == Qt::Key_Escape) {
      reject();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

