#pragma once
// TGridEdit: the modal "Grid Edit" dialog, which retypes one row of the existing grid at a time,
// adds rows at the bottom and deletes the last row. It shows the grid edit rules' state and
// forwards its keys and clicks; its set-up runs once, when the dialog opens.

#include <QDialog>

#include "core/GridEdit.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class TGridEdit : public QDialog {
  Q_OBJECT

 public:
  explicit TGridEdit(glimmerset::Session& session, QWidget* parent = nullptr);

  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QSpinBox* CurrentRow;
  QLineEdit* Rowofchars;
  QLineEdit* counter;
  QLineEdit* RowDisp;
  QLineEdit* ColDisp;
  QPushButton* DeleteBtn;
  QPushButton* Button1;  // "Close"

  const glimmerset::GridEdit& Rules() const { return edit_; }

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormActivate();
  void CurrentRowChange(int v);
  void DeleteBtnClick();
  // Shows the rules' state in the controls.
  void Mirror();

  glimmerset::GridEdit edit_;
  bool setUpDone_ = false;
};
