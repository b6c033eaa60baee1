// The printed page's three commands: Print on a real CUPS queue and into a PDF file, Preview,
// Printer Setup with OK and Cancel, nothing while busy, clear messages without a printer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QWidget>

#include "PrivateCups.h"
#include "tests/page/PdfProbe.h"
#include "ui/PrintOp.h"

using namespace glimmerset;
using namespace glimmerset::ui;
using namespace glimmerset::testing;
using glimmerset::ui::testing::PrivateCups;

namespace {

void SetGrid(PuzzleModel& model, const std::vector<std::string>& rows) {
  model.Grid.SetSize(static_cast<int>(rows.size()), static_cast<int>(rows.front().size()));
  for (int r = 0; r < model.Grid.RowCount(); ++r)
    for (int c = 0; c < model.Grid.ColCount(); ++c)
      model.Grid.SetText(c, r, std::string(1, rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
  model.GridPresent = true;
}

void SetAnswers(PuzzleModel& model, const std::vector<std::string>& answers) {
  model.Answers.clear();
  for (const std::string& answer : answers) model.Answers.push_back({answer, std::nullopt});
  model.AnswerCount = static_cast<int>(answers.size());
}

class PrintCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    SetGrid(model, {"CAT", "DOG", "EMU"});
    SetAnswers(model, {"CAT", "DOG", "EMU"});
    dialogs.ShowMessage = [this](const QString& text) { messages << text; };
    dialogs.Now = [] { return QDateTime(QDate(2026, 12, 10), QTime(13, 25, 46)); };
    dialogs.RunSetup = [this](QPrintDialog& dialog) { return setup ? setup(dialog) : int(QDialog::Rejected); };
    dialogs.RunPreview = [this](QPrintPreviewDialog& dialog) { return preview ? preview(dialog) : int(QDialog::Rejected); };
  }
  TQRForm& Form() {
    if (!form) form = std::make_unique<TQRForm>(model, &window, dialogs);
    return *form;
  }
  // Printer Setup answered OK after choosing to print into a PDF file.
  void ChoosePdfFile(const QString& path) {
    setup = [path](QPrintDialog& dialog) {
      dialog.printer()->setOutputFileName(path);
      return int(QDialog::Accepted);
    };
    Form().PrinterSetup1Click();
  }

  PuzzleModel model;
  QWidget window;
  PrintDialogs dialogs;
  // What the Printer Setup dialog and the preview do when they are shown.
  std::function<int(QPrintDialog&)> setup;
  std::function<int(QPrintPreviewDialog&)> preview;
  std::unique_ptr<TQRForm> form;
  QStringList messages;
  QTemporaryDir dir;
};

}  // namespace

TEST_F(PrintCommands, PrintGoesThroughCupsAsOneA4PdfPage) {
  PrivateCups cups;
  if (!cups.Start()) GTEST_SKIP() << "A private CUPS print system could not be started: " << cups.Error().toStdString();

  Form().PrintClick();  // no Printer Setup: the system's default printer
  EXPECT_TRUE(messages.isEmpty()) << messages.join(QStringLiteral(" | ")).toStdString();
  const QStringList jobs = cups.WaitForJobs(1);
  ASSERT_EQ(jobs.size(), 1) << "the queue received no job";

  QFile job(jobs[0]);
  ASSERT_TRUE(job.open(QIODevice::ReadOnly));
  EXPECT_TRUE(job.read(5).startsWith("%PDF-"));
  EXPECT_EQ(PdfPageCount(jobs[0]), 1);
  const QSizeF size = PdfPageSize(jobs[0]);
  EXPECT_NEAR(size.width(), 595, 1);
  EXPECT_NEAR(size.height(), 842, 1);
  const QString text = PdfText(jobs[0]);
  for (const char* expected : {"Glimmerset by Marlock-Solutions", "C A T", "D O G", "E M U", "Glimmerset Created",
                               "Find every word hidden in the grid"})
    EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected << "\n" << text.toStdString();
  const std::vector<PdfWord> words = PdfWords(jobs[0]);
  // The answers, centred in the first column, whose left edge is the widest answer's.
  double left = 1e9, centre = -1;
  for (const char* answer : {"CAT", "DOG", "EMU"}) {
    const auto found = WordsReading(words, QString::fromLatin1(answer));
    ASSERT_EQ(found.size(), 1u) << answer;
    left = std::min(left, found[0].Left);
    if (centre < 0) centre = (found[0].Left + found[0].Right) / 2;
    EXPECT_NEAR((found[0].Left + found[0].Right) / 2, centre, 0.6) << answer;
  }
  EXPECT_NEAR(left, MmToPoints(10 + 13.2), 1.0);
}

