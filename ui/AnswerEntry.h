#pragma once
// TAnswersEntry: the modal "AnswersEntry" dialog in which the user types, corrects and removes
// the words of the answer list. One instance lives for the whole run; its list is the model's
// AnswersList, refilled from the main window's answer list at each opening and taken back after
// it closes.

#include <QDialog>
#include <functional>

#include "core/AnswerEntry.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class TAnswersEntry : public QDialog {
  Q_OBJECT

 public:
  explicit TAnswersEntry(glimmerset::Session& session, QWidget* parent = nullptr);

  // The whole Answers command: refill, show modally (through the runner when one is given), take
  // the words back into the main window.
  void Run(const std::function<int(QDialog&)>& runModal = {});
  // Before showing: the list gets the lines of the main window's answer list, none selected.
  void Refill();

  QLineEdit* AnswerName;
  QLabel* Label3;
  QListWidget* AnswersList;
  QLabel* counter;
  QPushButton* Button2;  // "Clear All"
  QPushButton* Button1;  // "Close"

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AnswersListClick(int row);
  void Button2Click();
  // Shows the rules' state: the list, its selection, the word box and the count label.
  void Mirror();

  glimmerset::Session& session_;
  glimmerset::AnswerEntry entry_;
};
