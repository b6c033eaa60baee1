#include "ConstructWizard.h"

#include <algorithm>
#include <charconv>

namespace glimmerset {

WizardMemory& ProgramWizardMemory() {
  static WizardMemory memory;
  return memory;
}

void ConstructWizard::GoTo(WizardPage page) {
  TabVisible = {page == WizardPage::Choice, page == WizardPage::Auto, page == WizardPage::Size};
  Page = page;
}

void ConstructWizard::FormActivate() {
  const int size = std::clamp(memory_.WizardSize, 1, MaximumWizardSize);
  Horizontal = {size, size};
  Vertical = {size, size};
  GoTo(WizardPage::Choice);
}

void ConstructWizard::AutoBtnClick() {
  GoTo(WizardPage::Auto);
  memory_.WizardChoice = 0;
}

void ConstructWizard::SizeBtnClick() {
  GoTo(WizardPage::Size);
  memory_.WizardChoice = 1;
}

void ConstructWizard::BackBtn1Click() { GoTo(WizardPage::Choice); }

void ConstructWizard::ContBtnClick() { Closed = true; }

void ConstructWizard::OvalButton3Click() {
  memory_.WizardChoice = -1;
  Closed = true;
}

void ConstructWizard::CloseWithoutButton() {
  if (Closed) return;
  OvalButton3Click();
}

void ConstructWizard::Step(SizeNumber& number, int delta) {
  number.Position = std::clamp(number.Position + delta, number.Minimum, MaximumWizardSize);
}

int ConstructWizard::Type(SizeNumber& number, const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [last, error] = std::from_chars(text.data(), end, value);
  if (error == std::errc() && last == end && !text.empty() && value >= number.Minimum && value <= MaximumWizardSize)
    number.Position = value;
  return number.Position;
}

SizeAnswer ConstructWizard::Answer() const {
  switch (memory_.WizardChoice) {
    case 0: {
      const int size = std::clamp(memory_.WizardSize, 1, MaximumWizardSize);
      return {WizardChoice::Auto, size, size};
    }
    case 1:
      return {WizardChoice::Size, Horizontal.Position, Vertical.Position};
    default:
      return {WizardChoice::Cancelled, 0, 0};
  }
}

}  // namespace glimmerset
