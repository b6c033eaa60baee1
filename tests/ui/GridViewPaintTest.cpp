// How the grid view paints its cells: the record's look, the complement rule, the fallback look,
// unpainted cells while the records are not ready, and the button face outside the cells.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <optional>
#include <string>

#include "core/PuzzleModel.h"
#include "ui/GridView.h"

namespace glimmerset::ui {
namespace {

constexpr int Pitch = 22;

// A model with a grid of the given size, every cell lettered, its view sized as the layout rule does.
PuzzleModel lettered(int rows, int cols) {
  PuzzleModel model;
  model.Grid.SetSize(rows, cols);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) model.Grid.SetText(c, r, std::string(1, static_cast<char>('A' + (r * cols + c) % 26)));
  model.ResetHighlights(true);
  model.GridPresent = true;
  model.Layout.GridWidth = std::clamp(cols * Pitch, 30, 500);
  model.Layout.GridHeight = std::clamp(rows * Pitch, 30, 500);
  return model;
}

QImage paint(const PuzzleModel& model) {
  GridView view(model);
  return view.grab().toImage();
}

QRect cell(int col, int row) { return QRect(col * Pitch, row * Pitch, 21, 21); }

bool isDark(const QColor& colour) { return colour.red() < 90 && colour.green() < 90 && colour.blue() < 90; }

// The box around the pixels of a cell that are not its fill colour.
std::optional<QRect> inkIn(const QImage& image, const QRect& rect, const QColor& fill) {
  std::optional<QRect> ink;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x)
      if (image.pixelColor(x, y).rgb() != fill.rgb()) ink = ink ? ink->united(QRect(x, y, 1, 1)) : QRect(x, y, 1, 1);
  return ink;
}

QColor buttonFace() { return GridView(PuzzleModel{}).palette().color(QPalette::Button); }

TEST(GridViewPaint, DefaultLookIsABlackLetterOnBlueAfterTheCellsOwnCorner) {
  const PuzzleModel model = lettered(2, 3);
  const QImage image = paint(model);
  ASSERT_EQ(image.size(), QSize(66, 44));
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 3; ++c) {
      const QRect rect = cell(c, r);
      EXPECT_EQ(image.pixelColor(rect.bottomRight()).rgb(), QColor(0, 0, 255).rgb()) << c << "," << r;
      EXPECT_EQ(image.pixelColor(rect.topLeft()).rgb(), QColor(0, 0, 255).rgb()) << c << "," << r;
      const auto ink = inkIn(image, rect, QColor(0, 0, 255));
      ASSERT_TRUE(ink.has_value()) << c << "," << r;
      EXPECT_GE(ink->left(), rect.left() + 4);
      EXPECT_GE(ink->top(), rect.top() + 2);
      EXPECT_GT(ink->height(), 6);  // an 11-point letter
      bool dark = false;
      for (int y = ink->top(); y <= ink->bottom(); ++y)
        for (int x = ink->left(); x <= ink->right(); ++x) dark = dark || isDark(image.pixelColor(x, y));
      EXPECT_TRUE(dark) << c << "," << r;
    }
}

TEST(GridViewPaint, LinesFollowEachColumnAndRow) {
  const QImage image = paint(lettered(2, 3));
  const QColor face = buttonFace();
  for (const QPoint line : {QPoint(21, 5), QPoint(43, 30), QPoint(65, 10), QPoint(5, 21), QPoint(50, 43)}) {
    const QColor colour = image.pixelColor(line);
    EXPECT_NE(colour.rgb(), QColor(0, 0, 255).rgb()) << line.x() << "," << line.y();
    EXPECT_NE(colour.rgb(), face.rgb()) << line.x() << "," << line.y();
  }
}

struct ComplementCase {
  const char* name;
  Colour fill;
  Colour letter;
  QColor painted;
};

class GridViewComplement : public ::testing::TestWithParam<ComplementCase> {};

