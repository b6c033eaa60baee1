#include "ScanImport.h"

#include "ScanText.h"
#include "TextFile.h"

namespace glimmerset {

const std::string kScanDigitQuestion =
    "The Glimmerset contains Numeric characters which cannot be\n"
    " interpereted. Clich OK to Accept anyway, Abort to Re-Scan";

bool ImportScannedGrid(Session& session, const QString& fileName) {
  const auto lines = ReadFileLines(fileName, kScanTextLimit);
  Session::BusyScope busy(session);
  const auto scanned = ParseScannedLines(
      lines, [&session](char) { return session.Port().AskOkAbort(kScanDigitQuestion); },
      [&session] { session.Pump(); });
  if (!scanned) return false;

  PuzzleModel& model = session.Model;
  LetterGrid grid(scanned->Rows, scanned->Cols);
  for (int r = 0; r < scanned->Rows; ++r) {
    const std::string& row = scanned->RowTexts[static_cast<std::size_t>(r)];
    for (std::size_t k = 0; k < row.size(); ++k) grid.SetText(static_cast<int>(k), r, std::string(1, row[k]));
  }
  model.Grid = std::move(grid);
  session.PresentNewGrid(false);
  return true;
}

}  // namespace glimmerset
