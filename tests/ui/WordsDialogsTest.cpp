// The dialogs as the main window opens them: a new user's whole first round, typed grid and
// answers, Solve, Play, then a constructed puzzle played at once; plus the small dialogs.
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include "DialogTestHelpers.h"
#include "WordsFixture.h"
#include "controls/OvalButton.h"
#include "ui/AnswerEntry.h"
#include "ui/Construct.h"
#include "ui/aerros.h"
#include "ui/demoUnit.h"
#include "ui/gridentry.h"

namespace glimmerset::ui::testing {
namespace {

using dialogtest::ClickCentre;
using dialogtest::TypeLine;

class WordsDialogsTest : public WordsWindowFixture {
 public:
  // Scripts the answer entry dialog: Clear All, then the words typed one by one, then Close.
  void ScriptAnswers(const QStringList& words) {
    dialogs->dialogScripts.push_back([words](QDialog& dialog) {
      auto& entry = dynamic_cast<TAnswersEntry&>(dialog);
      ClickCentre(entry.Button2);
      for (const QString& word : words) TypeLine(entry.AnswerName, word);
      ClickCentre(entry.Button1);
    });
  }

  // Traces answer n along the path the solver recorded.
  void Trace(int n, int length) {
    const GridPos first = window->Model().Paths.Get(n, 1);
    PressCell(first.Col, first.Row);
    for (int k = 1; k <= length; ++k) {
      const GridPos pos = window->Model().Paths.Get(n, k);
      MoveOver(pos.Col, pos.Row);
    }
  }
};

TEST_F(WordsDialogsTest, FirstRoundTypedGridAnswersSolvePlayThenAConstructedPuzzle) {
  Open();
  Click(window->OptionsBtn);

  const QStringList rows = {"catxxxxxxx", "xdogxxxxxx", "xxxxxxxxxx", "xxxxbirdxx", "xxxxxxxxxx",
                            "fishxxxxxx", "xxxxxxxxxx", "xxxxxxmoth", "xxxxxxxxxx", "xxxxxxxxxx"};
  dialogs->dialogScripts.push_back([rows](QDialog& dialog) {
    auto& entry = dynamic_cast<TGridEntryForm&>(dialog);
    for (const QString& row : rows) TypeLine(entry.Rowofchars, row);
    ClickCentre(entry.Button1);
  });
  Click(window->NewGridBtn);
  ASSERT_EQ(dialogs->dialogTitles, QStringList{"Grid Entry"});
  EXPECT_EQ(window->Model().Grid.RowCount(), 10);
  EXPECT_EQ(window->Model().Grid.RowText(3), "XXXXBIRDXX");
  EXPECT_TRUE(window->GridPan()->isVisibleTo(window.get()));
  EXPECT_TRUE(window->EditGrid->isEnabled());
  EXPECT_EQ(Panel(1), "10 Rows:  10 Cols:");

  ScriptAnswers({"cat", "dog", "bird", "fish", "moth"});
  Click(window->answerbutton);
  EXPECT_EQ(window->Model().AnswerCount, 5);
  EXPECT_EQ(Panel(4), "5 Answers");
  ASSERT_EQ(window->AList->count(), 5);
  EXPECT_EQ(window->AList->item(2)->text(), "BIRD");

  Click(window->ScanAll);
  EXPECT_EQ(Panel(0), "Found All 5 words");

  Click(window->GameBtn);
  EXPECT_EQ(Panel(0), "All 5 words are present");
  Trace(1, 3);
  EXPECT_EQ(dialogs->messages.back(), "Found CAT");
  EXPECT_EQ(ListLineColour(0), QColor(0, 0x80, 0));  // green: found in this game

  // A new puzzle from ten answers, Auto in the wizard, then played at once.
  const QStringList ten = {"paris", "rome", "oslo", "berlin", "madrid", "vienna", "prague", "lisbon", "dublin", "athens"};
  ScriptAnswers(ten);
  Click(window->answerbutton);
  ASSERT_EQ(window->Model().AnswerCount, 10);
  dialogs->dialogScripts.push_back([](QDialog& dialog) {
    auto& wizard = dynamic_cast<TConstructWiz&>(dialog);
    ClickCentre(wizard.AutoBtn);
    ClickCentre(wizard.ContBtn);
  });
  Click(window->MakeBtn);
  const int size = window->Model().Grid.RowCount();
  EXPECT_EQ(window->Model().Grid.ColCount(), size);
  EXPECT_EQ(Panel(1), QStringLiteral(" ROWS: %1 COLS: %1").arg(size));

  Click(window->ScanAll);  // every answer lies in the constructed grid
  EXPECT_EQ(Panel(0), "Found All 10 words");
  Click(window->ClearBtn);
  Click(window->GameBtn);
  EXPECT_EQ(Panel(0), "All 10 words are present");
  Trace(1, 5);
  EXPECT_EQ(dialogs->messages.back(), "Found PARIS");
}

TEST_F(WordsDialogsTest, CancelledGridEntryHidesTheGridAndKeepsEditOffTheButton) {
  Open();
  LoadPuzzle(CapitalsPuzzle());
  dialogs->dialogScripts.push_back([](QDialog& dialog) {
    auto& entry = dynamic_cast<TGridEntryForm&>(dialog);
    TypeLine(entry.Rowofchars, "abc");
    ClickCentre(entry.Button2);  // Cancel
  });
  Click(window->NewGridBtn);
  EXPECT_FALSE(window->Model().GridPresent);
  EXPECT_FALSE(window->GridPan()->isVisibleTo(window.get()));
  EXPECT_FALSE(window->EditGrid->isEnabled());
  EXPECT_TRUE(window->EditMenuItem->isEnabled());
}

TEST_F(WordsDialogsTest, AllowedErrorsTakesTheNumberOnlyWithOk) {
  Open();
  for (const bool ok : {false, true}) {
    dialogs->dialogScripts.push_back([ok](QDialog& dialog) {
      auto& allowed = dynamic_cast<TAllowed&>(dialog);
      allowed.SpinEdit1->setValue(3);
      if (ok) ClickCentre(allowed.Button1);
      else dialog.reject();
    });
    window->AllowedErrors1Click();
    EXPECT_EQ(window->Model().AllowedErrors, ok ? 3 : 10);
    EXPECT_EQ(dialogs->dialogTitles.back(), "Allowed Errors");
  }
}

TEST_F(WordsDialogsTest, DemoChooserLoadsThePairBehindItAndStopsAGame) {
  Open();
  LoadPuzzle(CapitalsPuzzle());
  Click(window->GameBtn);
  ASSERT_TRUE(window->Model().GameRunning);
  // The test's program folder has no demos: the chooser reports the missing pair.
  dialogs->dialogScripts.push_back([](QDialog& dialog) {
    auto& chooser = dynamic_cast<TDemoForm&>(dialog);
    ClickCentre(chooser.DemoButtons[3]);  // "Simple"
    ClickCentre(chooser.OvalButton11);
  });
  Click(window->DemoBtn);
  EXPECT_FALSE(window->Model().GameRunning);
  ASSERT_GE(dialogs->messages.size(), 2);
  EXPECT_TRUE(dialogs->messages[dialogs->messages.size() - 2].startsWith("Unable to load Demo Answer List "));
  EXPECT_TRUE(dialogs->messages.back().startsWith("Unable to load Demo Grid "));
  EXPECT_TRUE(dialogs->messages.back().endsWith("Simple.glm"));
}

// The grid entry dialog opens beside the grid it fills, inside the screen, and stays clear of
// the grid as it grows.
TEST_F(WordsDialogsTest, GridEntryOpensBesideTheGrid) {
  Open();
  window->show();
  LoadPuzzle(CapitalsPuzzle());
  QRect placed;
  bool clear = true;
  dialogs->dialogScripts.push_back([&](QDialog& dialog) {
    auto& entry = dynamic_cast<TGridEntryForm&>(dialog);
    placed = entry.frameGeometry();
    for (const char* row : {"abcdefghijkl", "abcdefghijkl", "abcdefghijkl", "abcdefghijkl", "abcdefghijkl"}) {
      TypeLine(entry.Rowofchars, row);
      const QRect panel(window->GridPan()->mapToGlobal(QPoint(0, 0)), window->GridPan()->size());
      clear = clear && !placed.intersects(panel);
    }
    ClickCentre(entry.Button1);
  });
  Click(window->NewGridBtn);
  ASSERT_EQ(dialogs->dialogTitles, QStringList{"Grid Entry"});
  EXPECT_TRUE(window->screen()->availableGeometry().contains(placed)) << placed.x() << "," << placed.y();
  EXPECT_TRUE(clear);
}

}  // namespace
}  // namespace glimmerset::ui::testing
