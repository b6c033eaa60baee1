// The main window's controls, start-up, switches and close.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

#include "WordsFixture.h"
#include "controls/KURL2.h"
#include "controls/OvalButton.h"
#include "core/CommandError.h"
#include "ui/WindowBackground.h"
#include "ui/WordBox.h"

namespace glimmerset::ui::testing {
namespace {

using WordsWindowTest = WordsWindowFixture;

struct ButtonCase {
  const char* name;
  const char* caption;
  QRect place;
  QColor face;
  QColor text;
  const char* hint;
};

TEST_F(WordsWindowTest, EveryOvalButtonHasItsCaptionPlaceColoursAndHint) {
  TWordForm& form = Open();
  const ButtonCase cases[] = {
      {"ExitBtn", "Exit", {8, 48, 89, 25}, QColor(0x80, 0, 0x80), Qt::white, "Leave Glimmerset"},
      {"ScanBtn", "Find", {103, 48, 89, 25}, QColor(0, 0x80, 0), Qt::white, "Scan for Word"},
      {"ScanAll", "Solve", {198, 48, 89, 25}, QColor(0, 0x80, 0), Qt::black, "Find All Answers"},
      {"GameBtn", "Play", {292, 48, 89, 25}, QColor(0, 0x80, 0x80), Qt::black, "Play the  Glimmerset Game"},
      {"ClearBtn", "Clear", {387, 48, 89, 25}, QColor(0, 0xFF, 0xFF), Qt::black, "Clear Answers"},
      {"DemoBtn", "Demos", {483, 48, 89, 25}, Qt::white, Qt::black, "Play Demo Game"},
      {"OptionsBtn", "Options", {584, 48, 89, 25}, QColor(0x80, 0x80, 0x80), Qt::white, "Glimmerset Options"},
      {"helpBtn", "Help", {685, 48, 89, 25}, QColor(0xFF, 0, 0xFF), Qt::black, "Glimmerset Help"},
      {"ScannerBtn", "Aquire", {16, 48, 89, 25}, QColor(0, 0x80, 0x80), Qt::black, "Scan Glimmerset"},
      {"answerbutton", "Answers", {120, 48, 89, 25}, QColor(0xFF, 0xFF, 0), Qt::black, "Enter or Edit an Answer List"},
      {"EditGrid", "EDIT", {16, 80, 89, 25}, QColor(0x80, 0x80, 0), Qt::white, "Edit the existing Grid"},
      {"NewGridBtn", "New", {120, 80, 89, 25}, QColor(0xFF, 0, 0), Qt::black, "Enter a New Grid"},
      {"MakeBtn", "Make", {16, 112, 89, 25}, QColor(0xC0, 0xC0, 0xC0), Qt::black, "Make a Glimmerset Game"},
      {"PrintBtn", "Print", {120, 112, 89, 25}, QColor(0, 0xFF, 0), Qt::black, ""},
  };
  for (const ButtonCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto* button = form.findChild<TOvalButton*>(QLatin1String(c.name));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->caption(), QLatin1String(c.caption));
    EXPECT_EQ(button->geometry(), c.place);
    EXPECT_EQ(button->faceColor(), c.face);
    EXPECT_EQ(button->textColor(), c.text);
    EXPECT_EQ(button->toolTip(), QLatin1String(c.hint));
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
  }
  EXPECT_EQ(form.ExitBtn->font().pixelSize(), 16);
  EXPECT_TRUE(form.ExitBtn->font().bold());
  EXPECT_EQ(form.EditGrid->font().pixelSize(), 13);
  EXPECT_FALSE(form.PrintBtn->font().bold());
}

TEST_F(WordsWindowTest, StartUpShowsTheAlwaysAvailableControlsWithoutMenuOrStatusBar) {
  TWordForm& form = Open();
  form.show();
  EXPECT_TRUE(form.StartupDone());
  EXPECT_TRUE(form.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(form.minimumSize(), QSize(750, 550));
  EXPECT_EQ(form.maximumSize(), QSize(1024, 768));
  EXPECT_TRUE(form.windowTitle().endsWith(QLatin1String("  by Marlock")));
  EXPECT_TRUE(form.windowTitle().contains(QLatin1String(" Version ")));
  EXPECT_FALSE(form.menuBar()->isVisible());
  EXPECT_FALSE(form.statusBar()->isVisible());
  for (QWidget* shown : {static_cast<QWidget*>(form.ScanAll), static_cast<QWidget*>(form.ScannerBtn),
                         static_cast<QWidget*>(form.answerbutton), static_cast<QWidget*>(form.MakeBtn),
                         static_cast<QWidget*>(form.PrintBtn), static_cast<QWidget*>(form.ShowMenu),
                         static_cast<QWidget*>(form.ShowStatus)})
    EXPECT_FALSE(shown->isHidden()) << shown->objectName().toStdString();
  EXPECT_TRUE(form.OcrSoftwareAction->isEnabled());
  EXPECT_FALSE(form.OptionPanel->isVisible());
  EXPECT_FALSE(form.AList->isVisible());
  EXPECT_FALSE(form.word->isEnabled());
  EXPECT_FALSE(form.EditGrid->isEnabled());
  EXPECT_TRUE(form.Sound->isChecked());
  EXPECT_TRUE(form.Regular->isChecked());
  EXPECT_FALSE(form.Maximise->isChecked());
  EXPECT_TRUE(dialogs->messages.isEmpty()) << dialogs->messages.join('|').toStdString();
  // The background picture covers the client area; seven of the eight small boxes hold a picture.
  EXPECT_FALSE(form.Image1->picture().isNull());
  EXPECT_EQ(form.centralWidget(), form.Image1);
  int withPicture = 0;
  for (const QLabel* box : form.Pictures) withPicture += box->pixmap().isNull() ? 0 : 1;
  EXPECT_EQ(withPicture, 7);
  EXPECT_TRUE(form.findChild<QLabel*>(QStringLiteral("AL"))->pixmap().isNull());

  // A later activation only maximises again.
  const QString caption = form.windowTitle();
  form.FormCreate();
  EXPECT_EQ(form.windowTitle(), caption);
  EXPECT_TRUE(form.windowState().testFlag(Qt::WindowMaximized));
}

TEST_F(WordsWindowTest, StatusBarHasSixPanelsWithTheirWidthsAndFirstTexts) {
  TWordForm& form = Open();
  const int widths[] = {180, 120, 100, 80, 110, 50};
  const char* texts[] = {"Message", "Rows 0  Cols 0:", "Sound Enabled", "", "0 Words", "Score"};
  for (int i = 0; i < 6; ++i) {
    EXPECT_GE(form.StatusPanels[static_cast<std::size_t>(i)]->width(), widths[i]) << i;
    if (i < 5) {
      EXPECT_EQ(form.StatusPanels[static_cast<std::size_t>(i)]->width(), widths[i]) << i;
    }
    EXPECT_EQ(Panel(i), QLatin1String(texts[i])) << i;
  }
  form.session().SetStatus(ScorePanel, "Found 1 out of 2");
  EXPECT_EQ(Panel(5), QStringLiteral("Found 1 out of 2"));
}

// The panels lie edge to edge, and the score panel runs to the end of the bar, so the whole score
// line can be read.
TEST_F(WordsWindowTest, TheScorePanelRunsToTheEndOfTheBar) {
  TWordForm& form = Open();
  form.show();
  form.ShowStatus->setChecked(true);
  form.session().SetStatus(ScorePanel, "Found 2 out of 5  3 To Find  3 Errors");
  QApplication::processEvents();
  const QStatusBar* bar = form.statusBar();
  ASSERT_TRUE(bar->isVisible());
  int left = form.StatusPanels[0]->mapTo(bar, QPoint(0, 0)).x();
  EXPECT_LE(left, 3) << "the first panel starts at the bar's left end";
  for (const QLabel* panel : form.StatusPanels) {
    EXPECT_EQ(panel->mapTo(bar, QPoint(0, 0)).x(), left) << panel->objectName().toStdString();
    left += panel->width();
  }
  EXPECT_GE(left, bar->width() - 3) << "the last panel ends at the bar's right end";
  const QLabel* score = form.StatusPanels[5];
  EXPECT_GE(score->contentsRect().width(), score->fontMetrics().horizontalAdvance(score->text()));
}

QStringList EntryTexts(const QMenu* menu) {
  QStringList texts;
  for (const QAction* action : menu->actions()) texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
  return texts;
}

TEST_F(WordsWindowTest, MenusHoldEveryEntryInOrder) {
  TWordForm& form = Open();
  QStringList titles;
  for (const QAction* action : form.menuBar()->actions()) titles << action->text();
  EXPECT_EQ(titles, QStringList({"&File", "Glimmerset", "&Solve", "&Options", "Answers", "&Help"}));
  EXPECT_EQ(EntryTexts(form.Menus[0]),
            QStringList({"&Load Glimmerset Grid ", "L&oad Answer List", "Load Gli&mmerset", "-", "&Save Word Grid",
                         "Save &Answer List", "Save &Glimmerset", "-", "&Capture", "Load &Grid Scan", "Load Answer &Scan", "-",
                         "&Print", "Print Pre&view", "Printer &Setup", "Export P&DF…", "-", "&Exit"}));
  EXPECT_EQ(EntryTexts(form.Menus[1]), QStringList({"Manual Entry", "Edit", "Scan Grid"}));
  EXPECT_EQ(EntryTexts(form.Menus[2]),
            QStringList({"Demo", "Answer Font", "Grid Font", "Sound", "Regular", "OCR Software", "Locate Files",
                         "Load Last Glimmerset", "Allowed Errors", "Maximise"}));
  EXPECT_EQ(EntryTexts(form.GridFontMenu), QStringList({"Font", "Background"}));
  EXPECT_EQ(EntryTexts(form.Menus[3]), QStringList({"Manual Entry", "Scan Answers", "-", "Search Words Help"}));
  EXPECT_EQ(EntryTexts(form.Menus[4]), QStringList({"&Glimmerset Help", "&About", "Email Marlock", "Visit our Website"}));
  EXPECT_EQ(form.SolveMenu->menu(), nullptr);
}

TEST_F(WordsWindowTest, TheTwoCheckBoxesShowAndHideTheMenuAndTheStatusBar) {
  TWordForm& form = Open();
  form.show();
  form.ShowMenu->setChecked(true);
  EXPECT_TRUE(form.menuBar()->isVisible());
  for (const QAction* action : form.menuBar()->actions()) EXPECT_TRUE(action->isVisible()) << action->text().toStdString();
  form.ShowMenu->setChecked(false);
  EXPECT_FALSE(form.menuBar()->isVisible());
  for (const QAction* action : form.menuBar()->actions()) EXPECT_FALSE(action->isVisible()) << action->text().toStdString();
  form.ShowStatus->setChecked(true);
  EXPECT_TRUE(form.statusBar()->isVisible());
  form.ShowStatus->setChecked(false);
  EXPECT_FALSE(form.statusBar()->isVisible());
}

TEST_F(WordsWindowTest, OptionsShowsThePanelOverTheListAndReturnHidesIt) {
  TWordForm& form = Open();
  form.show();
  Click(form.OptionsBtn);
  EXPECT_TRUE(form.OptionPanel->isVisible());
  EXPECT_EQ(form.OptionPanel->geometry(), QRect(512, 104, 273, 409));
  EXPECT_EQ(form.Returnbtn->geometry(), QRect(32, 352, 209, 41));
  EXPECT_TRUE(form.Returnbtn->isFlat());
  EXPECT_EQ(form.SoundOn->text(), QStringLiteral("      Sound effects"));
  EXPECT_EQ(form.ShowMenu->text(), QStringLiteral("      Show Windows Menu"));
  EXPECT_EQ(form.ShowStatus->text(), QStringLiteral("      Show Windows Status Bar"));
  form.Returnbtn->click();
  EXPECT_FALSE(form.OptionPanel->isVisible());
}

TEST_F(WordsWindowTest, WordBoxUpperCasesTakesThirtyCharactersAndIsSkippedByTab) {
  TWordForm& form = Open();
  form.show();
  LoadPuzzle(CapitalsPuzzle());
  ASSERT_TRUE(form.word->isEnabled());
  EXPECT_EQ(form.word->geometry(), QRect(528, 112, 220, 37));
  EXPECT_EQ(form.word->focusPolicy(), Qt::ClickFocus);
  QTest::keyClicks(form.word, QStringLiteral("paris and more letters than thirty of them"));
  EXPECT_EQ(form.word->text(), QStringLiteral("PARIS AND MORE LETTERS THAN THIRTY OF THEM").left(30));
  EXPECT_EQ(form.word->text().size(), 30);
  EXPECT_EQ(form.Model().WordText, form.word->text().toStdString());
}

TEST_F(WordsWindowTest, HelpMenuLinksCarryAWebAndAMailTarget) {
  TWordForm& form = Open();
  EXPECT_TRUE(form.Panel1->isHidden());
  EXPECT_TRUE(form.web->Target().toString().startsWith(QLatin1String("http")));
  EXPECT_TRUE(form.email->Target().toString().startsWith(QLatin1String("mailto:")));
  EXPECT_EQ(form.web->toolTip(), QStringLiteral("Browse our website"));
  EXPECT_EQ(form.email->toolTip(), QStringLiteral("email Marlock"));
}

TEST_F(WordsWindowTest, MaximiseTwiceEndsBorderlessCentredAtEightHundredBySixHundred) {
  TWordForm& form = Open();
  form.show();
  form.Maximise->trigger();
  EXPECT_TRUE(form.Maximise->isChecked());
  EXPECT_FALSE(form.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_TRUE(form.windowState().testFlag(Qt::WindowMaximized));
  form.Maximise->trigger();
  EXPECT_FALSE(form.Maximise->isChecked());
  // What counts is the window once the re-show after the border change has been handled.
  SettleEvents();
  EXPECT_TRUE(form.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_FALSE(form.windowState().testFlag(Qt::WindowMaximized));
  EXPECT_EQ(form.size(), QSize(800, 600));
  const QRect screen = form.screen()->geometry();
  EXPECT_LE(std::abs((form.x() - screen.left()) - (screen.right() - form.geometry().right())), 1);
  EXPECT_LE(std::abs((form.y() - screen.top()) - (screen.bottom() - form.geometry().bottom())), 1);
  // Becoming active again maximises it once more.
  form.FormCreate();
  EXPECT_TRUE(form.windowState().testFlag(Qt::WindowMaximized));
}

// The activation a border change brings is the window's own, and it arrives late: it must not
// undo the 800 by 600 window.
TEST_F(WordsWindowTest, TheActivationAfterTheBorderChangeKeepsTheEightHundredBySixHundredWindow) {
  TWordForm& form = Open();
  form.show();
  form.Maximise->trigger();
  SettleEvents();
  form.Maximise->trigger();
  QEvent activation(QEvent::WindowActivate);
  QApplication::sendEvent(&form, &activation);
  SettleEvents();
  EXPECT_FALSE(form.windowState().testFlag(Qt::WindowMaximized));
  EXPECT_EQ(form.size(), QSize(800, 600));
  // A later activation is the user coming back: maximised again.
  QApplication::sendEvent(&form, &activation);
  EXPECT_TRUE(form.windowState().testFlag(Qt::WindowMaximized));
}

TEST_F(WordsWindowTest, ACommandErrorIsShownInAMessageBoxAndTheWindowGoesOn) {
  TWordForm& form = Open();
  LoadPuzzle(CapitalsPuzzle());
  form.RunCommand([] { throw CommandError("Cannot open file /nowhere/x.glm"); });
  ASSERT_EQ(dialogs->messages.size(), 1);
  EXPECT_EQ(dialogs->messages.front(), QStringLiteral("Cannot open file /nowhere/x.glm"));
  form.word->setText(QStringLiteral("OSLO"));
  form.Model().WordText = "OSLO";
  Click(form.ScanBtn);
  EXPECT_EQ(Panel(0), QStringLiteral("Found OSLO"));
}

TEST_F(WordsWindowTest, WhileBusyTheModelChangingCommandsAreOffAndComeBackAfter) {
  TWordForm& form = Open();
  LoadPuzzle(CapitalsPuzzle());
  form.show();
  {
    Session::BusyScope busy(form.session());
    for (QWidget* control : {static_cast<QWidget*>(form.ScanBtn), static_cast<QWidget*>(form.ScanAll),
                             static_cast<QWidget*>(form.GameBtn), static_cast<QWidget*>(form.ClearBtn),
                             static_cast<QWidget*>(form.word)})
      EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    EXPECT_FALSE(form.LoadGridAction->isEnabled());
    // A command that slips through (a key, a menu accelerator) is refused.
    form.Model().WordText = "OSLO";
    form.ScanbtnClick();
    EXPECT_EQ(Panel(0), QStringLiteral("Message"));
    // Closing waits for the running operation.
    form.close();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.Model().CellsReady);
  }
  for (QWidget* control : {static_cast<QWidget*>(form.ScanBtn), static_cast<QWidget*>(form.ScanAll),
                           static_cast<QWidget*>(form.GameBtn), static_cast<QWidget*>(form.ClearBtn),
                           static_cast<QWidget*>(form.word)})
    EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
  QApplication::processEvents();
  EXPECT_FALSE(form.isVisible());
  EXPECT_FALSE(form.Model().CellsReady);
}

TEST_F(WordsWindowTest, ClosingReleasesTheCellRecords) {
  TWordForm& form = Open();
  LoadPuzzle(CapitalsPuzzle());
  form.show();
  ASSERT_TRUE(form.Model().CellsReady);
  form.Exit1Click();
  EXPECT_FALSE(form.isVisible());
  EXPECT_FALSE(form.Model().CellsReady);
  EXPECT_EQ(form.Model().Grid.Record(0, 0), nullptr);
}

}  // namespace
}  // namespace glimmerset::ui::testing
