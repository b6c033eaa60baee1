// The grid view's pointer-to-cell mapping, its mouse signals, its size, and the panel around it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <optional>
#include <vector>

#include "core/PuzzleModel.h"
#include "ui/GridView.h"

namespace glimmerset::ui {
namespace {

PuzzleModel sized(int rows, int cols, int width, int height) {
  PuzzleModel model;
  model.Grid.SetSize(rows, cols);
  model.ResetHighlights(true);
  model.Layout.GridWidth = width;
  model.Layout.GridHeight = height;
  return model;
}

struct CellCase {
  QPoint point;
  std::optional<QPoint> cell;
};

TEST(GridViewCellAt, FindsTheCellUnderAPointAndNothingOnLinesOrOutside) {
  // Three columns and two rows in a view 80 wide and 60 high: beyond x 65 and y 43 lie no cells.
  const PuzzleModel model = sized(2, 3, 80, 60);
  GridView view(model);
  ASSERT_EQ(view.size(), QSize(80, 60));
  const std::vector<CellCase> cases = {
      {{0, 0}, QPoint(0, 0)},     {{20, 20}, QPoint(0, 0)},   {{22, 0}, QPoint(1, 0)},
      {{44, 22}, QPoint(2, 1)},   {{64, 42}, QPoint(2, 1)},   {{21, 5}, std::nullopt},
      {{5, 21}, std::nullopt},    {{43, 43}, std::nullopt},   {{66, 5}, std::nullopt},
      {{79, 5}, std::nullopt},    {{5, 44}, std::nullopt},    {{5, 59}, std::nullopt},
      {{-1, 5}, std::nullopt},    {{5, -1}, std::nullopt},    {{80, 5}, std::nullopt},
  };
  for (const CellCase& c : cases) EXPECT_EQ(view.cellAt(c.point), c.cell) << c.point.x() << "," << c.point.y();
}

TEST(GridViewCellAt, CellsBeyondTheClippedEdgeCannotBeHit) {
  const PuzzleModel model = sized(40, 40, 500, 500);
  GridView view(model);
  EXPECT_EQ(view.cellAt({499, 499}), QPoint(22, 22));
  EXPECT_EQ(view.cellAt({500, 5}), std::nullopt);
}

void send(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
  QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
  QCoreApplication::sendEvent(&widget, &event);
}

struct MouseCase {
  const char* name;
  QEvent::Type type;
  Qt::MouseButton button;
  Qt::MouseButtons held;
  QPoint at;
  std::optional<QPoint> pressed;
  std::optional<QPoint> over;
};

class GridViewMouse : public ::testing::TestWithParam<MouseCase> {};

TEST_P(GridViewMouse, ForwardsPressesAndMovesOverCells) {
  const MouseCase& c = GetParam();
  const PuzzleModel model = sized(3, 3, 66, 66);
  GridView view(model);
  QSignalSpy pressed(&view, &GridView::cellPressed);
  QSignalSpy over(&view, &GridView::pointerOverCell);
  send(view, c.type, c.at, c.button, c.held);
  ASSERT_EQ(pressed.count(), c.pressed ? 1 : 0);
  ASSERT_EQ(over.count(), c.over ? 1 : 0);
  if (c.pressed) {
    EXPECT_EQ(QPoint(pressed[0][0].toInt(), pressed[0][1].toInt()), *c.pressed);
  }
  if (c.over) {
    EXPECT_EQ(QPoint(over[0][0].toInt(), over[0][1].toInt()), *c.over);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridViewMouse,
    ::testing::Values(
        MouseCase{"LeftPress", QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {30, 50}, QPoint(1, 2), {}},
        MouseCase{"RightPress", QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, {5, 5}, QPoint(0, 0), {}},
        MouseCase{"MiddlePress", QEvent::MouseButtonPress, Qt::MiddleButton, Qt::MiddleButton, {50, 5}, QPoint(2, 0), {}},
        MouseCase{"PressOnLine", QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {21, 5}, {}, {}},
        MouseCase{"MoveWithoutButton", QEvent::MouseMove, Qt::NoButton, Qt::NoButton, {45, 23}, {}, QPoint(2, 1)},
        MouseCase{"MoveWithButtonHeld", QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {1, 45}, {}, QPoint(0, 2)},
        MouseCase{"MoveOnLine", QEvent::MouseMove, Qt::NoButton, Qt::NoButton, {10, 43}, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GridViewInput, TracksThePointerAndIsSkippedByTab) {
  const PuzzleModel model = sized(2, 2, 44, 44);
  GridView view(model);
  EXPECT_TRUE(view.hasMouseTracking());
  EXPECT_FALSE(view.focusPolicy() & Qt::TabFocus);
}

struct SizeCase {
  int width;
  int height;
  QSize view;
};

TEST(GridViewSize, IsHeldBetween30And500Pixels) {
  for (const SizeCase c : {SizeCase{330, 220, {330, 220}}, SizeCase{880, 880, {500, 500}}, SizeCase{22, 22, {30, 30}},
                           SizeCase{500, 30, {500, 30}}}) {
    const PuzzleModel model = sized(1, 1, c.width, c.height);
    GridView view(model);
    EXPECT_EQ(view.size(), c.view) << c.width << "x" << c.height;
  }
}

TEST(GridPanel, HoldsTheViewThreePixelsInAtTheLayoutsPlace) {
  struct Case {
    int width, height, left, top;
  };
  for (const Case c : {Case{330, 220, 85, 190}, Case{500, 500, 0, 50}, Case{30, 30, 235, 285}}) {
    PuzzleModel model = sized(2, 2, c.width, c.height);
    model.Layout.PanelLeft = c.left;
    model.Layout.PanelTop = c.top;
    QWidget window;
    GridPanel panel(model, &window);
    EXPECT_EQ(panel.pos(), QPoint(c.left, c.top));
    EXPECT_EQ(panel.size(), QSize(c.width + 6, c.height + 6));
    EXPECT_EQ(panel.view()->geometry(), QRect(3, 3, c.width, c.height));
    EXPECT_EQ(panel.contentsRect(), QRect(3, 3, c.width, c.height));
  }
}

TEST(GridPanel, FollowsTheModelsLayoutAndGridPresent) {
  PuzzleModel model = sized(2, 2, 44, 44);
  QWidget window;
  GridPanel panel(model, &window);
  window.show();
  EXPECT_FALSE(panel.isVisible());

  model.Grid.SetSize(10, 15);
  model.Layout.GridWidth = 330;
  model.Layout.GridHeight = 220;
  model.Layout.PanelLeft = 85;
  model.Layout.PanelTop = 190;
  model.GridPresent = true;
  panel.applyLayout();
  EXPECT_TRUE(panel.isVisible());
  EXPECT_EQ(panel.geometry(), QRect(85, 190, 336, 226));
  EXPECT_EQ(panel.view()->size(), QSize(330, 220));

  model.GridPresent = false;
  panel.applyLayout();
  EXPECT_FALSE(panel.isVisible());
}

TEST(GridPanel, BevelIsRaised) {
  PuzzleModel model = sized(2, 2, 44, 44);
  GridPanel panel(model);
  const QImage image = panel.grab().toImage();
  const QColor topLeft = image.pixelColor(1, 1);
  const QColor bottomRight = image.pixelColor(image.width() - 2, image.height() - 2);
  EXPECT_GT(topLeft.lightness(), bottomRight.lightness());
}

}  // namespace
}  // namespace glimmerset::ui
