#include "AnswerEntry.h"
#include "ui/ModelText.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>

namespace {
QFont Bold(QFont font) {
  font.setBold(true);
  return font;
}
int KeyCode(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return glimmerset::ReturnKey;
    case Qt::Key_Escape:
      return glimmerset::EscapeKey;
    case Qt::Key_Delete:
      return glimmerset::DeleteKey;
    default:
      return 0;
  }
}
}  // namespace

TAnswersEntry::TAnswersEntry(glimmerset::Session& session, QWidget* parent)
    : QDialog(parent), session_(session), entry_(session) {
  setWindowTitle("AnswersEntry");
  setFixedSize(287, 289);

  AnswerName = new QLineEdit(this);
  AnswerName->setObjectName("AnswerName");
  AnswerName->setGeometry(16, 12, 255, 24);
  Label3 = new QLabel("Hit <RETURN> to Accept Word", this);
  Label3->setFont(Bold(Label3->font()));
  Label3->setGeometry(16, 40, 255, 18);
  AnswersList = new QListWidget(this);
  AnswersList->setObjectName("AnswersList");
  AnswersList->setSelectionMode(QAbstractItemView::SingleSelection);
  AnswersList->setGeometry(16, 62, 255, 176);
  counter = new QLabel("0 Words", this);
  counter->setFont(Bold(counter->font()));
  counter->setGeometry(16, 252, 80, 18);
  Button2 = new QPushButton("Clear All", this);
  Button2->setGeometry(100, 248, 80, 25);
  Button2->setAutoDefault(false);
  Button2->setFocusPolicy(Qt::TabFocus);  // a click leaves the keyboard with the word box
  Button1 = new QPushButton("Close", this);
  Button1->setGeometry(191, 248, 80, 25);
  Button1->setAutoDefault(false);

  connect(AnswersList, &QListWidget::currentRowChanged, this, &TAnswersEntry::AnswersListClick);
  connect(AnswersList, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { AnswersListClick(AnswersList->row(item)); });
  connect(Button2, &QPushButton::clicked, this, &TAnswersEntry::Button2Click);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  AnswerName->installEventFilter(this);
  AnswerName->setFocus();
}

void TAnswersEntry::Refill() {
  entry_.Refill();
  Mirror();
}

void TAnswersEntry::Run(const std::function<int(QDialog&)>& runModal) {
  Refill();
  if (runModal)
    runModal(*this);
  else
    exec();
  glimmerset::TakeBackAnswers(session_);
}

void TAnswersEntry::showEvent(QShowEvent* event) {
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
  QDialog::showEvent(event);
}

void TAnswersEntry::Mirror() {
  const QSignalBlocker blocker(AnswersList);
  AnswersList->clear();
  for (const auto& word : entry_.List()) AnswersList->addItem(glimmerset::ui::fromModelText(word));
  AnswersList->setCurrentRow(entry_.Selected);
  if (entry_.Selected < 0) AnswersList->clearSelection();
  if (glimmerset::ui::toModelText(AnswerName->text()) != entry_.WordText) AnswerName->setText(glimmerset::ui::fromModelText(entry_.WordText));
  counter->setText(glimmerset::ui::fromModelText(entry_.CounterText));
}

bool TAnswersEntry::eventFilter(QObject* watched, QEvent* event) {
  if (watched == AnswerName && event->type() == QEvent::KeyPress) {
    const int code = KeyCode(static_cast<QKeyEvent*>(event)->key());
    if (code == 0) return QDialog::eventFilter(watched, event);
    entry_.WordText = glimmerset::ui::toModelText(AnswerName->text());
    switch (entry_.AnswerNameKeyDown(code)) {
      case glimmerset::KeyOutcome::CloseDialog:
        reject();
        return true;
      case glimmerset::KeyOutcome::PassToEdit:
        Mirror();
        return false;
      case glimmerset::KeyOutcome::Handled:
        Mirror();
        AnswerName->setFocus();
        return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TAnswersEntry::AnswersListClick(int row) {
  if (row < 0) return;
  entry_.AnswersListClick(row);
  Mirror();
  AnswerName->setFocus();
}

void TAnswersEntry::Button2Click() {
  entry_.ClearAll();
  Mirror();
  AnswerName->setFocus();
}
