// Fuzz target: the scanned grid reader. The first byte decides which digit questions are answered
// with Abort; the rest is the scanned text. An accepted text gives one row per line but the last,
// no row wider than the grid, and no "." or blank left in any row.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/CommandError.h"
#include "files/ScanText.h"
#include "files/TextLines.h"

using namespace glimmerset;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const unsigned abortMask = data[0];
  std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  const auto lines = SplitTextLines(text);
  std::optional<ScannedGrid> grid;
  try {
    grid = ParseScannedLines(lines, [&](char digit) { return ((abortMask >> (digit - '2')) & 1U) == 0; });
  } catch (const CommandError&) {
    if (lines.size() >= 2) {
      // Only the size refusal may remain for a text of two lines or more.
      if (lines.size() - 1 <= 1000 && lines[0].size() <= 1000) std::abort();
    }
    return 0;
  }
  if (!grid) return 0;
  if (grid->Rows < 1 || grid->Cols < 1) std::abort();
  if (grid->RowTexts.size() != lines.size() - 1) std::abort();
  for (const auto& row : grid->RowTexts) {
    if (row.size() > static_cast<std::size_t>(grid->Cols)) std::abort();
    if (row.find_first_of(". ") != std::string::npos) std::abort();
  }
  return 0;
}
