#pragma once
// TGridEntryForm: the modal "Grid Entry" dialog in which the user types a new grid one row at a
// time. Every row confirmed with RETURN goes straight into the puzzle's grid through the grid
// entry rules; the dialog itself only returns Accept (QDialog::Accepted) or Cancel.

#include <QDialog>
#include <functional>

#include "core/GridEntry.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TGridEntryForm : public QDialog {
  Q_OBJECT

 public:
  // entryColumns is the main window's EntryColumns; regular reads the "Regular" option's tick.
  TGridEntryForm(glimmerset::Session& session, int& entryColumns, std::function<bool()> regular,
                 QWidget* parent = nullptr);

  QLabel* Label1;
  QLineEdit* Rowofchars;
  QLineEdit* counter;
  QPushButton* Button1;  // "Accept"
  QPushButton* New;      // "New Grid"
  QPushButton* Button2;  // "Cancel"

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void RowofcharsChange();
  void AcceptTypedRow();
  void NewClick();

  glimmerset::GridEntry entry_;
  std::function<bool()> regular_;
};
