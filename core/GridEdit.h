#pragma once
// GridEdit: the rules and the shown state of the grid edit dialog, which retypes one row of the
// existing grid at a time (rows and letters up to 20), adds rows at the bottom and deletes the
// last row, writing every change straight into the puzzle's grid. The dialog mirrors the values
// held here and forwards its keys and clicks.

#include <string>

#include "Session.h"

namespace glimmerset {

inline constexpr int MaximumEditRows = 20;
inline constexpr int MaximumEditLetters = 20;
inline constexpr const char* EditLimitMessage = "Glimmerset is limited to grids of 20 * 20 letters\r No changes made";
inline constexpr const char* DeleteRefusedMessage = "You can only delete the final Row";

class GridEdit {
 public:
  explicit GridEdit(Session& session) : session_(session) {}

  // The set-up when the dialog opens.
  void FormActivate();
  // The spin box was set to v (held within 1 to 20); a new value runs CurrentRowChange.
  void SetCurrentRow(int v);
  // A new spin box value: loads that row when it exists; "Delete Row" only on the last row.
  void CurrentRowChange(int v);
  // Any key but RETURN in the row box: ColDisp shows the text's length plus one.
  void OtherKey();
  // RETURN in the row box: applies RowText to the selected row.
  void ApplyRow();
  // "Delete Row".
  void DeleteBtnClick();

  // What the dialog shows.
  int EditColumns = 0;
  int CurrentRow = 1;   // the spin box, 1-based
  std::string RowText;  // the row box
  int Counter = 0;
  int RowDisp = 0;
  int ColDisp = 0;
  bool DeleteEnabled = false;

 private:
  void LoadRow(int v);

  Session& session_;
};

}  // namespace glimmerset
