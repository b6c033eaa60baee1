#include "gridentry.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/GridEntryText.h"
#include "ui/ModelText.h"

namespace {
QPushButton* MakeButton(const QString& caption, int left, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setAutoDefault(false);
  // A click leaves the keyboard with the row box, where the rows are typed.
  button->setFocusPolicy(Qt::TabFocus);
  button->setGeometry(left, 96, 80, 25);
  return button;
}
}  // namespace

TGridEntryForm::TGridEntryForm(glimmerset::Session& session, int& entryColumns, std::function<bool()> regular,
                               QWidget* parent)
    : QDialog(parent), entry_(session, entryColumns), regular_(std::move(regular)) {
  setWindowTitle("Grid Entry");
  setFixedSize(276, 133);

  Label1 = new QLabel("Enter row and Press RETURN", this);
  Label1->setGeometry(12, 12, 250, 16);
  Rowofchars = new QLineEdit(this);
  Rowofchars->setObjectName("Rowofchars");
  Rowofchars->setGeometry(12, 36, 200, 24);
  counter = new QLineEdit(this);
  counter->setObjectName("counter");
  counter->setGeometry(220, 36, 41, 24);
  counter->setFocusPolicy(Qt::ClickFocus);

  Button1 = MakeButton("Accept", 12, this);
  New = MakeButton("New Grid", 98, this);
  Button2 = MakeButton("Cancel", 184, this);

  connect(Rowofchars, &QLineEdit::textChanged, this, &TGridEntryForm::RowofcharsChange);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  connect(New, &QPushButton::clicked, this, &TGridEntryForm::NewClick);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
  Rowofchars->installEventFilter(this);
  Rowofchars->setFocus();
}

void TGridEntryForm::RowofcharsChange() {
  counter->setText(QString::number(glimmerset::CharacterCount(glimmerset::ui::toModelText(Rowofchars->text()))));
}

bool TGridEntryForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Rowofchars && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Escape) {
      reject();
      return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      AcceptTypedRow();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TGridEntryForm::AcceptTypedRow() {
  const std::string typed = glimmerset::ui::toModelText(Rowofchars->text());
  counter->setText(QString::number(glimmerset::CharacterCount(typed)));
  const glimmerset::RowOutcome outcome = entry_.AcceptRow(typed, regular_ ? regular_() : true);
  Rowofchars->setText(glimmerset::ui::fromModelText(outcome.Text));
  Rowofchars->setFocus();
}

void TGridEntryForm::NewClick() {
  entry_.NewClick();
  Rowofchars->setFocus();
}
