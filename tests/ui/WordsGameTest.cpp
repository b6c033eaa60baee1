// The game through the window: Play, presses and movements on the grid view, the list and the
// status panels.
#include "WordsFixture.h"
#include "controls/OvalButton.h"
#include "ui/ColourConvert.h"
#include "ui/WordBox.h"

namespace glimmerset::ui::testing {
namespace {

using WordsGameTest = WordsWindowFixture;

PuzzleText TwoWordPuzzle() { return {{"ABCDE", "XROME", "OSLOQ"}, {"ROME", "OSLO"}}; }

TEST_F(WordsGameTest, TracingEveryAnswerWinsTheGame) {
  TWordForm& form = Open();
  form.show();
  LoadPuzzle(TwoWordPuzzle());
  Click(form.GameBtn);
  EXPECT_FALSE(form.GameBtn->isEnabled());
  EXPECT_EQ(Panel(0), QStringLiteral("All 2 words are present"));
  EXPECT_EQ(Panel(5), QStringLiteral("Found 0 out of 2  2 To Find"));
  EXPECT_EQ(form.word->text(), QStringLiteral("ROME"));

  // Press the R with the right button, let go, then wander over the rest with detours.
  PressCell(1, 1, Qt::RightButton);
  EXPECT_EQ(PaintedCell(1, 1), toQColor(HighlightFor(1)));
  EXPECT_EQ(Panel(3), QStringLiteral("Col 1,Row 1"));
  for (QPoint cell : {QPoint(1, 1), QPoint(2, 0), QPoint(2, 1), QPoint(4, 1), QPoint(3, 1), QPoint(4, 1)})
    MoveOver(cell.x(), cell.y());
  EXPECT_EQ(dialogs->messages, QStringList({"Found ROME"}));
  EXPECT_EQ(ListLineColour(0), QColor(0, 0x80, 0));
  EXPECT_EQ(form.word->text(), QStringLiteral("OSLO"));
  EXPECT_EQ(Panel(5), QStringLiteral("Found 1 out of 2  1 To Find  0 Errors"));
  for (int col = 1; col <= 4; ++col) EXPECT_EQ(PaintedCell(col, 1), toQColor(HighlightFor(1))) << col;
  EXPECT_EQ(PaintedCell(2, 0), toQColor(form.Model().Look.BCol));

  PressCell(0, 2);
  for (int col = 0; col <= 3; ++col) MoveOver(col, 2);
  EXPECT_EQ(dialogs->messages.back(), QStringLiteral("Found OSLO Glimmerset Completed "));
  EXPECT_TRUE(form.GameBtn->isEnabled());
  EXPECT_EQ(Panel(5), QStringLiteral("Found 0 out of 2  2 To Find  0 Errors"));
  EXPECT_EQ(players->played, std::vector<QString>({QStringLiteral("won.wav"), QStringLiteral("won.wav")}));
}

TEST_F(WordsGameTest, WrongPressesCountUntilTheGameIsOver) {
  TWordForm& form = Open();
  form.show();
  LoadPuzzle(TwoWordPuzzle());
  form.Model().AllowedErrors = 1;
  Click(form.GameBtn);
  PressCell(0, 0);
  EXPECT_EQ(Panel(5), QStringLiteral("Found 0 out of 2  2 To Find  1 Errors"));
  EXPECT_TRUE(dialogs->messages.isEmpty());
  PressCell(4, 2);
  EXPECT_EQ(dialogs->messages, QStringList({"You made 2 Errors, GAME OVER"}));
  EXPECT_TRUE(form.GameBtn->isEnabled());
  EXPECT_FALSE(form.Model().GameRunning);
  EXPECT_EQ(players->played, std::vector<QString>({QStringLiteral("bad.wav"), QStringLiteral("bad.wav")}));
}

TEST_F(WordsGameTest, PressesOutsideAGameOrOutsideEveryCellDoNothingToTheGame) {
  TWordForm& form = Open();
  form.show();
  LoadPuzzle(TwoWordPuzzle());
  PressCell(1, 1);
  EXPECT_EQ(dialogs->messages, QStringList({"Press \"Play\" to start the game"}));
  Click(form.GameBtn);
  // A grid line and the strip below the last row are no cell.
  QTest::mouseClick(&Grid(), Qt::LeftButton, {}, QPoint(21, 5));
  EXPECT_EQ(form.Model().ErrorCount, 0);
  EXPECT_EQ(Panel(3), QString());
  // Movements count only while a trace is followed.
  MoveOver(1, 1);
  EXPECT_EQ(Panel(3), QString());
}

}  // namespace
}  // namespace glimmerset::ui::testing
