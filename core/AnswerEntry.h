#pragma once
// AnswerEntry: the rules and the shown state of the answer entry dialog, in which the user types,
// corrects and removes the words of the answer list. Its list is the model's AnswersList; the
// main window fills it before each opening and takes the words back after the dialog closes.

#include <string>

#include "Session.h"

namespace glimmerset {

inline constexpr int MaximumAnswers = 40;

// The key codes the word box reacts to.
enum AnswerKeyCode { ReturnKey = 13, EscapeKey = 27, DeleteKey = 46 };

// What the dialog does with a key once the rules have seen it.
enum class KeyOutcome {
  CloseDialog,  // Escape
  PassToEdit,   // the edit box does its ordinary work with the key
  Handled,      // RETURN: the key is used up
};

class AnswerEntry {
 public:
  explicit AnswerEntry(Session& session) : session_(session) {}

  // Before each opening: the list gets the lines of the main window's answer list, none selected.
  void Refill();
  // A key in the word box; WordText must hold the box's text.
  KeyOutcome AnswerNameKeyDown(int keyCode);
  // A click on list item index: it becomes the selection and its word goes into the word box.
  void AnswersListClick(int index);
  // "Clear All".
  void ClearAll();

  std::vector<std::string>& List() { return session_.Model.AnswersList; }

  // What the dialog shows.
  std::string WordText;
  int Selected = -1;
  std::string CounterText = "0 Words";

 private:
  void AcceptWord();

  Session& session_;
};

// The main window's Answers command after the dialog has closed: AnswerCount, status panel 4,
// the answer list lines and its visibility, and the word box and list widths.
void TakeBackAnswers(Session& session);

}  // namespace glimmerset
