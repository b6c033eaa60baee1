// Help: the program's HTML help opens at its contents in the help window; a missing help file
// is reported.
#include <QTextBrowser>

#include "WordsFixture.h"
#include "ui/HelpWindow.h"

namespace glimmerset::ui::testing {
namespace {

using WordsHelpTest = WordsWindowFixture;

TEST_F(WordsHelpTest, HelpOpensAtTheContentsOrReportsTheMissingFile) {
  Open();
  window->HelpClick();
  ASSERT_EQ(dialogs->messages.size(), 1);
  EXPECT_TRUE(dialogs->messages.front().startsWith("Cannot open file "));
  EXPECT_TRUE(dialogs->messages.front().endsWith("Glimmerset.html"));

  QFile help(QDir(folder.path()).filePath(QStringLiteral("Program Files/glimmerset.HTML")));
  ASSERT_TRUE(help.open(QIODevice::WriteOnly));
  help.write("<h1><a name=\"contents\">Glimmerset Help</a></h1><p>Press Solve.</p>");
  help.close();
  window = nullptr;  // a new run finds the file, whatever the case of its name
  dialogs->messages.clear();
  Open();
  window->HelpClick();
  EXPECT_TRUE(dialogs->messages.isEmpty());
  auto* shown = window->findChild<HelpWindow*>();
  ASSERT_NE(shown, nullptr);
  EXPECT_TRUE(shown->isVisible());
  EXPECT_TRUE(shown->Browser->toPlainText().contains("Press Solve."));
}

}  // namespace
}  // namespace glimmerset::ui::testing
