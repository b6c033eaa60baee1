#include "WordBox.h"

#include <QKeyEvent>
#include <QValidator>

namespace glimmerset::ui {

namespace {

// Turns the letters a to z into upper case as they are typed; every text is acceptable.
class UpperCaseValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    for (QChar& ch : input)
      if (ch >= QLatin1Char('a') && ch <= QLatin1Char('z')) ch = QChar(ch.unicode() - 'a' + 'A');
    return Acceptable;
  }
};

}  // namespace

WordBox::WordBox(QWidget* parent) : QLineEdit(parent) {
  setMaxLength(MaximumCharacters);
  setMinimumWidth(20);
  setMaximumWidth(300);
  setValidator(new UpperCaseValidator(this));
  setFocusPolicy(Qt::ClickFocus);
}

void WordBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    emit keyDown(ReturnKey);
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

}  // namespace glimmerset::ui
