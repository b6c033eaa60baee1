#include "AnswerEntry.h"

#include <algorithm>

#include "GridEntryText.h"

namespace glimmerset {

namespace {
// The text without leading and trailing characters of code 32 or less.
std::string Trimmed(const std::string& text) {
  auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  const auto first = std::find_if_not(text.begin(), text.end(), isBlank);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), isBlank).base();
  return first < last ? std::string(first, last) : std::string();
}
}  // namespace

void AnswerEntry::Refill() {
  List().clear();
  for (const auto& line : session_.Model.Answers) List().push_back(line.Text);
  Selected = -1;
}

KeyOutcome AnswerEntry::AnswerNameKeyDown(int keyCode) {
  if (keyCode == EscapeKey) return KeyOutcome::CloseDialog;
  if (keyCode == DeleteKey) {
    if (Selected >= 0 && Selected < static_cast<int>(List().size())) List().erase(List().begin() + Selected);
    Selected = -1;
    return KeyOutcome::PassToEdit;
  }
  if (keyCode == ReturnKey) {
    AcceptWord();
    return KeyOutcome::Handled;
  }
  return KeyOutcome::PassToEdit;
}

void AnswerEntry::AcceptWord() {
  const std::string word = UpperAscii(WordText);
  const bool duplicate = std::find(List().begin(), List().end(), word) != List().end();
  const int editIndex = Selected >= 0 && Selected < static_cast<int>(List().size()) ? Selected : -1;
  const std::string trimmed = Trimmed(WordText);
  if (trimmed.empty()) return;
  if (WordText.find(' ') != std::string::npos) {
    session_.Message("Spaces are not allowed in answers");
    return;
  }
  if (CharacterCount(trimmed) == 1) {
    session_.Message("Answers must contain at least two characters");
    return;
  }
  if (duplicate) {
    session_.Message("You already have that word");
    return;
  }
  if (editIndex >= 0) {
    List()[static_cast<std::size_t>(editIndex)] = word;
    Selected = -1;
  } else if (static_cast<int>(List().size()) >= MaximumAnswers) {
    session_.Message("Maximum 40 Answers Allowed");
  } else {
    List().push_back(word);
  }
  CounterText = std::to_string(List().size()) + " Words";
  WordText.clear();
}

void AnswerEntry::AnswersListClick(int index) {
  if (index < 0 || index >= static_cast<int>(List().size())) return;
  Selected = index;
  WordText = List()[static_cast<std::size_t>(index)];
}

void AnswerEntry::ClearAll() {
  List().clear();
  Selected = -1;
}

void TakeBackAnswers(Session& session) {
  PuzzleModel& model = session.Model;
  model.AnswerCount = static_cast<int>(model.AnswersList.size());
  if (model.AnswerCount <= 0) return;
  session.SetStatus(WordsPanel, std::to_string(model.AnswerCount) + " Answers");
  model.Answers.clear();
  for (const auto& word : model.AnswersList) model.Answers.push_back(AnswerLine{word, std::nullopt});
  model.Commands.AnswerListVisible = true;
  session.AnswerListChanged();
  session.CommandsChanged();
  session.SetWordBoxWidth(model.LongestAnswer() * 24);
  model.Layout.AnswerListWidth = model.Layout.WordBoxWidth;
  session.Port().Changed(ModelChange::ListLayout);
}

}  // namespace glimmerset
