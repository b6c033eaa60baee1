#include "OvalButton.h"

#include <QApplication>
#include <QBitmap>
#include <QEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <algorithm>
#include <optional>

namespace {

constexpr int DefaultWidth = 97;
constexpr int DefaultHeight = 25;
constexpr int FaceDarkening = 10;

// The desktop colours the button draws its rims and caption effects in.
QColor buttonHighlight() { return QApplication::palette().color(QPalette::Light); }
QColor buttonShadow() { return QApplication::palette().color(QPalette::Dark); }
QColor buttonFace() { return QApplication::palette().color(QPalette::Button); }

// Half of a pixel count, truncated toward zero.
int half(int pixels) { return pixels / 2; }

struct CaptionEffect {
  QColor colour;
  QPoint offset;
};

// The copy of the caption drawn beneath it for a raised, lowered or shadowed look.
std::optional<CaptionEffect> captionEffect(TOvalButton::TextStyle style, bool pressed) {
  using Style = TOvalButton::TextStyle;
  switch (style) {
    case Style::txNone:
      return std::nullopt;
    case Style::txLowered:
      return CaptionEffect{buttonHighlight(), pressed ? QPoint(2, 2) : QPoint(1, 1)};
    case Style::txRaised:
      return CaptionEffect{buttonHighlight(), pressed ? QPoint(0, 0) : QPoint(-1, -1)};
    case Style::txShadowed:
      return CaptionEffect{buttonShadow(), pressed ? QPoint(3, 3) : QPoint(2, 2)};
  }
  return std::nullopt;
}

}  // namespace

TOvalButton::TOvalButton(QWidget* parent) : TOvalButton(QString(), parent) {}

TOvalButton::TOvalButton(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption) {
  resize(DefaultWidth, DefaultHeight);
  setFocusPolicy(Qt::NoFocus);
  setMouseTracking(true);
  accelerator_ = new QShortcut(this);
  accelerator_->setContext(Qt::WindowShortcut);
  connect(accelerator_, &QShortcut::activated, this, [this] {
    if (isEnabled()) emit clicked();
  });
  updateAccelerator();
}

void TOvalButton::setCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  updateAccelerator();
  update();
}

void TOvalButton::setFaceColor(const QColor& colour) {
  if (colour == faceColor_) return;
  faceColor_ = colour;
  update();
}

void TOvalButton::setTextStyle(TextStyle style) {
  if (style == textStyle_) return;
  textStyle_ = style;
  update();
}

void TOvalButton::setTextColor(const QColor& colour) {
  if (colour == textColor_) return;
  textColor_ = colour;
  update();
}

void TOvalButton::setGlyph(const QPixmap& glyph) {
  glyph_ = glyph;
  update();
}

void TOvalButton::setGlyphLayout(BmpLayout layout) {
  if (layout == layout_) return;
  layout_ = layout;
  update();
}

void TOvalButton::setDistance(int pixels) {
  pixels = std::max(pixels, 0);
  if (pixels == distance_) return;
  distance_ = pixels;
  update();
}

TOvalButton::Placement TOvalButton::placeContent(BmpLayout layout, QSize button, QSize glyph, QSize caption,
                                                 int distance) {
  const int w = button.width();
  const int h = button.height();
  const int gw = glyph.width();
  const int tw = caption.width();
  const int sideBySide = gw + distance + tw;
  const int margin = sideBySide < w ? half(w - sideBySide) : 0;

  Placement placement;
  switch (layout) {
    case BmpLayout::lyLeft:
      placement.glyph.setX(margin);
      placement.caption.setX(margin + gw + distance);
      break;
    case BmpLayout::lyRight:
      placement.glyph.setX(w - margin - gw);
      placement.caption.setX(placement.glyph.x() - tw - distance);
      break;
    case BmpLayout::lyCenter:
      placement.glyph.setX(gw < w ? half(w - gw) : 0);
      placement.caption.setX(half(w - tw));
      break;
  }
  placement.glyph.setY(glyph.height() < h ? half(h - glyph.height()) : 0);
  placement.caption.setY(half(h - caption.height()));
  return placement;
}

