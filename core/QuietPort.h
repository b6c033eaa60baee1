#pragma once
// QuietPort: a window port for work done without a window (the command-line companion, the
// answer key). It shows nothing and plays nothing; it keeps the messages it was given, so a caller
// can report them its own way, and answers the size question with the answer it was made with.

#include <string>
#include <vector>

#include "UiPort.h"

namespace glimmerset {

class QuietPort : public UiPort {
 public:
  explicit QuietPort(SizeAnswer sizeAnswer = {WizardChoice::Auto, 0, 0}) : sizeAnswer_(sizeAnswer) {}
  void ShowMessage(const std::string& text) override { messages_.push_back(text); }
  bool AskOkAbort(const std::string& text) override {
    messages_.push_back(text);
    return false;
  }
  void PlaySound(SoundEffect) override {}
  void PumpEvents() override {}
  SizeAnswer AskGridSize(int) override { return sizeAnswer_; }
  void FocusWordBox() override {}
  void Changed(ModelChange) override {}

  const std::vector<std::string>& Messages() const { return messages_; }
  void ClearMessages() { messages_.clear(); }

 private:
  SizeAnswer sizeAnswer_;
  std::vector<std::string> messages_;
};

}  // namespace glimmerset
