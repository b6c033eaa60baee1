// TWordForm: Print, Print Preview and Printer Setup through the printed page, and the export of
// the puzzle page with its answer key into a PDF file.
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "page/AnswerKeyPage.h"
#include "page/PdfExport.h"
#include "page/PrintDate.h"
#include "words.h"

using namespace glimmerset;
using namespace glimmerset::ui;

void TWordForm::PrintClick() { RunCommand([this] { QRForm->PrintClick(); }, false); }

void TWordForm::PrintPreview1Click() { RunCommand([this] { QRForm->PrintPreview1Click(); }, false); }

void TWordForm::PrinterSetup1Click() { RunCommand([this] { QRForm->PrinterSetup1Click(); }, false); }

void TWordForm::ExportPdfClick() {
  RunCommand(
      [this] {
        FileRequest request;
        request.Title = QStringLiteral("Export PDF");
        request.Folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        request.Filter = QStringLiteral("PDF files (*.pdf);;All files (*)");
        request.DefaultSuffix = QStringLiteral("pdf");
        const QString grid = QFileInfo(settings_.GridFileName).completeBaseName();
        request.FileName = (grid.isEmpty() ? QStringLiteral("Glimmerset") : grid) + QStringLiteral(".pdf");
        request.ConfirmOverwrite = true;
        const std::optional<QString> file = dialogs_->SaveFile(this, request);
        if (!file) return;
        QRForm->FillPrintPage();
        const page::AnswerKeyText key = page::MakeAnswerKey(Model());
        page::WritePdf(*file, page::PuzzleAndKeyPages(QRForm->Page(), key, page::PrintDateText(QDateTime::currentDateTime())));
      },
      false);
}
