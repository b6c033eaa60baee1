#pragma once
// TAllowed: the small green "Allowed Errors" dialog in which the player sets how many wrong
// presses a game allows. It opens with the current number; only its OK button (QDialog::Accepted)
// hands the new number back.

#include <QDialog>
#include <QSpinBox>

class QLabel;
class QPushButton;

// The allowed-errors number typed into the field: text that is not a whole number counts as 0,
// a number outside 0 to 999 is brought to the nearest bound.
int AllowedErrorsFromText(const QString& text);

// The number field of the dialog, which corrects typed text by the rule above.
class TAllowedSpin : public QSpinBox {
  Q_OBJECT

 public:
  using QSpinBox::QSpinBox;

 protected:
  QValidator::State validate(QString& input, int& pos) const override;
  void fixup(QString& input) const override;
  int valueFromText(const QString& text) const override;
};

class TAllowed : public QDialog {
  Q_OBJECT

 public:
  explicit TAllowed(int allowedErrors, QWidget* parent = nullptr);

  // The field's value, with any text still being typed taken in.
  int Value();

  QLabel* Label1;
  TAllowedSpin* SpinEdit1;
  QPushButton* Button1;  // "OK"
};
