// The answer key: what it lists, and the page read back from a PDF: its heading and answers as
// text, the rings in the answers' colours and the filler letters lighter, on a rendered PNG.
#include <gtest/gtest.h>

#include <QImage>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "tests/page/PageTestSupport.h"
#include "page/AnswerKeyPage.h"
#include "page/PageLayout.h"
#include "page/PdfExport.h"
#include "core/CommandError.h"
#include "tests/page/PdfProbe.h"

using namespace glimmerset;
using namespace glimmerset::page;
using namespace glimmerset::testing;

namespace {

// CAT across row 0, DOG down column 4, EMU nowhere; the rest filler.
const std::vector<std::string> kRows = {"CATQD", "ZXWKO", "JVYPG"};
const std::vector<std::string> kAnswers = {"CAT", "DOG", "EMU"};

class AnswerKey : public ::testing::Test {
 protected:
  QString WriteKey() {
    const QString path = dir.filePath(QStringLiteral("key.pdf"));
    const PrintPageText puzzle = FillPrintPage(GridOf(kRows), Lines(kAnswers));
    const AnswerKeyText key = MakeAnswerKey(GridOf(kRows), Lines(kAnswers));
    WritePdf(path, PuzzleAndKeyPages(puzzle, key, QStringLiteral("today")));
    return path;
  }
  // Page 2 of the PDF as a picture at 100 dots an inch.
  QImage KeyPicture(const QString& pdf) {
    const QString stem = dir.filePath(QStringLiteral("key"));
    RunTool(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-f"),
                                         QStringLiteral("2"), QStringLiteral("-l"), QStringLiteral("2"), QStringLiteral("-singlefile"), pdf, stem});
    return QImage(stem + QStringLiteral(".png"));
  }
  // A point of the page, given in millimetres from the top left corner of the bands.
  static QPoint Px(double xMm, double yMm) {
    return {static_cast<int>((layout::kMarginLeft + xMm) * 100 / 25.4), static_cast<int>((layout::kMarginTop + yMm) * 100 / 25.4)};
  }
  QTemporaryDir dir;
};

}  // namespace

TEST_F(AnswerKey, ListsEveryAnswerWithItsPlaceAndTheMissingOnesAsMissing) {
  const AnswerKeyText key = MakeAnswerKey(GridOf(kRows), Lines(kAnswers));
  ASSERT_EQ(key.Answers.size(), 3u);
  EXPECT_TRUE(key.Answers[0].Present);
  EXPECT_EQ(key.Answers[1].Cells.front(), (GridPos{0, 4}));
  EXPECT_FALSE(key.Answers[2].Present);
  EXPECT_EQ(key.Columns[0], (std::vector<std::string>{"CAT", "DOG", "EMU (missing)"}));
  EXPECT_EQ(key.Page.GridLines, FillPrintPage(GridOf(kRows), Lines(kAnswers)).GridLines);
  EXPECT_EQ(key.Cells[2][4], "G");
}

TEST_F(AnswerKey, PdfHoldsThePuzzlePageThenTheKeyPage) {
  const QString path = WriteKey();
  ASSERT_EQ(PdfPageCount(path), 2);
  const std::vector<PdfWord> words = PdfWords(path);
  const auto onPage = [&](const char* text, int page) {
    return std::count_if(words.begin(), words.end(), [&](const PdfWord& w) { return w.Text == QLatin1String(text) && w.Page == page; });
  };
  EXPECT_EQ(onPage("Marlock-Solutions", 1), 1);
  EXPECT_EQ(onPage("Key", 1), 0);
  for (const char* text : {"Answer", "Key", "CAT", "DOG", "EMU", "(missing)", "Created"}) EXPECT_GE(onPage(text, 2), 1) << text;
  EXPECT_EQ(onPage("(missing)", 2), 1);
}

