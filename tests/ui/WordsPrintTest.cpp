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
using glimmerset::testing::PdfPageText;
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

// The page text without the footer's line, whose time of printing differs from run to run.
QString WithoutFooter(const QString& text) {
  QStringList lines = text.split(QLatin1Char('\n'));
  lines.removeIf([](const QString& line) { return line.contains(QStringLiteral("Glimmerset Created")); });
  return lines.join(QLatin1Char('\n'));
}

TEST_F(WordsPrintTest, ExportPdfWritesThePageAsPrintMakesItAndThenItsKey) {
  TWordForm& form = Open();
  LoadPuzzle(CapitalsPuzzle());
  form.PrinterSetupAction->trigger();
  Click(form.PrintBtn);  // the page as Print makes it, for comparison
  ASSERT_EQ(PdfPageCount(pdf), 1);

  const QString exported = QDir(folder.path()).filePath(QStringLiteral("export.pdf"));
  dialogs->files.push_back(exported);
  form.ExportPdfAction->trigger();
  ASSERT_EQ(PdfPageCount(exported), 2);
  EXPECT_EQ(WithoutFooter(PdfPageText(exported, 1)), WithoutFooter(PdfPageText(pdf, 1)));
  const QString key = PdfPageText(exported, 2);
  EXPECT_TRUE(key.contains(QStringLiteral("Answer Key")));
  EXPECT_TRUE(key.contains(QStringLiteral("BERN (missing)")));  // not in the grid
  EXPECT_TRUE(key.contains(QStringLiteral("PARIS")));
  ASSERT_FALSE(dialogs->requests.empty());
  EXPECT_EQ(dialogs->requests.back().DefaultSuffix, QStringLiteral("pdf"));
  EXPECT_TRUE(dialogs->requests.back().Filter.contains(QStringLiteral("*.pdf")));
  EXPECT_TRUE(dialogs->messages.isEmpty()) << dialogs->messages.join(QStringLiteral(" | ")).toStdString();

  // Cancelled: nothing written, nothing said.
  ASSERT_TRUE(QFile::remove(exported));
  dialogs->files.push_back(std::nullopt);
  form.ExportPdfAction->trigger();
  EXPECT_FALSE(QFile::exists(exported));
  EXPECT_TRUE(dialogs->messages.isEmpty());

  // A file that cannot be made: the message of the puzzle files.
  dialogs->files.push_back(folder.path());
  form.ExportPdfAction->trigger();
  ASSERT_EQ(dialogs->messages.size(), 1);
  EXPECT_EQ(dialogs->messages[0], QStringLiteral("Cannot create file ") + folder.path());
}

}  // namespace
}  // namespace glimmerset::ui::testing
