// The appearance commands: grid font, background, answer font and the Regular switch.
#include <QAction>

#include "WordsFixture.h"
#include "controls/OvalButton.h"
#include "ui/ColourConvert.h"

namespace glimmerset::ui::testing {
namespace {

using WordsAppearanceTest = WordsWindowFixture;

void SolveAll(TWordForm& form) { WordsWindowFixture::Click(form.ScanAll); }

TEST_F(WordsAppearanceTest, ARedBackgroundRepaintsEveryCellAndTakesTheMarksAway) {
  TWordForm& form = Open();
  form.show();
  LoadPuzzle(CapitalsPuzzle());
  SolveAll(form);
  ASSERT_EQ(PaintedCell(0, 0), toQColor(HighlightFor(1)));
  dialogs->colours.push_back(QColor(0xFF, 0, 0));
  form.BackgroundAction->trigger();
  EXPECT_EQ(form.Model().Look.BCol, 0x0000FFu);
  for (int row = 0; row < 6; ++row)
    for (int col = 0; col < 7; ++col) {
      EXPECT_EQ(form.Model().Grid.Record(col, row)->Colour, 0x0000FFu);
      EXPECT_EQ(PaintedCell(col, row), QColor(0xFF, 0, 0)) << col << "," << row;
    }
  // The list keeps its colours and the paths stay.
  EXPECT_EQ(ListLineColour(3), QColor(0xFF, 0, 0));
  EXPECT_TRUE(form.Model().Paths.Get(1, 1).IsSet());

  // Opened again, the dialog shows the colour last chosen; cancelling changes nothing.
  form.BackgroundAction->trigger();
  ASSERT_EQ(dialogs->shownColours.size(), 2u);
  EXPECT_EQ(dialogs->shownColours[0], QColor(Qt::black));
  EXPECT_EQ(dialogs->shownColours[1], QColor(0xFF, 0, 0));
  EXPECT_EQ(form.Model().Look.BCol, 0x0000FFu);
}

TEST_F(WordsAppearanceTest, GridFontKeepsOnlyTheFaceAndColourAndTheAnswerFontDialogShowsIt) {
  TWordForm& form = Open();
  form.show();
  LoadPuzzle(CapitalsPuzzle());
  dialogs->fonts.push_back(ChosenFont{QStringLiteral("Liberation Mono"), QColor(0, 0x80, 0)});
  form.GridFontAction->trigger();
  ASSERT_EQ(dialogs->shownFonts.size(), 1u);
  EXPECT_EQ(dialogs->shownFonts[0].Face, QStringLiteral("MS Sans Serif"));
  EXPECT_EQ(form.Model().Look.GFont, "Liberation Mono");
  EXPECT_EQ(form.Model().Look.FCol, 0x008000u);
  const Tspec* record = form.Model().Grid.Record(2, 3);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->FontName, "Liberation Mono");
  EXPECT_EQ(record->FontColour, 0x008000u);
  EXPECT_EQ(record->FontSize, 11);

  // Cancelled: nothing changes.
  form.AnswerFontAction->trigger();
  ASSERT_EQ(dialogs->shownFonts.size(), 2u);
  EXPECT_EQ(dialogs->shownFonts[1].Face, QStringLiteral("Liberation Mono"));
  EXPECT_EQ(form.Model().Look.AFont, "Times new Roman");
}

TEST_F(WordsAppearanceTest, AnAnswerFontBeforeAnyGridChangesOnlyTheAnswerLook) {
  TWordForm& form = Open();
  const Appearance before = form.Model().Look;
  dialogs->fonts.push_back(ChosenFont{QStringLiteral("Liberation Serif"), QColor(0xFF, 0, 0)});
  form.AnswerFontAction->trigger();
  EXPECT_EQ(form.Model().Look.AFont, "Liberation Serif");
  EXPECT_EQ(form.Model().Look.AFCol, 0x0000FFu);
  EXPECT_EQ(form.Model().Look.GFont, before.GFont);
  EXPECT_EQ(form.Model().Look.BCol, before.BCol);
  EXPECT_FALSE(form.Model().CellsReady);
  EXPECT_EQ(form.Model().Grid.Record(0, 0), nullptr);
}

TEST_F(WordsAppearanceTest, FoundAnswersAreMarkedInTheAnswerFontAfterAChange) {
  TWordForm& form = Open();
  form.show();
  LoadPuzzle(CapitalsPuzzle());
  dialogs->fonts.push_back(ChosenFont{QStringLiteral("Liberation Serif"), QColor(0xFF, 0xFF, 0xFF)});
  form.AnswerFontAction->trigger();
  SolveAll(form);
  const Tspec* marked = form.Model().Grid.Record(0, 0);
  ASSERT_NE(marked, nullptr);
  EXPECT_EQ(marked->FontName, "Liberation Serif");
  EXPECT_EQ(marked->FontColour, 0xFFFFFFu);
}

TEST_F(WordsAppearanceTest, RegularAndLoadLastOnlyReverseTheirTicks) {
  TWordForm& form = Open();
  for (QAction* tick : {form.Regular, form.LoadLast}) {
    const bool before = tick->isChecked();
    tick->trigger();
    EXPECT_EQ(tick->isChecked(), !before) << tick->text().toStdString();
    tick->trigger();
    EXPECT_EQ(tick->isChecked(), before) << tick->text().toStdString();
  }
}

}  // namespace
}  // namespace glimmerset::ui::testing
