#pragma once
// TConstructWiz: the borderless construction wizard that asks how big a new puzzle's grid shall
// be: Auto takes the suggested size, Size lets the user set both numbers between the suggested
// size and 40. It shows the wizard walk's pages and numbers; the walk and the last choice live in
// the window-free rules, so a new window is made for every construction.

#include <QDialog>

#include "core/ConstructWizard.h"

class QLabel;
class QSpinBox;
class QTabWidget;
class TOvalButton;

class TConstructWiz : public QDialog {
  Q_OBJECT

 public:
  explicit TConstructWiz(glimmerset::WizardMemory& memory, QWidget* parent = nullptr);

  // The answer for construction once the window has closed.
  glimmerset::SizeAnswer Answer() const { return walk_.Answer(); }
  const glimmerset::ConstructWizard& Walk() const { return walk_; }

  // Closing without a button (Escape, the window's close) cancels.
  void reject() override;

  QTabWidget* Wizard;
  QWidget* ChoicePage;
  QWidget* AutoPage;
  QWidget* SizePage;
  TOvalButton* AutoBtn;
  TOvalButton* SizeBtn;
  TOvalButton* OvalButton3;  // Cancel on the choice page
  TOvalButton* OvalButton4;  // Cancel on the Auto page
  TOvalButton* OvalButton1;  // Back on the Auto page
  TOvalButton* ContBtn;      // Continue... on the Auto page
  TOvalButton* OvalButton5;  // Cancel on the Size page
  TOvalButton* BackBtn1;     // Back on the Size page
  TOvalButton* OvalButton2;  // Continue... on the Size page
  QLabel* Memo1;
  QLabel* Memo2;
  QLabel* Memo3;
  QLabel* Memo4;
  QLabel* Label1;
  QLabel* Label2;
  QSpinBox* HSize;  // with its arrows: Horizontal
  QSpinBox* VSize;  // with its arrows: Vertical

 protected:
  bool event(QEvent* event) override;

 private:
  void FormActivate();
  void AutoBtnClick();
  void SizeBtnClick();
  void ContBtnClick();
  void BackBtn1Click();
  void OvalButton3Click();
  // Shows the walk: visible tabs, the current page and both numbers.
  void Mirror();

  glimmerset::ConstructWizard walk_;
};
