// Settings kept between runs, the last puzzle at start-up and the file commands of the menus,
// through the window.
#include <QAction>
#include <QCheckBox>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>

#include "WordsFixture.h"
#include "controls/OvalButton.h"
#include "ui/ColourConvert.h"

namespace glimmerset::ui::testing {
namespace {

class WordsFilesTest : public WordsWindowFixture {
 protected:
  void SetUp() override {
    WordsWindowFixture::SetUp();
    QDir(folder.path()).mkpath(QStringLiteral("Demo"));
    for (const char* name : {"Citys.glm", "CityAns.ans"})
      ASSERT_TRUE(QFile::copy(QStringLiteral(GLIMMERSET_PROGRAM_DIR "/Demo/") + QLatin1String(name),
                              QDir(folder.path()).filePath(QStringLiteral("Demo/") + QLatin1String(name))));
  }

  void Store(const QString& name, const QString& value) { QSettings(settingsFile, QSettings::IniFormat).setValue(name, value); }
  QString Stored(const QString& name) { return QSettings(settingsFile, QSettings::IniFormat).value(name).toString(); }
  QString DemoPath(const char* name) { return QDir(folder.path()).filePath(QStringLiteral("Demo/") + QLatin1String(name)); }
};

TEST_F(WordsFilesTest, StoredSwitchesTakeEffectAtStartUpAndChangesAreStoredAtClose) {
  Store(QStringLiteral("Show Menu"), QStringLiteral("1"));
  Store(QStringLiteral("Sound"), QStringLiteral("0"));
  Store(QStringLiteral("Regular"), QStringLiteral("0"));
  Store(QStringLiteral("Allowed"), QStringLiteral("3"));
  TWordForm& form = Open();
  form.show();
  EXPECT_TRUE(form.ShowMenu->isChecked());
  EXPECT_TRUE(form.menuBar()->isVisible());
  EXPECT_FALSE(form.statusBar()->isVisible());
  EXPECT_FALSE(form.SoundOn->isChecked());
  EXPECT_FALSE(form.Sound->isChecked());
  EXPECT_EQ(Panel(2), QStringLiteral("Sound Disabled"));
  EXPECT_FALSE(form.Regular->isChecked());
  EXPECT_EQ(form.Model().AllowedErrors, 3);

  form.ShowStatus->setChecked(true);
  form.Regular->trigger();
  form.LoadLast->trigger();
  form.Exit1Click();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(Stored(QStringLiteral("Show Status")), QStringLiteral("1"));
  EXPECT_EQ(Stored(QStringLiteral("Show Menu")), QStringLiteral("1"));
  EXPECT_EQ(Stored(QStringLiteral("Sound")), QStringLiteral("0"));
  EXPECT_EQ(Stored(QStringLiteral("Regular")), QStringLiteral("1"));
  EXPECT_EQ(Stored(QStringLiteral("Load Last")), QStringLiteral("1"));
  EXPECT_EQ(Stored(QStringLiteral("Allowed")), QStringLiteral("3"));
}

TEST_F(WordsFilesTest, LoadLastBringsBackTheRememberedPuzzleAtStartUp) {
  Store(QStringLiteral("Load Last"), QStringLiteral("1"));
  Store(QStringLiteral("answerfile"), DemoPath("CityAns.ans"));
  Store(QStringLiteral("gridfile"), DemoPath("Citys.glm"));
  TWordForm& form = Open();
  form.show();
  QApplication::processEvents();
  EXPECT_TRUE(dialogs->messages.isEmpty()) << dialogs->messages.join('|').toStdString();
  EXPECT_TRUE(form.Model().GridPresent);
  EXPECT_TRUE(form.GridPan()->isVisible());
  EXPECT_EQ(form.Model().Grid.RowCount(), 16);
  EXPECT_TRUE(form.AList->isVisible());
  ASSERT_GT(form.AList->count(), 2);
  EXPECT_EQ(form.AList->item(0)->text(), QStringLiteral("PARIS"));
  EXPECT_EQ(form.AList->count(), form.Model().AnswerCount);

  Click(form.ScanAll);
  EXPECT_TRUE(Panel(0).startsWith(QLatin1String("Found All "))) << Panel(0).toStdString();
}

TEST_F(WordsFilesTest, AGridNamedAtStartLoadsInPlaceOfTheLastPuzzle) {
  Store(QStringLiteral("Load Last"), QStringLiteral("1"));
  Store(QStringLiteral("answerfile"), QDir(folder.path()).filePath(QStringLiteral("last.ans")));
  Store(QStringLiteral("gridfile"), QDir(folder.path()).filePath(QStringLiteral("last.glm")));
  // The remembered pair is missing: loading it would say so twice; the named grid comes instead.
  const QString grid = QDir(folder.path()).filePath(QStringLiteral("cities.glm"));
  const QString answers = QDir(folder.path()).filePath(QStringLiteral("cities.ans"));
  ASSERT_TRUE(QFile::copy(DemoPath("Citys.glm"), grid));
  ASSERT_TRUE(QFile::copy(DemoPath("CityAns.ans"), answers));
  TWordForm& form = Open(grid);
  EXPECT_TRUE(form.StartupFinished());
  form.show();
  QApplication::processEvents();
  EXPECT_TRUE(dialogs->messages.isEmpty()) << dialogs->messages.join('|').toStdString();
  EXPECT_TRUE(form.Model().GridPresent);
  EXPECT_EQ(form.Model().Grid.RowCount(), 16);
  EXPECT_TRUE(form.GameBtn->isEnabled());
  EXPECT_TRUE(form.EditGrid->isEnabled());
  ASSERT_GT(form.AList->count(), 2);
  EXPECT_EQ(form.AList->item(0)->text(), QStringLiteral("PARIS"));
  form.Exit1Click();
  EXPECT_EQ(Stored(QStringLiteral("gridfile")), grid);
  EXPECT_EQ(Stored(QStringLiteral("answerfile")), answers);
}

TEST_F(WordsFilesTest, AMissingGridNamedAtStartSaysSoEvenWithLoadLastOff) {
  const QString missing = QDir(folder.path()).filePath(QStringLiteral("nowhere.glm"));
  TWordForm& form = Open(missing);  // the fixture's settings have Load Last off
  EXPECT_EQ(dialogs->messages, QStringList{QStringLiteral("Unable to load Glimmerset ") + missing});
  EXPECT_FALSE(form.Model().GridPresent);
}

TEST_F(WordsFilesTest, TheDemoEntryLoadsTheCapitalCitiesAndSolvesThem) {
  TWordForm& form = Open();
  form.show();
  form.DemoAction->trigger();
  ASSERT_EQ(dialogs->messages.size(), 2);
  EXPECT_EQ(dialogs->messages[1], QStringLiteral("Now you can Clear the answers and try to solve it yourself !"));
  EXPECT_TRUE(form.GridPan()->isVisible());
  ASSERT_GT(form.AList->count(), 0);
  EXPECT_EQ(Panel(0), QStringLiteral("Found All %1 words").arg(form.AList->count()));
  for (int line = 0; line < form.AList->count(); ++line) EXPECT_EQ(ListLineColour(line), QColor(0, 0, 0xFF)) << line;
  // The first answer's first letter carries the palette colour of answer 1.
  const GridPos first = form.Model().Paths.Get(1, 1);
  ASSERT_TRUE(first.IsSet());
  EXPECT_EQ(PaintedCell(first.Col, first.Row), toQColor(HighlightFor(1)));
}

TEST_F(WordsFilesTest, LoadGridAsksForTheFileAndShowsTheGridOrLeavesAllAloneOnCancel) {
  TWordForm& form = Open();
  form.show();
  dialogs->files.push_back(std::nullopt);
  form.LoadGridAction->trigger();
  ASSERT_EQ(dialogs->requests.size(), 1u);
  EXPECT_FALSE(dialogs->requests[0].Filter.isEmpty());
  EXPECT_FALSE(form.Model().GridPresent);

  dialogs->files.push_back(DemoPath("Citys.glm"));
  form.LoadGridAction->trigger();
  EXPECT_TRUE(form.Model().GridPresent);
  EXPECT_TRUE(form.GridPan()->isVisible());
  EXPECT_TRUE(form.word->isEnabled());
  EXPECT_TRUE(form.EditGrid->isEnabled());
  EXPECT_EQ(form.GridPan()->view()->size(), QSize(352, 352));
}

TEST_F(WordsFilesTest, ALoadedListSitsAtTheRightEdgeAsWideAsTheWordBoxForItsLongestAnswer) {
  TWordForm& form = Open();
  form.show();
  WriteFile(QStringLiteral("Demo/eight.txt"));
  {
    QFile list(DemoPath("eight.txt"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("Oslo\r\nCanberra\r\nRome\r\n");
  }
  dialogs->files.push_back(DemoPath("eight.txt"));
  form.LoadAnswerListAction->trigger();
  ASSERT_EQ(form.AList->count(), 3);
  EXPECT_EQ(form.AList->item(1)->text(), QStringLiteral("CANBERRA"));
  EXPECT_EQ(ListLineColour(1), QColor(Qt::white));
  EXPECT_EQ(form.word->width(), 192);
  EXPECT_EQ(form.AList->width(), 192);
  const int clientWidth = form.centralWidget()->width();
  EXPECT_EQ(form.word->x(), clientWidth - 192 - 10);
  EXPECT_EQ(form.AList->x(), form.word->x());
  EXPECT_EQ(Panel(4), QStringLiteral("3 Answers"));
}

TEST_F(WordsFilesTest, AFileThatCannotBeOpenedIsReportedAndTheWindowGoesOn) {
  TWordForm& form = Open();
  form.show();
  const QString missing = QDir(folder.path()).filePath(QStringLiteral("nowhere.glm"));
  dialogs->files.push_back(missing);
  form.LoadGridAction->trigger();
  ASSERT_EQ(dialogs->messages.size(), 1);
  EXPECT_TRUE(dialogs->messages[0].startsWith(QLatin1String("Cannot open file"))) << dialogs->messages[0].toStdString();
  EXPECT_FALSE(form.Model().GridPresent);
}

TEST_F(WordsFilesTest, ASettingsStoreThatCannotBeWrittenIsReportedAndTheWindowStillCloses) {
  // A file where the store's folder should be: nothing can be written below it.
  WriteFile(QStringLiteral("blocked"));
  settingsFile = QDir(folder.path()).filePath(QStringLiteral("blocked/settings.ini"));
  TWordForm& form = Open();
  form.show();
  dialogs->messages.clear();
  form.close();
  EXPECT_FALSE(form.isVisible());
  ASSERT_EQ(dialogs->messages.size(), 1);
  EXPECT_TRUE(dialogs->messages[0].startsWith(QLatin1String("Failed to "))) << dialogs->messages[0].toStdString();
}

}  // namespace
}  // namespace glimmerset::ui::testing