QColor TOvalButton::darkenedFace(const QColor& face) {
  auto darken = [](int byte) { return std::max(byte - FaceDarkening, 0); };
  return QColor(darken(face.red()), darken(face.green()), darken(face.blue()));
}

QSize TOvalButton::captionSize() const {
  return fontMetrics().size(Qt::TextSingleLine | Qt::TextShowMnemonic, caption_);
}

bool TOvalButton::hitTest(const QPoint& point) const {
  const double rx = width() / 2.0;
  const double ry = height() / 2.0;
  if (rx <= 0 || ry <= 0) return false;
  // The pixel's centre must lie in the ellipse.
  const double dx = (point.x() + 0.5 - rx) / rx;
  const double dy = (point.y() + 0.5 - ry) / ry;
  return dx * dx + dy * dy <= 1.0;
}

void TOvalButton::paintEvent(QPaintEvent*) {
  {
    QPainter painter(this);
    paintFace(painter);
    const Placement placement = placeContent(layout_, size(), glyph_.size(), captionSize(), distance_);
    if (glyph_.width() > 0) paintGlyph(painter, placement.glyph);
    paintCaption(painter, placement.caption);
  }
  enforceSizeLimit();
}

void TOvalButton::paintFace(QPainter& painter) const {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  if (!pressed_) {
    painter.setBrush(faceColor_);
    painter.drawEllipse(QRectF(1, 1, width() - 1, height() - 1));
  } else {
    const QRectF rim(1, 1, width() - 3, height() - 3);
    painter.setBrush(Qt::black);
    painter.drawEllipse(rim);
    painter.setBrush(buttonHighlight());
    painter.drawEllipse(rim.translated(2, 2));
    painter.setBrush(darkenedFace(faceColor_));
    painter.drawEllipse(rim.translated(1, 1));
  }
  painter.restore();
}

void TOvalButton::paintGlyph(QPainter& painter, QPoint topLeft) const {
  QPixmap picture = glyph_;
  const QImage image = glyph_.toImage().convertToFormat(QImage::Format_ARGB32);
  const QRgb transparent = image.pixel(0, image.height() - 1);
  picture.setMask(QBitmap::fromImage(image.createMaskFromColor(transparent, Qt::MaskInColor)));
  painter.drawPixmap(pressed_ ? topLeft + QPoint(1, 1) : topLeft, picture);
}

void TOvalButton::paintCaption(QPainter& painter, QPoint topLeft) const {
  const QRect rect(topLeft, captionSize());
  const int flags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
  painter.setFont(font());
  if (const auto effect = captionEffect(textStyle_, pressed_)) {
    painter.setPen(effect->colour);
    painter.drawText(rect.translated(effect->offset), flags, caption_);
  }
  QColor colour = textColor_;
  if (!isEnabled()) colour = textStyle_ == TextStyle::txShadowed ? buttonFace() : buttonShadow();
  painter.setPen(colour);
  painter.drawText(pressed_ ? rect.translated(1, 1) : rect, flags, caption_);
}

void TOvalButton::enforceSizeLimit() {
  if (width() > MaximumExtent || height() > MaximumExtent)
    resize(std::min(width(), MaximumExtent), std::min(height(), MaximumExtent));
}

void TOvalButton::updateAccelerator() { accelerator_->setKey(QKeySequence::mnemonic(caption_)); }

void TOvalButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) return;
  // The pointer reached this position before the press, whether or not a move was reported.
  if (!pressed_) mouseInside_ = hitTest(event->position().toPoint());
  if (!mouseInside_) return;
  pressed_ = true;
  update();
}

void TOvalButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) return;
  if (mouseInside_) emit clicked();
  pressed_ = false;
  update();
}

void TOvalButton::mouseMoveEvent(QMouseEvent* event) {
  const QPoint position = event->position().toPoint();
  // The mouse stays with the button while held, so leaving its rectangle is seen here.
  if (!rect().contains(position)) {
    if (pressed_ || mouseInside_) leaveEvent(nullptr);
    return;
  }
  if (!pressed_) mouseInside_ = hitTest(position);
}

void TOvalButton::leaveEvent(QEvent*) {
  mouseInside_ = false;
  pressed_ = false;
  update();
}

void TOvalButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange) update();
  QWidget::changeEvent(event);
}
