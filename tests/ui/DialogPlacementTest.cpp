// Where the grid dialogs open: beside the grid and inside the screen, never over the grid when
// the screen has room beside it.
#include <gtest/gtest.h>

#include "ui/DialogPlacement.h"

namespace glimmerset::ui {
namespace {

TEST(DialogPlacementTest, BesideTheGridInsideTheScreen) {
  const QRect screen(0, 0, 1024, 768);
  const QRect room(0, 73, 528, 695);     // the free area left of the word box
  const QRect panel(85, 190, 336, 226);  // a 10 by 15 grid
  const QSize dialog(292, 173);
  struct Case {
    const char* name;
    QRect room, panel, screen;
    QPoint corner;
  };
  const std::vector<Case> cases = {
      {"right of the free area", room, panel, screen, {536, 73}},
      {"at the screen's edge when the free area leaves no room", QRect(0, 73, 800, 695), panel, screen, {732, 73}},
      {"left of the panel when nothing else leaves room", QRect(0, 73, 900, 695), QRect(600, 190, 300, 200), screen,
       {300, 190}},
      {"held inside a small screen", QRect(0, 73, 900, 695), QRect(100, 50, 900, 500), QRect(0, 0, 800, 600), {0, 50}},
      {"on a second screen", room.translated(1024, 0), panel.translated(1024, 0), screen.translated(1024, 0),
       {1560, 73}},
  };
  for (const Case& c : cases) {
    const QPoint corner = BesideGrid(c.room, c.panel, dialog, c.screen);
    EXPECT_EQ(corner, c.corner) << c.name;
    EXPECT_TRUE(c.screen.contains(QRect(corner, dialog))) << c.name;
  }
  // Whenever the screen has room beside the panel, the dialog leaves it uncovered.
  for (int left = 0; left <= 700; left += 50) {
    const QRect moved(left, 190, 300, 226);
    const QPoint corner = BesideGrid(QRect(0, 73, 1000, 695), moved, dialog, screen);
    EXPECT_FALSE(QRect(corner, dialog).intersects(moved)) << left;
  }
}

}  // namespace
}  // namespace glimmerset::ui
