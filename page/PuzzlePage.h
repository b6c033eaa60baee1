#pragma once
// PuzzlePage: paints the printed puzzle page (title band, framed grid block, four answer
// columns, footer) onto any paged paint device, a printer or a PDF file, and works out how a
// grid too large for the page shrinks to fit it.

#include <QString>
#include <string>
#include <vector>

#include "PageFrame.h"
#include "PrintPageText.h"

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace glimmerset::page {

// The grid block as it is printed, in layout millimetres. A grid that fits at 18 pt keeps that
// size and 7.5 mm lines; a larger one shrinks, font and line height alike, just enough to fit
// the band's width and the space above the answer columns.
struct GridBlockLayout {
  double Points = 0;
  double LineHeightMm = 0;
  double LeftMm = 0;
  double TopMm = 0;
  double WidthMm = 0;
  double HeightMm = 0;
};
GridBlockLayout LayoutGridBlock(const std::vector<std::string>& lines, const QPaintDevice& device);

// The answer columns' letter size and line height: 10 pt with eleven lines in the column height;
// smaller where a long list needs more lines than that.
struct AnswerColumnsLayout {
  double Points = 0;
  double LineHeightMm = 0;
};
AnswerColumnsLayout LayoutAnswerColumns(const std::array<std::vector<std::string>, 4>& columns);

// Paints one page with the painter, which is open on a device set up by SetUpA4Page.
void PaintPuzzlePage(QPainter& painter, const PageFrame& frame, const PrintPageText& text, const QString& dateText);

// Paints the pages in order on the device, one page each; false when the device cannot be
// painted on or fails to take the pages.
bool PaintPuzzlePages(QPagedPaintDevice& device, const std::vector<PrintPageText>& pages, const QString& dateText);

}  // namespace glimmerset::page
