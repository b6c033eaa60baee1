#pragma once
// ConstructWizard: the walk of the construction wizard, which asks how big a new puzzle's grid
// shall be: the choice page, then the Auto or the Size page, then Continue, Back or Cancel. The
// suggested size and the last choice outlive every wizard window; the window mirrors the walk.

#include <array>
#include <cstdint>
#include <string>

#include "UiPort.h"

namespace glimmerset {

inline constexpr int MaximumWizardSize = 40;

// The two values that last from one use of the wizard to the next.
struct WizardMemory {
  int WizardSize = 0;             // the suggested size, set before the wizard opens
  std::int32_t WizardChoice = 0;  // -1 cancelled, 0 Auto, 1 Size
};

// The memory of the program's one run.
WizardMemory& ProgramWizardMemory();

enum class WizardPage { Choice = 0, Auto = 1, Size = 2 };

// One up-down number of the Size page: a whole number from Minimum to 40.
struct SizeNumber {
  int Minimum = 1;
  int Position = 1;
};

class ConstructWizard {
 public:
  explicit ConstructWizard(WizardMemory& memory) : memory_(memory) {}

  // Each time the window becomes active: both numbers back at the suggested size (held at 40),
  // which is also their minimum, and the choice page shown.
  void FormActivate();
  void AutoBtnClick();
  void SizeBtnClick();
  void BackBtn1Click();
  // Continue: the window closes, the choice stays as it was.
  void ContBtnClick();
  // Any Cancel button.
  void OvalButton3Click();
  // The window closes without one of its buttons (Escape, the window's close): cancelled.
  void CloseWithoutButton();

  // A number typed into HSize or VSize; it counts only if it is a whole number from the minimum
  // to 40. Returns the position afterwards.
  int TypeHorizontal(const std::string& text) { return Type(Horizontal, text); }
  int TypeVertical(const std::string& text) { return Type(Vertical, text); }
  // An arrow of an up-down: one step, no wrap-around.
  void Step(SizeNumber& number, int delta);

  // The answer for construction once the window has closed.
  SizeAnswer Answer() const;

  WizardPage Page = WizardPage::Choice;
  std::array<bool, 3> TabVisible = {true, false, false};
  SizeNumber Horizontal;
  SizeNumber Vertical;
  bool Closed = false;

 private:
  static int Type(SizeNumber& number, const std::string& text);
  void GoTo(WizardPage page);

  WizardMemory& memory_;
};

}  // namespace glimmerset
