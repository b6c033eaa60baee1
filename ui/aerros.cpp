#include "aerros.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace {
constexpr int MaximumAllowed = 999;
}

int AllowedErrorsFromText(const QString& text) {
  bool number = false;
  const qlonglong value = text.trimmed().toLongLong(&number);
  if (!number) return 0;
  return static_cast<int>(std::clamp<qlonglong>(value, 0, MaximumAllowed));
}

QValidator::State TAllowedSpin::validate(QString& input, int&) const {
  // Anything may be typed; the text is corrected when the field is left.
  bool number = false;
  const qlonglong value = input.trimmed().toLongLong(&number);
  return number && value >= minimum() && value <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

void TAllowedSpin::fixup(QString& input) const { input = QString::number(AllowedErrorsFromText(input)); }

int TAllowedSpin::valueFromText(const QString& text) const { return AllowedErrorsFromText(text); }

TAllowed::TAllowed(int allowedErrors, QWidget* parent) : QDialog(parent) {
  setWindowTitle("Allowed Errors");
  setFixedSize(425, 118);
  setAutoFillBackground(true);
  QPalette look = palette();
  look.setColor(QPalette::Window, QColor(0x00, 0x80, 0x00));
  setPalette(look);

  Label1 = new QLabel("Enter the number of wrongs selections allowed in Game mode ", this);
  QFont labelFont("Arial");
  labelFont.setPixelSize(13);
  labelFont.setBold(true);
  Label1->setFont(labelFont);
  Label1->setGeometry(16, 12, 400, 20);

  SpinEdit1 = new TAllowedSpin(this);
  SpinEdit1->setObjectName("SpinEdit1");
  SpinEdit1->setRange(0, MaximumAllowed);
  SpinEdit1->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
  QFont numberFont = SpinEdit1->font();
  numberFont.setPixelSize(19);
  numberFont.setBold(true);
  SpinEdit1->setFont(numberFont);
  SpinEdit1->setGeometry(16, 48, 49 + 20, 32);
  SpinEdit1->setValue(std::clamp(allowedErrors, 0, MaximumAllowed));

  Button1 = new QPushButton("OK", this);
  Button1->setGeometry(320, 70, 89, 34);
  // RETURN does what OK does (the field passes it on); Escape closes the dialog without it.
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) move(screen->geometry().center() - rect().center());
  SpinEdit1->setFocus();
}

int TAllowed::Value() {
  SpinEdit1->interpretText();
  return SpinEdit1->value();
}
