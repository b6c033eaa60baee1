// A grid too large for the 22-pixel layout: every cell shows and can be pressed, and the grid
// stays clear of the button row, the word box and the answer list.
#include <QSignalSpy>

#include "WordsFixture.h"
#include "controls/OvalButton.h"

namespace glimmerset::ui::testing {
namespace {

using WordsLargeGridTest = WordsWindowFixture;

// A grid of X with QUIZ at the end of its last row.
PuzzleText SquareOfLetters(int size) {
  PuzzleText puzzle;
  for (int r = 0; r < size; ++r) puzzle.rows.push_back(std::string(static_cast<std::size_t>(size), 'X'));
  puzzle.rows.back().replace(static_cast<std::size_t>(size) - 4, 4, "QUIZ");
  puzzle.answers = {"QUIZ", "ZZZZ"};
  return puzzle;
}

TEST_F(WordsLargeGridTest, EveryCellOfAFortyByFortyGridShowsClearOfTheControls) {
  TWordForm& form = Open();
  form.show();
  LoadPuzzle(SquareOfLetters(40));
  SettleEvents();
  GridView& grid = Grid();
  const int pitch = grid.pitch();
  ASSERT_LT(pitch, 22);
  const QRect panel = form.GridPan()->geometry();
  EXPECT_TRUE(form.GridPan()->isVisible());
  EXPECT_GE(grid.width(), 40 * pitch);
  EXPECT_GE(grid.height(), 40 * pitch);
  EXPECT_TRUE(form.centralWidget()->rect().contains(panel));
  for (const QWidget* control : {static_cast<QWidget*>(form.ExitBtn), static_cast<QWidget*>(form.ScanBtn),
                                 static_cast<QWidget*>(form.ScanAll), static_cast<QWidget*>(form.GameBtn),
                                 static_cast<QWidget*>(form.ClearBtn), static_cast<QWidget*>(form.DemoBtn),
                                 static_cast<QWidget*>(form.OptionsBtn), static_cast<QWidget*>(form.helpBtn),
                                 static_cast<QWidget*>(form.word), static_cast<QWidget*>(form.AList)})
    EXPECT_FALSE(panel.intersects(control->geometry())) << control->objectName().toStdString();

  // The pointer finds each cell at the same pitch the cells are drawn at.
  QSignalSpy pressed(&grid, &GridView::cellPressed);
  for (const QPoint cell : {QPoint(0, 0), QPoint(39, 39), QPoint(17, 39), QPoint(39, 0)}) {
    const QPoint centre(cell.x() * pitch + pitch / 2 - 1, cell.y() * pitch + pitch / 2 - 1);
    EXPECT_EQ(grid.cellAt(centre), cell);
    QTest::mouseClick(&grid, Qt::LeftButton, {}, centre);
  }
  ASSERT_EQ(pressed.size(), 4);
  EXPECT_EQ(pressed[1], (QList<QVariant>{39, 39}));

  // The last cell is painted in its own look, not in the colour around the cells.
  const QImage picture = grid.grab().toImage();
  EXPECT_EQ(picture.pixelColor(39 * pitch + 1, 39 * pitch + 1), QColor(0, 0, 0xFF));
}

TEST_F(WordsLargeGridTest, AWordInTheLastRowIsTracedToTheEnd) {
  TWordForm& form = Open();
  form.show();
  LoadPuzzle(SquareOfLetters(40));
  SettleEvents();
  Click(form.GameBtn);
  dialogs->messages.clear();
  const int pitch = Grid().pitch();
  const auto centre = [pitch](int col, int row) { return QPoint(col * pitch + pitch / 2, row * pitch + pitch / 2); };
  QTest::mouseClick(&Grid(), Qt::LeftButton, {}, centre(36, 39));
  for (int col = 36; col < 40; ++col) {
    QMouseEvent move(QEvent::MouseMove, centre(col, 39), Grid().mapToGlobal(centre(col, 39)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&Grid(), &move);
  }
  EXPECT_EQ(dialogs->messages, QStringList{QStringLiteral("Found QUIZ Glimmerset Completed ")});
  EXPECT_EQ(Panel(3), QStringLiteral("Col 39,Row 39"));
  EXPECT_EQ(form.Model().ErrorCount, 0);
}

}  // namespace
}  // namespace glimmerset::ui::testing