TEST_F(AnswerKey, RingsAreDrawnInTheAnswersColoursAndFillerLettersAreLighter) {
  const QString path = WriteKey();
  const QImage picture = KeyPicture(path);
  ASSERT_FALSE(picture.isNull());

  // Where the cells stand: the grid block of the page, 18 pt Courier, 7.5 mm lines.
  QPdfWriter probe(dir.filePath(QStringLiteral("probe.pdf")));
  probe.setResolution(1200);
  const GridBlockLayout block = LayoutGridBlock(FillPrintPage(GridOf(kRows), {}).GridLines, probe);
  const double advance = block.WidthMm / static_cast<double>(2 * kRows[0].size() + 1);
  const auto centre = [&](double col, double row) {
    return Px(block.LeftMm + advance * (1.5 + 2 * col), layout::kGridBandTop + block.TopMm + block.LineHeightMm * (row + 0.5));
  };
  // Between two letters of a ring only the ring's translucent fill is painted.
  const auto expectTint = [&](QPoint at, QColor ring) {
    const QColor seen = picture.pixelColor(at);
    for (const auto& [got, want] : {std::pair{seen.red(), ring.red()}, {seen.green(), ring.green()}, {seen.blue(), ring.blue()}})
      EXPECT_NEAR(got, 255 - (255 - want) * 0.28, 14) << "at " << at.x() << "," << at.y() << " saw " << seen.name().toStdString();
  };
  expectTint(centre(0.5, 0), RingColour(1));  // CAT, between C and A
  expectTint(centre(4, 0.5), RingColour(2));  // DOG, between D and O
  EXPECT_NE(RingColour(1), RingColour(2));
  EXPECT_EQ(picture.pixelColor(centre(2.5, 1)), QColor(Qt::white));  // no ring off the answers

  // The darkest ink in a cell: black for an answer letter, grey for a filler letter.
  const auto darkest = [&](double col, double row) {
    const QPoint c = centre(col, row);
    int least = 255;
    for (int y = c.y() - 8; y <= c.y() + 8; ++y)
      for (int x = c.x() - 6; x <= c.x() + 6; ++x) least = std::min(least, qGray(picture.pixel(x, y)));
    return least;
  };
  EXPECT_LT(darkest(1, 0), 60);  // A of CAT
  EXPECT_LT(darkest(4, 2), 60);  // G of DOG
  EXPECT_GT(darkest(1, 1), 110);  // X, a filler letter
  EXPECT_LT(darkest(1, 1), 200);  // but printed
}

TEST_F(AnswerKey, AFailedExportLeavesTheOldFileWhole) {
  // A directory cannot take the file.
  EXPECT_THROW(WritePdf(dir.path(), {}), CommandError);

  // A full disk: a small tmpfs that holds the old file but not the new document.
  const QString mount = dir.filePath(QStringLiteral("small"));
  QDir().mkpath(mount);
  if (RunTool(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("mount -t tmpfs -o size=24k tmpfs '%1' && echo ok").arg(mount)}).trimmed() !=
      QStringLiteral("ok"))
    GTEST_SKIP() << "a small tmpfs could not be mounted here (mounting needs root), so the full-disk case was not run";
  const QString old = mount + QStringLiteral("/puzzle.pdf");
  {
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
  }
  const PrintPageText puzzle = FillPrintPage(GridOf(kRows), Lines(kAnswers));
  const AnswerKeyText key = MakeAnswerKey(GridOf(kRows), Lines(kAnswers));
  try {
    WritePdf(old, PuzzleAndKeyPages(puzzle, key, QStringLiteral("today")));
    ADD_FAILURE() << "the export reported success on a full disk";
  } catch (const CommandError& error) {
    EXPECT_EQ(std::string(error.what()), "Cannot create file " + old.toStdString());
  }
  QFile kept(old);
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), QByteArray(4096, 'x'));
  kept.close();
  RunTool(QStringLiteral("umount"), {mount});
}
