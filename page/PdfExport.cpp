#include "PdfExport.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QSaveFile>

#include "AnswerKeyPage.h"
#include "PageFrame.h"
#include "core/CommandError.h"

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
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) CannotCreate(fileName);
  if (file.write(document) != document.size() || !file.flush() || file.error() != QFileDevice::NoError) {
    file.cancelWriting();
    CannotCreate(fileName);
  }
  if (!file.commit()) CannotCreate(fileName);
}

std::vector<PagePainting> PuzzleAndKeyPages(const PrintPageText& puzzle, const AnswerKeyText& key, const QString& dateText) {
  return {[&puzzle, dateText](QPainter& painter, const PageFrame& frame) { PaintPuzzlePage(painter, frame, puzzle, dateText); },
          [&key, dateText](QPainter& painter, const PageFrame& frame) { PaintAnswerKeyPage(painter, frame, key, dateText); }};
}

}  // namespace glimmerset::page
