// The printed page painted into a PDF file and read back: one A4 page, every item where the
// page layout puts it, large grids and long lists shrunk to fit and printed whole.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <algorithm>

#include "tests/page/PageTestSupport.h"
#include "page/PageLayout.h"
#include "page/PuzzlePage.h"
#include "tests/page/PdfProbe.h"

using namespace glimmerset;
using namespace glimmerset::page;
using namespace glimmerset::testing;

namespace {

// A square grid whose letters run through the alphabet, so every row differs.
LetterGrid AlphabetGrid(int size) {
  std::vector<std::string> rows;
  for (int r = 0; r < size; ++r) {
    std::string row;
    for (int c = 0; c < size; ++c) row += static_cast<char>('A' + (r * 7 + c) % 26);
    rows.push_back(row);
  }
  return GridOf(rows);
}

std::vector<AnswerLine> Numbered(int count) {
  std::vector<AnswerLine> lines;
  for (int i = 1; i <= count; ++i) lines.push_back({(i < 10 ? "WORD0" : "WORD") + std::to_string(i), std::nullopt});
  return lines;
}

class PuzzlePage : public ::testing::Test {
 protected:
  QString Write(const PrintPageText& text, QPageLayout::Orientation orientation = QPageLayout::Portrait) {
    const QString path = dir.filePath(QStringLiteral("page%1.pdf").arg(++written));
    QPdfWriter pdf(path);
    pdf.setResolution(1200);
    SetUpA4Page(pdf, orientation);
    EXPECT_TRUE(PaintPuzzlePages(pdf, {text}, QStringLiteral("12/10/26 1:25:46 PM")));
    return path;
  }
  static double Pt(double mm) { return MmToPoints(mm); }
  static PdfWord Only(const std::vector<PdfWord>& words, const QString& text) {
    const auto found = WordsReading(words, text);
    EXPECT_EQ(found.size(), 1u) << text.toStdString();
    return found.empty() ? PdfWord{} : found.front();
  }

  QTemporaryDir dir;
  int written = 0;
};

}  // namespace

TEST_F(PuzzlePage, OneA4PortraitPage) {
  const QString path = Write(FillPrintPage(GridOf({"CAT", "DOG", "EMU"}), Numbered(3)));
  EXPECT_EQ(PdfPageCount(path), 1);
  const QSizeF size = PdfPageSize(path);
  EXPECT_NEAR(size.width(), 595, 1);
  EXPECT_NEAR(size.height(), 842, 1);
}

TEST_F(PuzzlePage, EveryItemStandsWhereTheLayoutPutsIt) {
  using namespace layout;
  const QString path = Write(FillPrintPage(GridOf({"CAT", "DOG", "EMU"}), Numbered(35)));
  const std::vector<PdfWord> words = PdfWords(path);
  const double bodyLeft = kMarginLeft, bandCentre = kMarginLeft + kBandWidth / 2;

  // Title: centred across the band inside its 12.8 mm box.
  const auto glimmersets = WordsReading(words, QStringLiteral("Glimmerset"));  // the title's, then the footer's
  ASSERT_EQ(glimmersets.size(), 2u);
  const PdfWord first = glimmersets[0], last = Only(words, QStringLiteral("Marlock-Solutions"));
  EXPECT_NEAR((first.Left + last.Right) / 2, Pt(bandCentre), 2.0);
  EXPECT_GE(first.Left, Pt(bodyLeft + kLeftPicture.Left + kLeftPicture.Width));  // between the two pictures
  EXPECT_LE(last.Right, Pt(bodyLeft + kRightPicture.Left));
  EXPECT_GE(first.Top, Pt(kMarginTop + kTitleTop) - 3);
  EXPECT_LE(first.Bottom, Pt(kMarginTop + kTitleTop + kTitleHeight) + 3);

  // Grid: rows 7.5 mm apart, letters one 18 pt Courier cell pair apart, centred across the band.
  const PdfWord c = Only(words, QStringLiteral("C")), a = Only(words, QStringLiteral("A")), t = Only(words, QStringLiteral("T"));
  const PdfWord d = Only(words, QStringLiteral("D")), e = Only(words, QStringLiteral("E"));
  EXPECT_NEAR(d.Top - c.Top, Pt(7.5), 0.2);
  EXPECT_NEAR(e.Top - d.Top, Pt(7.5), 0.2);
  EXPECT_NEAR(a.Left - c.Left, 2 * 0.6 * 18, 0.3);
  EXPECT_NEAR((c.Left + t.Right) / 2, Pt(bandCentre), 1.0);
  EXPECT_GT(c.Top, Pt(kMarginTop + kGridBandTop + kGridTop));
  EXPECT_LT(c.Bottom, Pt(kMarginTop + kGridBandTop + kGridTop + 7.5));

  // Answer columns: 11, 10, 10 and 10 lines from their left edges, eleven lines in 45.9 mm.
  const char* firsts[4] = {"WORD01", "WORD12", "WORD22", "WORD32"};
  for (std::size_t column = 0; column < 4; ++column) {
    SCOPED_TRACE(firsts[column]);
    const PdfWord word = Only(words, QString::fromLatin1(firsts[column]));
    EXPECT_NEAR(word.Left, Pt(bodyLeft + kAnswerLefts[column]), 1.0);
    EXPECT_GE(word.Top, Pt(kMarginTop + kGridBandTop + kAnswersTop) - 0.5);
    EXPECT_LE(word.Bottom, Pt(kMarginTop + kGridBandTop + kAnswersTop + kAnswersHeight / 11) + 0.5);
  }
  EXPECT_NEAR(Only(words, QStringLiteral("WORD11")).Top - Only(words, QStringLiteral("WORD01")).Top, Pt(10 * kAnswersHeight / 11), 0.2);
  EXPECT_NEAR(Only(words, QStringLiteral("WORD35")).Top - Only(words, QStringLiteral("WORD32")).Top, Pt(3 * kAnswersHeight / 11), 0.2);

  // Footer: the label, the date and the note, at the bottom of the page.
  const PdfWord created = Only(words, QStringLiteral("Created"));
  EXPECT_NEAR(Only(words, QStringLiteral("12/10/26")).Left, Pt(bodyLeft + kDateLeft), 1.0);
  EXPECT_NEAR(Only(words, QStringLiteral("Find")).Left, Pt(bodyLeft + kNoteLeft), 1.0);
  EXPECT_NEAR(created.Top, Pt(kMarginTop + kFooterTop + kCreatedTop), 1.5);
  EXPECT_LT(created.Bottom, Pt(kPaperHeight - kMarginBottom));
  EXPECT_NEAR(glimmersets[1].Left, Pt(bodyLeft + kCreatedLeft), 1.0);
}

