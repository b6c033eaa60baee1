#pragma once
// ScanImport: taking in the grid that an OCR program read from a printed puzzle. The text is
// cleaned and checked first; an import that the user aborts or that fails leaves the previous
// grid exactly as it was, shown and with its records.

#include <QString>
#include <string>

#include "core/Session.h"

namespace glimmerset {

// The text of the OK/Abort box raised for a digit left in a cleaned line.
extern const std::string kScanDigitQuestion;

// Replaces the grid by the scanned text's grid: cells from the cleaned rows (a shorter row ends in
// empty cells), fresh records, the view sized but its panel not moved, the grid shown, the word box
// enabled and focused. Returns false when the user aborted at a digit question. Throws
// CommandError "Cannot open file %s", "List index out of bounds (%d)" for fewer than two lines, or
// the size refusal; nothing has changed then.
bool ImportScannedGrid(Session& session, const QString& fileName);

}  // namespace glimmerset
