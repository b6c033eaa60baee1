#include "demoUnit.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "controls/OvalButton.h"

TDemoForm::TDemoForm(std::function<void(int tag)> load, const QString& actressTopic, const QString& moviesTopic,
                     QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), load_(std::move(load)) {
  setWindowTitle("The Glimmerset Demos");
  setFixedSize(373, 261);
  setAutoFillBackground(true);
  QPalette look = palette();
  look.setColor(QPalette::Window, QColor(0x00, 0x80, 0x00));
  look.setColor(QPalette::WindowText, Qt::black);
  setPalette(look);
  QFont font("MS Sans Serif");
  font.setPointSize(8);
  setFont(font);

  const QString captions[5] = {"Citys", "Actress", "Family", "Simple", "Movies"};
  const QString topics[5] = {"Find capital citys across theworld", actressTopic, "Who is in your family",
                             "As easy as it gets", moviesTopic};
  for (int i = 0; i < 5; ++i) {
    const int tag = i + 1;
    auto* button = new TOvalButton(captions[i], this);
    button->setObjectName(QString("DemoButton%1").arg(tag));
    button->setFaceColor(QColor(0x00, 0x00, 0x80));
    button->setTextColor(Qt::white);
    button->setGeometry(24, 16 + 48 * i, 50, 40);
    connect(button, &TOvalButton::clicked, this, [this, tag] { OvalButton1Click(tag); });
    DemoButtons[static_cast<std::size_t>(i)] = button;

    auto* label = new QLabel(topics[i], this);
    label->move(92, 30 + 48 * i);
    label->adjustSize();
    Labels[static_cast<std::size_t>(i)] = label;
  }

  OvalButton11 = new TOvalButton("Return to Glimmerset", this);
  OvalButton11->setFaceColor(QColor(0x80, 0x00, 0x80));
  OvalButton11->setTextColor(Qt::white);
  OvalButton11->setGeometry(232, 112, 129, 41);
  connect(OvalButton11, &TOvalButton::clicked, this, &TDemoForm::OvalButton11Click);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) move(screen->geometry().center() - rect().center());
}

void TDemoForm::OvalButton1Click(int tag) {
  if (load_) load_(tag);
}

void TDemoForm::OvalButton11Click() { accept(); }
