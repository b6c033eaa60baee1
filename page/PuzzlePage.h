#pragma once
// PuzzlePage: paints the printed puzzle page (title band, framed grid block, four answer
// columns, footer) onto any paged paint device, a printer or a PDF file, and works out how a
// grid too large for the page shrinks to fit it.

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "PageBands.h"
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

// The grid block's frame, 2 design units wide.
void PaintGridFrame(QPainter& painter, const PageFrame& frame, const GridBlockLayout& block);

// Paints one page with the painter, which is open on a device set up by SetUpA4Page.
void PaintPuzzlePage(QPainter& painter, const PageFrame& frame, const PrintPageText& text, const QString& dateText);

// Paints pages in order on the device, each with its own painting; false when the device cannot
// be painted on or fails to take the pages.
using PagePainting = std::function<void(QPainter&, const PageFrame&)>;
bool PaintPages(QPagedPaintDevice& device, const std::vector<PagePainting>& pages);

// The puzzle pages of the texts, one page each.
bool PaintPuzzlePages(QPagedPaintDevice& device, const std::vector<PrintPageText>& pages, const QString& dateText);

}  // namespace glimmerset::page
