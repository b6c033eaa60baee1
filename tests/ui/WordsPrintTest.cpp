// Print, Print Preview and Printer Setup from the window: the button and the File menu reach
// the printed page, which prints the window's puzzle of that moment.
#include <QAction>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "PrivateCups.h"
#include "WordsFixture.h"
#include "controls/OvalButton.h"
#include "tests/page/PdfProbe.h"

namespace glimmerset::ui::testing {
namespace {

using glimmerset::testing::PdfPageCount;
using glimmerset::testing::PdfText;

class WordsPrintTest : public WordsWindowFixture {
 protected:
  void SetUp() override {
    WordsWindowFixture::SetUp();
    pdf = QDir(folder.path()).filePath(QStringLiteral("puzzle.pdf"));
    const QString target = pdf;
    printing.RunSetup = [target](QPrintDialog& dialog) {
      dialog.printer()->setOutputFileName(target);
      return int(QDialog::Accepted);
    };
    printing.RunPreview = [this](QPrintPreviewDialog&) {
      previewed.push_back(window->QRForm->Page().GridLines);
      return int(QDialog::Rejected);
    };
  }
  QString pdf;
  std::vector<std::vector<std::string>> previewed;
};

TEST_F(WordsPrintTest, ButtonAndMenuPrintThePuzzleOfThatMomentIntoTheChosenFile) {
  TWordForm& form = Open();
  LoadPuzzle(CapitalsPuzzle());
  form.PrinterSetupAction->trigger();
  EXPECT_EQ(form.QRForm->Choice().OutputFile, pdf);

  Click(form.PrintBtn);
  ASSERT_EQ(PdfPageCount(pdf), 1);
  const QString text = PdfText(pdf);
  for (const char* expected : {"P A R I S X Q", "C A I R O V B", "PARIS", "OSLO", "LIMA", "Glimmerset Created"})
    EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected;

  ASSERT_TRUE(QFile::remove(pdf));
  LoadPuzzle({{"CAT", "DOG"}, {"CAT"}});
  form.PrintAction->trigger();
  ASSERT_EQ(PdfPageCount(pdf), 1);
  EXPECT_TRUE(PdfText(pdf).contains(QStringLiteral("D O G")));
  EXPECT_FALSE(PdfText(pdf).contains(QStringLiteral("P A R I S")));
  EXPECT_TRUE(dialogs->messages.isEmpty()) << dialogs->messages.join(QStringLiteral(" | ")).toStdString();
}

TEST_F(WordsPrintTest, PreviewShowsTheWindowsGrid) {
  TWordForm& form = Open();
  LoadPuzzle({{"CAT", "DOG", "EMU"}, {"CAT"}});
  form.PrintPreviewAction->trigger();
  ASSERT_EQ(previewed.size(), 1u);
  EXPECT_EQ(previewed[0], (std::vector<std::string>{" C A T ", " D O G ", " E M U "}));
}

TEST_F(WordsPrintTest, WithoutAPrinterTheWindowSaysSo) {
  PrivateCups::PointClientAt(QDir(folder.path()).filePath(QStringLiteral("no-server.sock")));
  TWordForm& form = Open();
  LoadPuzzle(CapitalsPuzzle());
  Click(form.PrintBtn);
  ASSERT_EQ(dialogs->messages.size(), 1);
  EXPECT_TRUE(dialogs->messages[0].startsWith(QStringLiteral("No printer is set up")));
}

}  // namespace
}  // namespace glimmerset::ui::testing
