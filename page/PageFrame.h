#pragma once
// PageFrame: maps the page's millimetres onto a paint device. On an A4 portrait page the layout
// prints at full size; on a page of another shape (landscape) it is scaled to fit, centred.

#include <QFont>
#include <QPageLayout>
#include <QPointF>
#include <QRectF>

class QPagedPaintDevice;

namespace glimmerset::page {

class PageFrame {
 public:
  // pxPerMm: the device's resolution; printable: the device's printable area in millimetres.
  PageFrame(double pxPerMm, double printableWidthMm, double printableHeightMm);
  static PageFrame Of(const QPagedPaintDevice& device);

  // A length and a box of the layout, in device pixels.
  double Length(double mm) const { return mm * scale_ * pxPerMm_; }
  QPointF Point(double leftMm, double topMm) const;
  QRectF Box(double leftMm, double topMm, double widthMm, double heightMm) const;
  // A font of the layout at the frame's scale.
  QFont Font(QFont font, double points) const;

 private:
  double pxPerMm_;
  double scale_;
  double offsetXmm_;
};

// Gives the device an A4 page with the layout's margins in the given orientation.
void SetUpA4Page(QPagedPaintDevice& device, QPageLayout::Orientation orientation = QPageLayout::Portrait);

}  // namespace glimmerset::page
