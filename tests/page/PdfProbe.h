#pragma once
// PdfProbe: reads back a PDF the program wrote, through poppler's command-line tools: its page
// count and sizes, its text, and where each word stands on the page (in points).

#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <vector>

namespace glimmerset::testing {

struct PdfWord {
  QString Text;
  double Left, Top, Right, Bottom;  // points from the page's top left corner
  int Page;                         // from 1
};

inline QString RunTool(const QString& program, const QStringList& arguments) {
  QProcess tool;
  tool.start(program, arguments);
  if (!tool.waitForFinished(60000) || tool.exitCode() != 0) return {};
  return QString::fromUtf8(tool.readAllStandardOutput());
}

inline int PdfPageCount(const QString& path) {
  const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(RunTool(QStringLiteral("pdfinfo"), {path}));
  return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The size of one page in points, as pdfinfo reports it.
inline QSizeF PdfPageSize(const QString& path, int page = 1) {
  const QString info = RunTool(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                                           QString::number(page), path});
  const auto match = QRegularExpression(QStringLiteral("size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
  return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()) : QSizeF();
}

inline QString PdfText(const QString& path) {
  return RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
}

// The text of one page (from 1).
inline QString PdfPageText(const QString& path, int page) {
  return RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                                QString::number(page), path, QStringLiteral("-")});
}

inline std::vector<PdfWord> PdfWords(const QString& path) {
  const QString html = RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
  std::vector<PdfWord> words;
  int page = 0;
  static const QRegularExpression item(QStringLiteral(
      "<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
  for (auto it = item.globalMatch(html); it.hasNext();) {
    const auto match = it.next();
    if (match.captured(0).startsWith(QStringLiteral("<page"))) {
      ++page;
      continue;
    }
    words.push_back({match.captured(5), match.captured(1).toDouble(), match.captured(2).toDouble(), match.captured(3).toDouble(),
                     match.captured(4).toDouble(), page});
  }
  return words;
}

// The words of the PDF that read exactly the text, in reading order.
inline std::vector<PdfWord> WordsReading(const std::vector<PdfWord>& words, const QString& text) {
  std::vector<PdfWord> found;
  for (const PdfWord& word : words)
    if (word.Text == text) found.push_back(word);
  return found;
}

inline double MmToPoints(double mm) { return mm * 72.0 / 25.4; }

}  // namespace glimmerset::testing