TEST_F(PrintCommands, PrinterSetupChoosesTheQueueCopiesAndRangeForPrint) {
  PrivateCups cups;
  if (!cups.Start()) GTEST_SKIP() << "A private CUPS print system could not be started: " << cups.Error().toStdString();

  setup = [](QPrintDialog& dialog) {
    EXPECT_EQ(dialog.printer()->printerName(), QString::fromLatin1(PrivateCups::kQueue));  // preset: the default printer
    EXPECT_EQ(dialog.printer()->copyCount(), 1);
    dialog.printer()->setCopyCount(2);
    dialog.printer()->setPageOrientation(QPageLayout::Landscape);
    dialog.printer()->setPrintRange(QPrinter::AllPages);
    dialog.printer()->setColorMode(QPrinter::Color);
    return int(QDialog::Accepted);
  };
  Form().PrinterSetup1Click();
  EXPECT_EQ(Form().Choice().PrinterName, QString::fromLatin1(PrivateCups::kQueue));
  EXPECT_EQ(Form().Choice().ColourMode, QPrinter::Color);
  EXPECT_EQ(Form().Choice().Copies, 2);
  EXPECT_EQ(Form().Choice().Orientation, QPageLayout::Landscape);
  EXPECT_EQ(Form().Choice().FirstPage, 0);
  EXPECT_EQ(Form().Choice().LastPage, 0);

  Form().PrintClick();
  const QStringList jobs = cups.WaitForJobs(1);
  ASSERT_EQ(jobs.size(), 1);
  const QSizeF size = PdfPageSize(jobs[0]);
  EXPECT_NEAR(size.width(), 842, 1);  // the page turned as chosen
  EXPECT_NEAR(size.height(), 595, 1);
  // In colour as chosen, though the queue's own default is monochrome: the pictures keep their colours.
  EXPECT_TRUE(RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), jobs[0]}).contains(QStringLiteral(" rgb ")));
}

TEST_F(PrintCommands, PrinterSetupToAPdfFileThenPrintWritesThePage) {
  const QString path = dir.filePath(QStringLiteral("puzzle.pdf"));
  ChoosePdfFile(path);
  EXPECT_EQ(Form().Choice().OutputFile, path);
  Form().PrintClick();
  EXPECT_TRUE(messages.isEmpty()) << messages.join(QStringLiteral(" | ")).toStdString();
  EXPECT_EQ(PdfPageCount(path), 1);
  EXPECT_TRUE(PdfText(path).contains(QStringLiteral("C A T")));
}

TEST_F(PrintCommands, PrinterSetupCancelledChangesNothing) {
  setup = [](QPrintDialog& dialog) {
    dialog.printer()->setOutputFileName(QStringLiteral("/tmp/never.pdf"));
    dialog.printer()->setCopyCount(5);
    dialog.printer()->setPageOrientation(QPageLayout::Landscape);
    dialog.printer()->setPrintRange(QPrinter::AllPages);
    return int(QDialog::Rejected);
  };
  Form().PrinterSetup1Click();
  const PrinterChoice& kept = Form().Choice();
  EXPECT_TRUE(kept.OutputFile.isEmpty());
  EXPECT_TRUE(kept.PrinterName.isEmpty());
  EXPECT_EQ(kept.Copies, 1);
  EXPECT_EQ(kept.Orientation, QPageLayout::Portrait);
  EXPECT_EQ(kept.FirstPage, 1);
  EXPECT_EQ(kept.LastPage, 1);

  // A range chosen on OK is kept; a later Cancel keeps it too.
  setup = [](QPrintDialog& dialog) {
    dialog.printer()->setPrintRange(QPrinter::PageRange);
    dialog.printer()->setFromTo(1, 1);
    dialog.printer()->setCopyCount(3);
    return int(QDialog::Accepted);
  };
  Form().PrinterSetup1Click();
  setup = [](QPrintDialog& dialog) {
    EXPECT_EQ(dialog.printer()->copyCount(), 3);  // preset with what was kept
    dialog.printer()->setCopyCount(9);
    return int(QDialog::Rejected);
  };
  Form().PrinterSetup1Click();
  EXPECT_EQ(Form().Choice().Copies, 3);
  EXPECT_EQ(Form().Choice().FirstPage, 1);
  EXPECT_EQ(Form().Choice().LastPage, 1);
}

