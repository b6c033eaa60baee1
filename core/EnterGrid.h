#pragma once
// EnterGrid: what the main window's New command does around the grid entry dialog: it prepares
// an empty, hidden one-row grid before the dialog opens and, once it has closed, shows or hides
// the typed grid and sets the Edit commands. It owns EntryColumns, which the dialog shares.

#include "Session.h"

namespace glimmerset {

class EnterGrid {
 public:
  explicit EnterGrid(Session& session) : session_(session) {}

  // Before the dialog opens: found answers cleared, grid hidden with one row, the Edit menu entry
  // enabled and the EDIT button disabled.
  void Begin();
  // After the dialog has closed, accepted or not.
  void Finish(bool accepted);

  // The column count fixed by the first accepted row; 0 while none has been accepted.
  int EntryColumns = 0;

 private:
  Session& session_;
};

}  // namespace glimmerset
