#include "Construct.h"

#include <QEvent>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>

#include "controls/OvalButton.h"

namespace {
// Face colours of the wizard's buttons.
const QColor Red(0xFF, 0x00, 0x00);
const QColor Green(0x00, 0x80, 0x00);
const QColor Aqua(0x00, 0xFF, 0xFF);
const QColor Teal(0x00, 0x80, 0x80);

QFont BoldPixels(int pixels) {
  QFont font;
  font.setPixelSize(pixels);
  font.setBold(true);
  return font;
}

TOvalButton* Button(const QString& caption, const QColor& face, int left, int top, QWidget* page) {
  auto* button = new TOvalButton(caption, page);
  button->setFaceColor(face);
  button->setGeometry(left, top, 89, 25);
  return button;
}

// A borderless explanatory text, one line per piece, on the window's face colour.
QLabel* Memo(const QStringList& lines, int left, int top, QWidget* page) {
  auto* memo = new QLabel(lines.join('\n'), page);
  memo->setFont(BoldPixels(13));
  memo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  memo->move(left, top);
  memo->adjustSize();
  return memo;
}

QSpinBox* SizeBox(int left, int width, QWidget* page) {
  auto* box = new QSpinBox(page);
  box->setFont(BoldPixels(16));
  box->setWrapping(false);
  box->setMaximum(glimmerset::MaximumWizardSize);
  box->setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
  box->setGeometry(left, 88, width + 20, 28);  // the edit box with its arrows to the right
  return box;
}
}  // namespace

TConstructWiz::TConstructWiz(glimmerset::WizardMemory& memory, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), walk_(memory) {
  setFixedSize(413, 218);
  move(236, 305);

  Wizard = new QTabWidget(this);
  Wizard->setGeometry(0, 0, 413, 218);
  ChoicePage = new QWidget;
  AutoPage = new QWidget;
  SizePage = new QWidget;
  Wizard->addTab(ChoicePage, "Choose the method required");
  Wizard->addTab(AutoPage, "Auto");
  Wizard->addTab(SizePage, "Size");

  AutoBtn = Button("Auto", Red, 16, 40, ChoicePage);
  Memo2 = Memo({"Choose Auto to have Glimmerset ", "construct a grid to fit your Answerlist."}, 120, 32, ChoicePage);
  SizeBtn = Button("Size", Green, 16, 88, ChoicePage);
  Memo1 = Memo({"Choose Size to enter the dimensions ", "of the grid you require."}, 120, 88, ChoicePage);
  OvalButton3 = Button("Cancel", Aqua, 296, 152, ChoicePage);

  Memo3 = Memo({"Glimmerset will Automaticaly Construct ", "a Grid which will just fit your longest answer word ",
                "in a Horizontal or Verical direction.", " "},
               16, 16, AutoPage);
  OvalButton4 = Button("Cancel", Teal, 112, 160, AutoPage);
  OvalButton1 = Button("Back", Green, 208, 160, AutoPage);
  ContBtn = Button("Continue...", Aqua, 304, 160, AutoPage);

  Memo4 = Memo({"Enter the Horizontal and Vertical dimensions ", "required for your grid.",
                "The minimum sizes are set for you.", "You will not be able to reduce these sizes.", " "},
               16, 16, SizePage);
  HSize = SizeBox(40, 33, SizePage);
  HSize->setObjectName("HSize");
  Label1 = new QLabel("Horizontal Size", SizePage);
  Label1->setFont(BoldPixels(13));
  Label1->move(16, 128);
  VSize = SizeBox(160, 41, SizePage);
  VSize->setObjectName("VSize");
  Label2 = new QLabel("Vertical Size", SizePage);
  Label2->setFont(BoldPixels(13));
  Label2->move(144, 128);
  OvalButton5 = Button("Cancel", Teal, 112, 160, SizePage);
  BackBtn1 = Button("Back", Green, 208, 160, SizePage);
  OvalButton2 = Button("Continue...", Aqua, 304, 160, SizePage);

  connect(AutoBtn, &TOvalButton::clicked, this, &TConstructWiz::AutoBtnClick);
  connect(SizeBtn, &TOvalButton::clicked, this, &TConstructWiz::SizeBtnClick);
  for (TOvalButton* cancel : {OvalButton3, OvalButton4, OvalButton5})
    connect(cancel, &TOvalButton::clicked, this, &TConstructWiz::OvalButton3Click);
  for (TOvalButton* back : {OvalButton1, BackBtn1}) connect(back, &TOvalButton::clicked, this, &TConstructWiz::BackBtn1Click);
  for (TOvalButton* next : {ContBtn, OvalButton2}) connect(next, &TOvalButton::clicked, this, &TConstructWiz::ContBtnClick);
  connect(HSize, &QSpinBox::valueChanged, this, [this](int v) { walk_.TypeHorizontal(std::to_string(v)); });
  connect(VSize, &QSpinBox::valueChanged, this, [this](int v) { walk_.TypeVertical(std::to_string(v)); });

  FormActivate();
}

bool TConstructWiz::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) FormActivate();
  return QDialog::event(event);
}

void TConstructWiz::FormActivate() {
  walk_.FormActivate();
  Mirror();
}

void TConstructWiz::Mirror() {
  for (int page = 0; page < 3; ++page) Wizard->setTabVisible(page, walk_.TabVisible[static_cast<std::size_t>(page)]);
  Wizard->setCurrentIndex(static_cast<int>(walk_.Page));
  const QSignalBlocker hBlock(HSize);
  const QSignalBlocker vBlock(VSize);
  HSize->setMinimum(walk_.Horizontal.Minimum);
  HSize->setValue(walk_.Horizontal.Position);
  VSize->setMinimum(walk_.Vertical.Minimum);
  VSize->setValue(walk_.Vertical.Position);
}

void TConstructWiz::AutoBtnClick() {
  walk_.AutoBtnClick();
  Mirror();
}

void TConstructWiz::SizeBtnClick() {
  walk_.SizeBtnClick();
  Mirror();
}

void TConstructWiz::BackBtn1Click() {
  walk_.BackBtn1Click();
  Mirror();
}

void TConstructWiz::ContBtnClick() {
  walk_.ContBtnClick();
  accept();
}

void TConstructWiz::OvalButton3Click() {
  walk_.OvalButton3Click();
  QDialog::reject();
}

void TConstructWiz::reject() {
  walk_.CloseWithoutButton();
  QDialog::reject();
}
