#pragma once
// DialogPlacement: where a dialog that works on the grid opens, so that it does not cover the
// grid while the user types into it: beside the grid, inside the screen.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace glimmerset::ui {

// The top-left corner for a dialog of the given frame size, all in screen coordinates. room is
// where the grid may grow while the dialog works on it, panel the grid's panel as it is now. In
// this order: right of the room; at the screen's right edge when that leaves the panel
// uncovered; left of the panel. Level with the room's or the panel's top, and in any case held
// inside the screen.
QPoint BesideGrid(const QRect& room, const QRect& panel, const QSize& frameSize, const QRect& screen);

}  // namespace glimmerset::ui
