#include "WindowBackground.h"

#include <QPainter>

namespace glimmerset::ui {

WindowBackground::WindowBackground(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void WindowBackground::setPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
}

void WindowBackground::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (picture_.isNull()) {
    painter.fillRect(rect(), Qt::black);
    return;
  }
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(rect(), picture_);
}

}  // namespace glimmerset::ui