TEST_P(GridViewComplement, FillsWithTheComplementOnlyWhenFillAndLetterAgree) {
  PuzzleModel model = lettered(1, 2);
  Tspec* record = model.Grid.Record(1, 0);
  record->Colour = GetParam().fill;
  record->FontColour = GetParam().letter;
  const QImage image = paint(model);
  EXPECT_EQ(image.pixelColor(cell(1, 0).bottomRight()).rgb(), GetParam().painted.rgb());
  EXPECT_EQ(image.pixelColor(cell(1, 0).topLeft()).rgb(), GetParam().painted.rgb());
  // The neighbour keeps the default look.
  EXPECT_EQ(image.pixelColor(cell(0, 0).bottomRight()).rgb(), QColor(0, 0, 255).rgb());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridViewComplement,
    ::testing::Values(ComplementCase{"BlackOnBlack", 0x000000, 0x000000, QColor(255, 255, 255)},
                      ComplementCase{"BlueOnBlue", 0xFF0000, 0xFF0000, QColor(255, 255, 0)},
                      ComplementCase{"WhiteOnWhite", 0xFFFFFF, 0xFFFFFF, QColor(0, 0, 0)},
                      ComplementCase{"PaletteOnItself", 0x123456, 0x123456, QColor(0xA9, 0xCB, 0xED)},
                      ComplementCase{"RedBehindBlack", 0x0000FF, 0x000000, QColor(255, 0, 0)},
                      ComplementCase{"GreenBehindWhite", 0x008000, 0xFFFFFF, QColor(0, 128, 0)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GridViewPaint, CellWithoutRecordShowsASmallBlackLetterOnWhite) {
  PuzzleModel model = lettered(1, 3);
  model.Grid.SetText(0, 0, "W");
  model.Grid.SetText(1, 0, "W");
  model.Grid.DropRecord(1, 0);
  const QImage image = paint(model);
  const QColor white(255, 255, 255);
  EXPECT_EQ(image.pixelColor(cell(1, 0).bottomRight()).rgb(), white.rgb());
  EXPECT_EQ(image.pixelColor(cell(1, 0).topLeft()).rgb(), white.rgb());
  const auto small = inkIn(image, cell(1, 0), white);
  const auto large = inkIn(image, cell(0, 0), QColor(0, 0, 255));
  ASSERT_TRUE(small && large);
  EXPECT_LT(small->height(), large->height());
  EXPECT_LT(small->width(), large->width());
  EXPECT_GE(small->left(), cell(1, 0).left() + 4);
  EXPECT_GE(small->top(), cell(1, 0).top() + 2);
  // The neighbours keep their records' look.
  EXPECT_EQ(image.pixelColor(cell(2, 0).bottomRight()).rgb(), QColor(0, 0, 255).rgb());
}

TEST(GridViewPaint, CellsStayUnpaintedWhileRecordsAreNotReady) {
  struct Case {
    const char* name;
    bool freeRecords;
  };
  for (const Case c : {Case{"records freed", true}, Case{"records kept, not ready", false}}) {
    PuzzleModel model = lettered(2, 2);
    if (c.freeRecords) {
      model.FreeCellRecords();
    } else {
      model.CellsReady = false;
    }
    const QImage image = paint(model);
    const QColor face = buttonFace();
    for (int r = 0; r < 2; ++r)
      for (int col = 0; col < 2; ++col)
        EXPECT_FALSE(inkIn(image, cell(col, r), face).has_value()) << c.name << " " << col << "," << r;
  }
}

TEST(GridViewPaint, ButtonFaceShowsBelowAOneRowGrid) {
  const PuzzleModel model = lettered(1, 4);
  const QImage image = paint(model);
  ASSERT_EQ(image.size(), QSize(88, 30));
  const QColor face = buttonFace();
  for (int y = 22; y < 30; ++y)
    for (const int x : {0, 30, 87}) EXPECT_EQ(image.pixelColor(x, y).rgb(), face.rgb()) << x << "," << y;
  EXPECT_EQ(image.pixelColor(cell(3, 0).bottomRight()).rgb(), QColor(0, 0, 255).rgb());
}

TEST(GridViewPaint, LargestGridIsClippedAt500Pixels) {
  const PuzzleModel model = lettered(40, 40);
  const QImage image = paint(model);
  ASSERT_EQ(image.size(), QSize(500, 500));
  // The 23rd column and row (from 484) show as a 16-pixel strip.
  EXPECT_EQ(image.pixelColor(22 * Pitch + 14, 5).rgb(), QColor(0, 0, 255).rgb());
  EXPECT_EQ(image.pixelColor(5, 22 * Pitch + 14).rgb(), QColor(0, 0, 255).rgb());
  EXPECT_EQ(image.pixelColor(499, 499).rgb(), QColor(0, 0, 255).rgb());
}

TEST(GridViewPaint, ShowsTheCellTextAsEightBitLatinOne) {
  PuzzleModel model = lettered(1, 2);
  model.Grid.SetText(0, 0, "\xC9");  // E acute in Latin-1; not valid UTF-8 on its own
  model.Grid.SetText(1, 0, "E");
  const QImage image = paint(model);
  const auto accented = inkIn(image, cell(0, 0), QColor(0, 0, 255));
  const auto plain = inkIn(image, cell(1, 0), QColor(0, 0, 255));
  ASSERT_TRUE(accented && plain);
  // The same letter with an accent above it: as wide, and reaching higher.
  EXPECT_EQ(accented->width(), plain->width());
  EXPECT_LT(accented->top() - cell(0, 0).top(), plain->top() - cell(1, 0).top());
}

}  // namespace
}  // namespace glimmerset::ui