TEST_F(PuzzlePage, TitlePicturesTitleAndFrameArePaintedInTheirBoxes) {
  using namespace layout;
  constexpr double kPxPerMm = 8;
  QImage sheet(int(kBandWidth * kPxPerMm), int(kBodyHeight * kPxPerMm), QImage::Format_RGB32);
  sheet.fill(Qt::white);
  {
    QPainter painter(&sheet);
    PaintPuzzlePage(painter, PageFrame(kPxPerMm, kBandWidth, kBodyHeight), FillPrintPage(GridOf({"CAT", "DOG", "EMU"}), {}),
                    QStringLiteral("date"));
  }
  // How much of a box (in millimetres) is not white, and how much of it is blue title ink.
  const auto inked = [&](BoxMm box, bool blueOnly) {
    int count = 0, all = 0;
    for (int y = int(box.Top * kPxPerMm); y < int((box.Top + box.Height) * kPxPerMm); ++y)
      for (int x = int(box.Left * kPxPerMm); x < int((box.Left + box.Width) * kPxPerMm); ++x, ++all) {
        const QColor c = sheet.pixelColor(x, y);
        count += blueOnly ? (c.blue() > 150 && c.red() < 100 && c.green() < 100) : (c != QColor(Qt::white));
      }
    return double(count) / all;
  };
  EXPECT_GT(inked(kLeftPicture, false), 0.2);
  EXPECT_GT(inked(kRightPicture, false), 0.2);
  EXPECT_GT(inked({40, kTitleTop, 110, kTitleHeight}, true), 0.01);
  EXPECT_EQ(inked({0, kTitleBandHeight - 2, kBandWidth, 2}, false), 0.0);  // the band's foot is blank
  // The grid block's frame: about 0.9 mm of black on its left edge.
  const GridBlockLayout block = LayoutGridBlock(FillPrintPage(GridOf({"CAT", "DOG", "EMU"}), {}).GridLines, sheet);
  const double frameLeft = block.LeftMm - kGridFrameMm / 2;
  EXPECT_GT(inked({frameLeft + 0.1, kGridBandTop + kGridTop + 5, kGridFrameMm - 0.2, 10}, false), 0.95);
  EXPECT_EQ(inked({frameLeft - 1.0, kGridBandTop + kGridTop + 5, 0.8, 10}, false), 0.0);
}

