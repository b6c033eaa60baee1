// Fuzz target: the grid file reader on any bytes. A text it accepts must fill a grid and write
// back to a text that reads as the same grid; one it refuses must be refused with a CommandError.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/CommandError.h"
#include "files/GridText.h"
#include "files/TextLines.h"

using namespace glimmerset;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  GridText parsed;
  try {
    parsed = ParseGridLines(SplitTextLines(text));
  } catch (const CommandError&) {
    return 0;
  }
  if (parsed.Cells.size() != static_cast<std::size_t>(parsed.Rows) * static_cast<std::size_t>(parsed.Cols)) std::abort();
  LetterGrid grid(parsed.Rows, parsed.Cols);
  for (int r = 0; r < parsed.Rows; ++r)
    for (int c = 0; c < parsed.Cols; ++c) grid.SetText(c, r, parsed.Cells[static_cast<std::size_t>(r) * parsed.Cols + c]);
  GridText again = ParseGridLines(SplitTextLines(JoinTextLines(GridFileLines(grid))));
  if (again.Rows != parsed.Rows || again.Cols != parsed.Cols || again.Cells != parsed.Cells) std::abort();
  return 0;
}
