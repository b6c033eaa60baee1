#pragma once
// A UiPort for tests: records every message, sound and change, answers the OK/Abort box and the
// size wizard from queues the test fills, and can run a callback on each pump of events.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/UiPort.h"

namespace glimmerset::testing {

class RecordingPort : public UiPort {
 public:
  std::vector<std::string> messages;
  std::vector<std::string> okAbortTexts;
  std::vector<SoundEffect> sounds;
  std::vector<ModelChange> changes;
  int pumps = 0;
  int focusRequests = 0;
  std::deque<bool> okAbortAnswers;     // empty: OK
  std::deque<SizeAnswer> sizeAnswers;  // empty: cancelled
  std::vector<int> sizeQuestions;
  std::function<void()> onPump;

  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  bool AskOkAbort(const std::string& text) override {
    okAbortTexts.push_back(text);
    if (okAbortAnswers.empty()) return true;
    bool answer = okAbortAnswers.front();
    okAbortAnswers.pop_front();
    return answer;
  }
  void PlaySound(SoundEffect sound) override { sounds.push_back(sound); }
  void PumpEvents() override {
    ++pumps;
    if (onPump) onPump();
  }
  SizeAnswer AskGridSize(int suggestedSize) override {
    sizeQuestions.push_back(suggestedSize);
    if (sizeAnswers.empty()) return {};
    SizeAnswer answer = sizeAnswers.front();
    sizeAnswers.pop_front();
    return answer;
  }
  void FocusWordBox() override { ++focusRequests; }
  void Changed(ModelChange what) override { changes.push_back(what); }

  bool SawChange(ModelChange what) const {
    for (auto c : changes)
      if (c == what) return true;
    return false;
  }
  void Forget() {
    messages.clear();
    okAbortTexts.clear();
    sounds.clear();
    changes.clear();
    pumps = 0;
  }
};

}  // namespace glimmerset::testing
