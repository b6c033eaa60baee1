#include "PageFrame.h"

#include <QPagedPaintDevice>
#include <algorithm>

#include "PageLayout.h"

namespace glimmerset::page {

namespace {
// An A4 portrait page's printable width is 190 mm, a hair under the band: that prints at full size.
constexpr double kFullSizeTolerance = 0.01;
}  // namespace

PageFrame::PageFrame(double pxPerMm, double printableWidthMm, double printableHeightMm) : pxPerMm_(pxPerMm) {
  const double fit = std::min(printableWidthMm / layout::kBandWidth, printableHeightMm / layout::kBodyHeight);
  scale_ = fit >= 1.0 - kFullSizeTolerance ? 1.0 : fit;
  offsetXmm_ = std::max(0.0, (printableWidthMm - layout::kBandWidth * scale_) / 2.0);
}

PageFrame PageFrame::Of(const QPagedPaintDevice& device) {
  const QRectF printable = device.pageLayout().paintRect(QPageLayout::Millimeter);
  return PageFrame(device.logicalDpiX() / 25.4, printable.width(), printable.height());
}

QPointF PageFrame::Point(double leftMm, double topMm) const {
  return {(offsetXmm_ + leftMm * scale_) * pxPerMm_, topMm * scale_ * pxPerMm_};
}

QRectF PageFrame::Box(double leftMm, double topMm, double widthMm, double heightMm) const {
  return {Point(leftMm, topMm), QSizeF(Length(widthMm), Length(heightMm))};
}

QFont PageFrame::Font(QFont font, double points) const {
  font.setPointSizeF(points * scale_);
  return font;
}

void SetUpA4Page(QPagedPaintDevice& device, QPageLayout::Orientation orientation) {
  const QMarginsF margins(layout::kMarginLeft, layout::kMarginTop, layout::kMarginRight, layout::kMarginBottom);
  device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientation, margins, QPageLayout::Millimeter));
}

}  // namespace glimmerset::page
