// Find, Solve, Clear and picks in the answer list, driven through the window's own controls.
#include <QAction>

#include "WordsFixture.h"
#include "controls/OvalButton.h"
#include "ui/ColourConvert.h"
#include "ui/WordBox.h"

namespace glimmerset::ui::testing {
namespace {

using WordsCommandsTest = WordsWindowFixture;

const QColor Blue(0, 0, 0xFF), Red(0xFF, 0, 0), Green(0, 0x80, 0);

struct FindRoute {
  const char* name;
  void (*run)(TWordForm&);
};

class FindRoutes : public WordsWindowFixture, public ::testing::WithParamInterface<FindRoute> {};

TEST_P(FindRoutes, FindMarksTheTypedWordReportsItAndPlaysTheWonSound) {
  TWordForm& form = Open();
  form.show();
  LoadPuzzle(CapitalsPuzzle());
  form.word->setFocus();
  QTest::keyClicks(form.word, QStringLiteral("rome"));
  GetParam().run(form);
  EXPECT_EQ(form.word->text(), QStringLiteral("ROME"));
  EXPECT_EQ(Panel(0), QStringLiteral("Found ROME"));
  // ROME lies in row 1 from column 1: its cells carry the look of answer 1.
  for (int col = 1; col <= 4; ++col) {
    const Tspec* record = form.Model().Grid.Record(col, 1);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->Colour, HighlightFor(1)) << col;
    EXPECT_EQ(PaintedCell(col, 1), toQColor(HighlightFor(1))) << col;
  }
  EXPECT_EQ(PaintedCell(0, 0), toQColor(form.Model().Look.BCol));
  EXPECT_EQ(players->played, std::vector<QString>({QStringLiteral("won.wav")}));
}

INSTANTIATE_TEST_SUITE_P(
    EveryWay, FindRoutes,
    ::testing::Values(FindRoute{"Button", [](TWordForm& f) { WordsWindowFixture::Click(f.ScanBtn); }},
                      FindRoute{"ReturnKey", [](TWordForm& f) { QTest::keyClick(f.word, Qt::Key_Return); }},
                      FindRoute{"SolveMenuTitle", [](TWordForm& f) { f.SolveMenu->trigger(); }}),
    [](const ::testing::TestParamInfo<FindRoute>& info) { return std::string(info.param.name); });

TEST_F(WordsCommandsTest, FindOfAnAbsentWordFailsWithTheBadSound) {
  TWordForm& form = Open();
  LoadPuzzle(CapitalsPuzzle());
  QTest::keyClicks(form.word, QStringLiteral("BERN"));
  Click(form.ScanBtn);
  EXPECT_EQ(Panel(0), QStringLiteral("Glimmerset Failed"));
  EXPECT_EQ(players->played, std::vector<QString>({QStringLiteral("bad.wav")}));
  QTest::keyClicks(form.word, QString());
  form.word->clear();
  QTest::keyClicks(form.word, QStringLiteral("R"));
  Click(form.ScanBtn);
  EXPECT_EQ(dialogs->messages, QStringList({"No valid word selected"}));
}

TEST_F(WordsCommandsTest, SolveColoursTheListMarksTheFoundAnswersAndIsNotTakenForAPick) {
  TWordForm& form = Open();
  form.show();
  LoadPuzzle(CapitalsPuzzle());
  ASSERT_TRUE(form.AList->isVisible());
  ASSERT_EQ(form.AList->count(), 5);
  EXPECT_EQ(ListLineColour(0), QColor(Qt::white));
  Click(form.ScanAll);
  EXPECT_EQ(Panel(0), QStringLiteral("Glimmerset Failed, Found 4 words"));
  ASSERT_EQ(form.AList->count(), 5);
  const QColor expected[] = {Blue, Blue, Blue, Red, Blue};
  for (int line = 0; line < 5; ++line) EXPECT_EQ(ListLineColour(line), expected[line]) << line;
  // The rebuilds left the word box on the last answer and the current answer alone.
  EXPECT_EQ(form.word->text(), QStringLiteral("LIMA"));
  EXPECT_EQ(form.Model().CurrentAnswer, 1);
  // OSLO, answer 2, starts at column 0 of row 2.
  EXPECT_EQ(PaintedCell(0, 2), toQColor(HighlightFor(2)));
  EXPECT_EQ(players->played, std::vector<QString>({QStringLiteral("bad.wav")}));

  Click(form.ClearBtn);
  EXPECT_EQ(PaintedCell(0, 2), toQColor(form.Model().Look.BCol));
  EXPECT_EQ(ListLineColour(3), Red);
}

TEST_F(WordsCommandsTest, ClickingALineOfTheListPicksThatAnswer) {
  TWordForm& form = Open();
  form.show();
  LoadPuzzle(CapitalsPuzzle());
  Click(form.ScanAll);
  const QRect line = form.AList->visualItemRect(form.AList->item(3));
  QTest::mouseClick(form.AList->viewport(), Qt::LeftButton, {}, line.center());
  EXPECT_EQ(form.word->text(), QStringLiteral("BERN"));
  EXPECT_EQ(form.Model().CurrentAnswer, 4);
  QTest::keyClick(form.AList, Qt::Key_Up);
  EXPECT_EQ(form.word->text(), QStringLiteral("ROME"));
  EXPECT_EQ(form.Model().CurrentAnswer, 3);
}

TEST_F(WordsCommandsTest, SolveWithoutAGridIsRefused) {
  TWordForm& form = Open();
  form.Model().Answers = {{"ROME", std::nullopt}};
  form.Model().AnswerCount = 1;
  Click(form.ScanAll);
  EXPECT_EQ(dialogs->messages, QStringList({"Can't Solve. Check Answer list and Grid"}));
}

}  // namespace
}  // namespace glimmerset::ui::testing

namespace glimmerset::ui::testing {
namespace {

// A command that runs out of memory ends like any other failing command: a message, the puzzle
// as it was, and the window goes on taking commands.
TEST_F(WordsCommandsTest, AnAllocationFailureEndsTheCommandWithAMessage) {
  TWordForm& form = Open();
  LoadPuzzle(CapitalsPuzzle());
  dialogs->messages.clear();
  form.RunCommand([&form] { form.Model().Grid.SetSize(1 << 21, 1 << 21); });
  EXPECT_EQ(dialogs->messages, QStringList{QString::fromLatin1(TWordForm::kOutOfMemoryText)});
  EXPECT_EQ(form.Model().Grid.RowCount(), 6);
  EXPECT_EQ(form.Model().Grid.RowText(1), "ZROMEKL");

  QTest::keyClicks(form.word, QStringLiteral("ROME"));
  Click(form.ScanBtn);
  EXPECT_EQ(Panel(0), QStringLiteral("Found ROME"));
}

}  // namespace
}  // namespace glimmerset::ui::testing