TEST_F(PuzzlePage, GridThatFitsKeepsItsSizeAndALargeOneShrinksJustEnough) {
  QPdfWriter device(dir.filePath(QStringLiteral("probe.pdf")));
  device.setResolution(1200);
  struct Case {
    int rows, cols;
    bool shrinks;
  };
  for (const Case& c : {Case{3, 3, false}, Case{20, 22, false}, Case{22, 24, false}, Case{23, 10, true}, Case{10, 25, true},
                        Case{10, 40, true},
                        Case{40, 40, true}}) {
    SCOPED_TRACE(std::to_string(c.rows) + " by " + std::to_string(c.cols));
    LetterGrid grid(c.rows, c.cols);
    for (int r = 0; r < c.rows; ++r)
      for (int col = 0; col < c.cols; ++col) grid.SetText(col, r, "W");
    const PrintPageText text = FillPrintPage(grid, {});
    const GridBlockLayout block = LayoutGridBlock(text.GridLines, device);
    if (!c.shrinks) {
      EXPECT_DOUBLE_EQ(block.Points, 18.0);
      EXPECT_DOUBLE_EQ(block.LineHeightMm, 7.5);
    } else {
      EXPECT_LT(block.Points, 18.0);
      EXPECT_NEAR(block.LineHeightMm / 7.5, block.Points / 18.0, 0.02);  // letters and lines shrink alike
      // Just enough: it fills the band's width or the room above the answers.
      const double room = layout::kAnswersTop - layout::kGridGapAboveAnswers - layout::kGridTop;
      EXPECT_TRUE(block.WidthMm > layout::kBandWidth * 0.97 || block.HeightMm > room * 0.99);
    }
    EXPECT_LE(block.WidthMm, layout::kBandWidth);
    EXPECT_LE(block.TopMm + block.HeightMm, layout::kAnswersTop - layout::kGridGapAboveAnswers + 1e-9);
    EXPECT_NEAR(block.LeftMm * 2 + block.WidthMm, layout::kBandWidth, 1e-9);
  }
}

TEST_F(PuzzlePage, FortyByFortyWithFiftyAnswersPrintsEveryRowAndAnswerOnThePage) {
  const LetterGrid grid = AlphabetGrid(40);
  const PrintPageText text = FillPrintPage(grid, Numbered(50));
  const QString path = Write(text);
  EXPECT_EQ(PdfPageCount(path), 1);

  // Every row as printed, in order, with nothing outside the band or over the answers.
  const QString plain = PdfText(path).simplified();
  qsizetype from = 0;
  for (int row = 0; row < 40; ++row) {
    const QString printed = QString::fromLatin1(PrintedRow(grid, row)).simplified();
    const qsizetype at = plain.indexOf(printed, from);
    ASSERT_GE(at, 0) << "row " << row;
    from = at + printed.size();
  }
  double left = 1e9, right = 0, bottom = 0;
  for (const PdfWord& word : PdfWords(path)) {
    if (word.Text.size() != 1) continue;  // the grid's letters
    left = std::min(left, word.Left);
    right = std::max(right, word.Right);
    bottom = std::max(bottom, word.Bottom);
  }
  EXPECT_GE(left, Pt(layout::kMarginLeft) - 0.5);
  EXPECT_LE(right, Pt(layout::kMarginLeft + layout::kBandWidth) + 0.5);
  EXPECT_LT(bottom, Pt(layout::kMarginTop + layout::kGridBandTop + layout::kAnswersTop));

  const std::vector<PdfWord> words = PdfWords(path);
  for (const AnswerLine& answer : Numbered(50)) EXPECT_EQ(WordsReading(words, QString::fromStdString(answer.Text)).size(), 1u) << answer.Text;
  // Thirteen lines now share the column height.
  const auto first = WordsReading(words, QStringLiteral("WORD01")), thirteenth = WordsReading(words, QStringLiteral("WORD13"));
  ASSERT_FALSE(first.empty());
  ASSERT_FALSE(thirteenth.empty());
  EXPECT_NEAR(thirteenth[0].Top - first[0].Top, Pt(12 * layout::kAnswersHeight / 13), 0.2);
  EXPECT_LE(thirteenth[0].Bottom, Pt(layout::kMarginTop + layout::kGridBandTop + layout::kAnswersTop + layout::kAnswersHeight) + 0.5);
}

TEST_F(PuzzlePage, LandscapePrintsTheWholePageScaledOntoTheTurnedSheet) {
  const QString path = Write(FillPrintPage(GridOf({"CAT", "DOG", "EMU"}), Numbered(41)), QPageLayout::Landscape);
  EXPECT_EQ(PdfPageCount(path), 1);
  const QSizeF size = PdfPageSize(path);
  EXPECT_NEAR(size.width(), 842, 1);
  EXPECT_NEAR(size.height(), 595, 1);
  const std::vector<PdfWord> words = PdfWords(path);
  for (const char* text : {"Marlock-Solutions", "WORD41", "Created", "Find"}) {
    const auto found = WordsReading(words, QString::fromLatin1(text));
    ASSERT_EQ(found.size(), 1u) << text;
    EXPECT_LT(found[0].Bottom, size.height());
    EXPECT_LT(found[0].Right, size.width());
  }
}
