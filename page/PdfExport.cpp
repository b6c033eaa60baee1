#include "PdfExport.h"

#include <QBuffer>
#include <QPdfWriter>

#include "AnswerKeyPage.h"
#include "PageFrame.h"
#include "core/CommandError.h"
#include "files/SafeFile.h"

namespace glimmerset::page {

namespace {

[[noreturn]] void CannotCreate(const QString& fileName) {
  throw CommandError("Cannot create file " + fileName.toStdString());
}

QByteArray MakePdf(const QString& title, const std::vector<PagePainting>& pages) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setResolution(1200);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Glimmerset"));
    SetUpA4Page(pdf);
    if (!PaintPages(pdf, pages)) return {};
  }
  return buffer.data();
}

}  // namespace

void WritePdf(const QString& fileName, const std::vector<PagePainting>& pages) {
  const QByteArray document = MakePdf(QStringLiteral("Glimmerset"), pages);
  if (document.isEmpty()) CannotCreate(fileName);
  ReplaceFile(fileName, std::string_view(document.constData(), static_cast<std::size_t>(document.size())));
}

std::vector<PagePainting> PuzzleAndKeyPages(const PrintPageText& puzzle, const AnswerKeyText& key, const QString& dateText) {
  return {[&puzzle, dateText](QPainter& painter, const PageFrame& frame) { PaintPuzzlePage(painter, frame, puzzle, dateText); },
          [&key, dateText](QPainter& painter, const PageFrame& frame) { PaintAnswerKeyPage(painter, frame, key, dateText); }};
}

}  // namespace glimmerset::page
