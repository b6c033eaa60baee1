#include "DialogPlacement.h"

#include <algorithm>

namespace glimmerset::ui {

namespace {
constexpr int kGap = 8;  // between the grid and the dialog
}

QPoint BesideGrid(const QRect& room, const QRect& panel, const QSize& frameSize, const QRect& screen) {
  const auto fits = [&](const QPoint& corner) { return screen.contains(QRect(corner, frameSize)); };
  QPoint corner(room.right() + 1 + kGap, room.top());
  if (!fits(corner)) {
    corner = QPoint(screen.right() + 1 - frameSize.width(), room.top());
    // A panel under the screen's edge reaches too far right for any room beside it there.
    if (QRect(corner, frameSize).intersects(panel)) corner = QPoint(panel.left() - kGap - frameSize.width(), panel.top());
  }
  corner.setX(std::clamp(corner.x(), screen.left(), std::max(screen.left(), screen.right() + 1 - frameSize.width())));
  corner.setY(std::clamp(corner.y(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - frameSize.height())));
  return corner;
}

}  // namespace glimmerset::ui
