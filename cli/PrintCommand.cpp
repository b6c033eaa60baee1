// glimmerset-cli print: the printed page of each pair, as the window prints it, into one PDF file
// or on a printer; with --key the answer keys follow, all puzzles first, then all keys.
#include <QCommandLineParser>
#include <QDateTime>
#include <QPrinter>
#include <QPrinterInfo>
#include <list>

#include "CliSupport.h"
#include "core/CommandError.h"
#include "Commands.h"
#include "page/AnswerKeyPage.h"
#include "page/PdfExport.h"
#include "page/PrintDate.h"
#include "page/PuzzlePage.h"

namespace glimmerset::cli {

namespace {

struct PrintedPair {
  page::PrintPageText Puzzle;
  page::AnswerKeyText Key;
};

std::vector<page::PagePainting> Pages(const std::list<PrintedPair>& pairs, bool withKeys, const QString& date) {
  std::vector<page::PagePainting> pages;
  for (const PrintedPair& pair : pairs)
    pages.push_back([&pair, date](QPainter& painter, const page::PageFrame& frame) { page::PaintPuzzlePage(painter, frame, pair.Puzzle, date); });
  if (withKeys)
    for (const PrintedPair& pair : pairs)
      pages.push_back([&pair, date](QPainter& painter, const page::PageFrame& frame) { page::PaintAnswerKeyPage(painter, frame, pair.Key, date); });
  return pages;
}

void PrintOnPrinter(const QString& queue, const std::vector<page::PagePainting>& pages) {
  if (QPrinterInfo::printerInfo(queue).isNull())
    throw UsageError{QStringLiteral("The printer \"%1\" cannot be found: name one of the print system's queues (lpstat -p lists them)").arg(queue)};
  QPrinter printer(QPrinter::HighResolution);
  printer.setPrinterName(queue);
  printer.setDocName(QStringLiteral("Glimmerset"));
  page::SetUpA4Page(printer);
  if (!page::PaintPages(printer, pages)) throw CommandError("The pages could not be sent to the printer \"" + queue.toStdString() + "\"");
}

}  // namespace

int RunPrint(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.addPositionalArgument(QStringLiteral("PAIR..."), QStringLiteral("Puzzle pairs: NAME (or NAME.glm) with NAME.ans beside it."));
  const QCommandLineOption pdf(QStringLiteral("pdf"), QStringLiteral("Writes the pages into this PDF file."), QStringLiteral("OUT.pdf"));
  const QCommandLineOption printerOption(QStringLiteral("printer"), QStringLiteral("Prints the pages on this print queue."),
                                         QStringLiteral("QUEUE"));
  const QCommandLineOption key(QStringLiteral("key"), QStringLiteral("Adds each puzzle's answer key, after all the puzzles."));
  parser.addOptions({pdf, printerOption, key});
  if (!ParseOrHelp(parser, arguments, QStringLiteral("Prints the page of each puzzle pair as the window prints it.")))
    return kDone;
  const QStringList pairs = parser.positionalArguments();
  if (pairs.isEmpty()) throw UsageError{QStringLiteral("print takes at least one puzzle pair (see --help)")};
  if (parser.isSet(pdf) == parser.isSet(printerOption)) throw UsageError{QStringLiteral("print takes either --pdf OUT.pdf or --printer QUEUE")};

  std::list<PrintedPair> printed;  // a list: the pages refer to its elements
  {
    Progress progress(QStringLiteral("Reading"), static_cast<int>(pairs.size()));
    for (const QString& pair : pairs) {
      LoadedPuzzle puzzle;
      LoadPair(puzzle, GridFileOf(pair), AnswerFileOf(pair));
      printed.push_back({page::FillPrintPage(puzzle.Puzzle.Model),
                         parser.isSet(key) ? page::MakeAnswerKey(puzzle.Puzzle.Model) : page::AnswerKeyText{}});
      progress.Step();
    }
  }
  const std::vector<page::PagePainting> pages = Pages(printed, parser.isSet(key), page::PrintDateText(QDateTime::currentDateTime()));
  if (parser.isSet(pdf))
    page::WritePdf(parser.value(pdf), pages);
  else
    PrintOnPrinter(parser.value(printerOption), pages);
  return kDone;
}

}  // namespace glimmerset::cli
