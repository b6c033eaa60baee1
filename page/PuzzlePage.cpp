#include "PuzzlePage.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "PageFonts.h"
#include "PageLayout.h"
#include "PageTexts.h"

namespace glimmerset::page {

using namespace layout;

namespace {

void PaintGridLines(QPainter& painter, const PageFrame& frame, const std::vector<std::string>& lines, const GridBlockLayout& block) {
  const double top = kGridBandTop + block.TopMm;
  painter.setFont(frame.Font(GridFont(), block.Points));
  painter.setPen(Qt::black);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const QRectF line = frame.Box(block.LeftMm, top + block.LineHeightMm * static_cast<double>(i), block.WidthMm, block.LineHeightMm);
    painter.drawText(line, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip, QString::fromLatin1(lines[i]));
  }
}

}  // namespace

GridBlockLayout LayoutGridBlock(const std::vector<std::string>& lines, const QPaintDevice& device) {
  const double naturalWidth = WidestMm(lines, Sized(GridFont(), kGridPoints), device);
  const double naturalHeight = kGridLineHeightMm * static_cast<double>(lines.size());
  const double roomHeight = kAnswersTop - kGridGapAboveAnswers - kGridTop;
  double shrink = 1.0;
  if (naturalWidth > kBandWidth) shrink = std::min(shrink, kBandWidth / naturalWidth);
  if (naturalHeight > roomHeight) shrink = std::min(shrink, roomHeight / naturalHeight);

  GridBlockLayout block;
  block.Points = kGridPoints * shrink;
  block.LineHeightMm = kGridLineHeightMm * shrink;
  block.WidthMm = WidestMm(lines, Sized(GridFont(), block.Points), device);
  // Letter widths do not scale exactly with the size; shrink a little more where they overshoot.
  while (block.WidthMm > kBandWidth) {
    block.Points *= 0.99;
    block.WidthMm = WidestMm(lines, Sized(GridFont(), block.Points), device);
  }
  block.HeightMm = block.LineHeightMm * static_cast<double>(lines.size());
  block.LeftMm = (kBandWidth - block.WidthMm) / 2.0;
  block.TopMm = kGridTop;
  return block;
}

void PaintGridFrame(QPainter& painter, const PageFrame& frame, const GridBlockLayout& block) {
  QPen framePen(Qt::black);
  framePen.setWidthF(frame.Length(kGridFrameMm));
  framePen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(framePen);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(frame.Box(block.LeftMm, kGridBandTop + block.TopMm, block.WidthMm, block.HeightMm));
}

void PaintPuzzlePage(QPainter& painter, const PageFrame& frame, const PrintPageText& text, const QString& dateText) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  PaintTitleBand(painter, frame, QString::fromLatin1(kPageTitle));
  const GridBlockLayout block = LayoutGridBlock(text.GridLines, *painter.device());
  PaintGridLines(painter, frame, text.GridLines, block);
  PaintGridFrame(painter, frame, block);
  PaintAnswerColumns(painter, frame, text.AnswerColumns);
  PaintFooter(painter, frame, dateText, QString::fromLatin1(kFooterNote));
  painter.restore();
}

bool PaintPages(QPagedPaintDevice& device, const std::vector<PagePainting>& pages) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const PageFrame frame = PageFrame::Of(device);
  for (std::size_t i = 0; i < pages.size(); ++i) {
    if (i > 0 && !device.newPage()) {
      painter.end();
      return false;
    }
    pages[i](painter, frame);
  }
  return painter.end();
}

bool PaintPuzzlePages(QPagedPaintDevice& device, const std::vector<PrintPageText>& pages, const QString& dateText) {
  std::vector<PagePainting> paintings;
  paintings.reserve(pages.size());
  for (const PrintPageText& page : pages)
    paintings.push_back([&page, &dateText](QPainter& painter, const PageFrame& frame) { PaintPuzzlePage(painter, frame, page, dateText); });
  return PaintPages(device, paintings);
}

}  // namespace glimmerset::page