TEST_F(PrintCommands, PrinterSetupDoesNotFillThePage) {
  Form();
  SetGrid(model, {"XYZ"});
  setup = [](QPrintDialog&) { return int(QDialog::Accepted); };
  form->PrinterSetup1Click();
  EXPECT_EQ(Form().Page().GridLines.front(), " C A T ");
}

TEST_F(PrintCommands, PreviewShowsTheOnePageAndTheLatestPuzzle) {
  std::vector<QImage> shown;
  int pages = 0;
  preview = [&](QPrintPreviewDialog& preview) {
    auto* widget = preview.findChild<QPrintPreviewWidget*>();
    EXPECT_NE(widget, nullptr);
    if (!widget) return int(QDialog::Rejected);
    preview.resize(600, 800);
    preview.show();
    widget->updatePreview();
    QApplication::processEvents();
    pages = widget->pageCount();
    shown.push_back(widget->grab().toImage());
    preview.close();
    return int(QDialog::Rejected);
  };
  Form().PrintPreview1Click();
  EXPECT_EQ(pages, 1);
  Form().PrintPreview1Click();
  SetGrid(model, {"DOG", "CAT", "EMU"});
  Form().PrintPreview1Click();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0], shown[1]);  // twice in a row: the same page
  EXPECT_NE(shown[1], shown[2]);  // the changed grid
  EXPECT_EQ(Form().Page().GridLines.front(), " D O G ");
  EXPECT_FALSE(Form().Busy());
}

TEST_F(PrintCommands, PrintAndPreviewDoNothingWhileThePageIsBusy) {
  const QString path = dir.filePath(QStringLiteral("busy.pdf"));
  ChoosePdfFile(path);
  int previews = 0;
  preview = [&](QPrintPreviewDialog&) {
    ++previews;
    EXPECT_TRUE(form->Busy());
    form->PrintClick();          // the page is still being shown: nothing happens
    form->PrintPreview1Click();  // no second preview either
    return int(QDialog::Rejected);
  };
  Form().PrintPreview1Click();
  EXPECT_EQ(previews, 1);
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_FALSE(Form().Busy());
}

TEST_F(PrintCommands, WithoutAPrinterPrintSaysWhatToDoAndPreviewStillWorks) {
  PrivateCups::PointClientAt(dir.filePath(QStringLiteral("no-server.sock")));  // a print system with no printer at all
  Form().PrintClick();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QStringLiteral("No printer is set up")));
  EXPECT_TRUE(messages[0].contains(QStringLiteral("Printer Setup")));

  int pages = -1;
  preview = [&](QPrintPreviewDialog& preview) {
    auto* widget = preview.findChild<QPrintPreviewWidget*>();
    widget->updatePreview();
    pages = widget->pageCount();
    return int(QDialog::Rejected);
  };
  Form().PrintPreview1Click();
  EXPECT_EQ(pages, 1);
}

TEST_F(PrintCommands, APrinterRemovedAfterPrinterSetupIsReported) {
  PrivateCups cups;
  if (!cups.Start()) GTEST_SKIP() << "A private CUPS print system could not be started: " << cups.Error().toStdString();
  setup = [](QPrintDialog&) { return int(QDialog::Accepted); };
  Form().PrinterSetup1Click();
  ASSERT_EQ(Form().Choice().PrinterName, QString::fromLatin1(PrivateCups::kQueue));
  ASSERT_TRUE(cups.RemoveQueue());

  Form().PrintClick();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QStringLiteral("\"%1\" cannot be found").arg(QString::fromLatin1(PrivateCups::kQueue))))
      << messages[0].toStdString();
  EXPECT_TRUE(cups.KeptJobs().isEmpty());
}

TEST_F(PrintCommands, AFileThatCannotBeWrittenIsReportedNotPrinted) {
  const QString unwritable = dir.filePath(QStringLiteral("no-such-folder/puzzle.pdf"));
  ChoosePdfFile(unwritable);
  Form().PrintClick();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QStringLiteral("could not be sent to the file"))) << messages[0].toStdString();
  EXPECT_FALSE(QFile::exists(unwritable));
}
