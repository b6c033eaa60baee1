#pragma once
// NoOpPort: a window port that does nothing, so a benchmark measures the work alone. The size
// wizard answers with the answer given (Auto unless told otherwise).

#include "core/UiPort.h"

namespace glimmerset::bench {

class NoOpPort : public UiPort {
 public:
  explicit NoOpPort(SizeAnswer wizardAnswer = {WizardChoice::Auto, 0, 0}) : wizardAnswer_(wizardAnswer) {}
  void ShowMessage(const std::string&) override {}
  bool AskOkAbort(const std::string&) override { return true; }
  void PlaySound(SoundEffect) override {}
  void PumpEvents() override {}
  SizeAnswer AskGridSize(int) override { return wizardAnswer_; }
  void FocusWordBox() override {}
  void Changed(ModelChange) override {}

 private:
  SizeAnswer wizardAnswer_;
};

}  // namespace glimmerset::bench
