#pragma once
// GridEntry: the rules of the grid entry dialog. Each row typed there and confirmed with RETURN
// is checked and written straight into the puzzle's grid, in regular (rectangular) or free-form
// mode; the result says what the dialog's edit box must show afterwards.

#include <string>

#include "Session.h"

namespace glimmerset {

// What the row edit box holds once a row has been handled.
enum class RowBox { Emptied, Kept, Cut };

struct RowOutcome {
  RowBox Box = RowBox::Emptied;
  std::string Text;  // the text the edit box must show
};

inline constexpr int MaximumEntryCells = 40;
inline constexpr const char* EntryLimitMessage = "Glimmerset is limited to a grid of 40 by 40 Letters";

class GridEntry {
 public:
  // entryColumns is EntryColumns, shared with the main window (0: no row accepted yet).
  GridEntry(Session& session, int& entryColumns) : session_(session), entryColumns_(entryColumns) {}

  // RETURN in the row box with the typed text; regular is the tick of the "Regular" option.
  RowOutcome AcceptRow(const std::string& typed, bool regular);
  // "New Grid": starts a new grid in the dialog.
  void NewClick();

  int EntryColumns() const { return entryColumns_; }

  // Writes the text into grid row r, one upper-cased character a cell, empty cells past its end,
  // every cell with a fresh record in the fixed entry look.
  static void FillRow(PuzzleModel& model, int row, const std::string& text);
  // "12 Rows:  15 Cols:"
  static std::string SizeStatus(int rows, int cols);

 private:
  RowOutcome RegularRow(const std::string& typed, int n);
  void FreeFormRow(const std::string& typed, int n);

  Session& session_;
  int& entryColumns_;
};

}  // namespace glimmerset
