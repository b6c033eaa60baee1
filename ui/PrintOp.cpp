#include "PrintOp.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>

#include "page/PageFrame.h"
#include "page/PrintDate.h"
#include "page/PuzzlePage.h"

using namespace glimmerset;
using namespace glimmerset::ui;

namespace {

// Marks the page busy for as long as it lives.
class BusyScope {
 public:
  explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
  ~BusyScope() { busy_ = false; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  bool& busy_;
};

const QString kNoPrinter = QStringLiteral(
    "No printer is set up on this computer, so the puzzle cannot be printed.\n"
    "Add a printer in the desktop's printer settings, or choose File > Printer Setup and "
    "select \"Print to File (PDF)\" to print the page into a PDF file.");
const QString kPrinterGone = QStringLiteral(
    "The printer \"%1\" cannot be found, so the puzzle was not printed.\n"
    "Choose another printer in File > Printer Setup.");
const QString kPrintFailed = QStringLiteral(
    "The puzzle page could not be sent to %1, so nothing was printed.\n"
    "Check the printer and try again, or choose File > Printer Setup and print to a PDF file.");

}  // namespace

TQRForm::TQRForm(const PuzzleModel& model, QWidget* window, PrintDialogs dialogs)
    : QObject(window), model_(model), window_(window), dialogs_(std::move(dialogs)) {
  setObjectName(QStringLiteral("QRForm"));
  FillPrintPage();
}

void TQRForm::FillPrintPage() { page_ = page::FillPrintPage(model_); }

void TQRForm::Tell(const QString& text) {
  if (dialogs_.ShowMessage)
    dialogs_.ShowMessage(text);
  else
    QMessageBox::information(window_, QStringLiteral("Glimmerset"), text);
}

void TQRForm::PresetPrinter(QPrinter& printer) const {
  if (!choice_.OutputFile.isEmpty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(choice_.OutputFile);
  } else {
    printer.setOutputFormat(QPrinter::NativeFormat);
    const QString name = choice_.PrinterName.isEmpty() ? QPrinterInfo::defaultPrinterName() : choice_.PrinterName;
    if (!name.isEmpty()) printer.setPrinterName(name);
  }
  printer.setCopyCount(choice_.Copies);
  if (choice_.ColourMode) printer.setColorMode(*choice_.ColourMode);
  page::SetUpA4Page(printer, choice_.Orientation);
  if (choice_.FirstPage == 0) {
    printer.setPrintRange(QPrinter::AllPages);
  } else {
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(choice_.FirstPage, choice_.LastPage);
  }
}

bool TQRForm::PreparePrinter(QPrinter& printer, bool needPrinter) {
  PresetPrinter(printer);
  if (!choice_.OutputFile.isEmpty()) return true;
  const QString name = printer.printerName();
  const bool available = !name.isEmpty() && !QPrinterInfo::printerInfo(name).isNull();
  if (available) return true;
  if (!needPrinter) {
    // The preview needs no printer: it shows the page as it would print on A4 paper.
    printer.setOutputFormat(QPrinter::PdfFormat);
    page::SetUpA4Page(printer, choice_.Orientation);
    return true;
  }
  Tell(choice_.PrinterName.isEmpty() ? kNoPrinter : kPrinterGone.arg(choice_.PrinterName));
  return false;
}

bool TQRForm::PaintPage(QPrinter& printer) {
  const QDateTime now = dialogs_.Now ? dialogs_.Now() : QDateTime::currentDateTime();
  return page::PaintPuzzlePages(printer, {page_}, page::PrintDateText(now));
}

void TQRForm::PrintClick() {
  FillPrintPage();
  if (busy_) return;
  BusyScope busy(busy_);
  QPrinter printer(QPrinter::HighResolution);
  if (!PreparePrinter(printer, true)) return;

  QProgressDialog progress(QStringLiteral("Printing the puzzle page..."), QString(), 0, 1, window_);
  progress.setWindowTitle(QStringLiteral("Glimmerset"));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  progress.setValue(0);
  const bool printed = PaintPage(printer);
  progress.setValue(1);
  if (!printed) {
    const QString target = choice_.OutputFile.isEmpty() ? QStringLiteral("the printer \"%1\"").arg(printer.printerName())
                                                        : QStringLiteral("the file \"%1\"").arg(choice_.OutputFile);
    Tell(kPrintFailed.arg(target));
  }
}

void TQRForm::PrintPreview1Click() {
  FillPrintPage();
  if (busy_) return;
  BusyScope busy(busy_);
  QPrinter printer(QPrinter::HighResolution);
  PreparePrinter(printer, false);
  QPrintPreviewDialog preview(&printer, window_);
  preview.setWindowTitle(QStringLiteral("Print Preview"));
  connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [this](QPrinter* target) { PaintPage(*target); });
  if (dialogs_.RunPreview)
    dialogs_.RunPreview(preview);
  else
    preview.exec();
}

void TQRForm::PrinterSetup1Click() {
  QPrinter printer(QPrinter::HighResolution);
  PresetPrinter(printer);
  QPrintDialog dialog(&printer, window_);
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                    QAbstractPrintDialog::PrintShowPageSize);
  dialog.setMinMax(1, 1);
  dialog.setWindowTitle(QStringLiteral("Printer Setup"));
  // The dialog only chooses: its button stores the choice and prints nothing yet.
  if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
    if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
  const int answer = dialogs_.RunSetup ? dialogs_.RunSetup(dialog) : dialog.exec();
  if (answer != QDialog::Accepted) return;

  const bool toFile = printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
  choice_.OutputFile = toFile ? printer.outputFileName() : QString();
  choice_.PrinterName = toFile ? QString() : printer.printerName();
  choice_.Copies = printer.copyCount();
  choice_.Orientation = printer.pageLayout().orientation();
  choice_.ColourMode = printer.colorMode();
  if (printer.printRange() == QPrinter::PageRange) {
    choice_.FirstPage = printer.fromPage();
    choice_.LastPage = printer.toPage();
  } else {
    choice_.FirstPage = 0;
    choice_.LastPage = 0;
  }
}
