#pragma once
// UiPort: the one way the window-free layers reach the window. The main window implements it;
// tests implement it with a recorder. State lives in the PuzzleModel; the port is told what
// changed so the window can refresh its mirror, and carries the few requests that need the
// user or the desktop (messages, the OK/Abort box, sounds, the size wizard, pending events).

#include <string>

namespace glimmerset {

enum class SoundEffect { Won, Bad };

// What changed in the model, so the window knows which mirror to refresh.
enum class ModelChange {
  Cells,        // cell texts or records: repaint the grid
  GridLayout,   // grid size, grid view geometry or GridPresent
  WordText,     // the word box text
  AnswerList,   // answer lines or their colours: rebuild the list (not a pick by the user)
  ListLayout,   // word box and answer list geometry
  Status,       // a status panel text
  Commands,     // which commands are enabled, the sound switch
  Busy,         // a long operation started or ended
};

// The construction wizard's answer.
enum class WizardChoice { Cancelled = -1, Auto = 0, Size = 1 };
struct SizeAnswer {
  WizardChoice Choice = WizardChoice::Cancelled;
  int Horizontal = 0;  // rows
  int Vertical = 0;    // columns
};

class UiPort {
 public:
  virtual ~UiPort() = default;

  // A modal message box with one OK button.
  virtual void ShowMessage(const std::string& text) = 0;
  // A modal error box with OK and Abort; true for OK.
  virtual bool AskOkAbort(const std::string& text) = 0;
  // Starts a sound without waiting for it.
  virtual void PlaySound(SoundEffect sound) = 0;
  // Lets pending window events run.
  virtual void PumpEvents() = 0;
  // Opens the construction wizard with the suggested size and waits for its answer.
  virtual SizeAnswer AskGridSize(int suggestedSize) = 0;
  // Gives the word box the keyboard focus.
  virtual void FocusWordBox() = 0;
  virtual void Changed(ModelChange what) = 0;
};

}  // namespace glimmerset
