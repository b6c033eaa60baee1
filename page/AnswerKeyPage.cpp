#include "AnswerKeyPage.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <set>

#include "PageBands.h"
#include "PageFonts.h"
#include "PageLayout.h"
#include "PageTexts.h"
#include "PuzzlePage.h"
#include "core/Colour.h"

namespace glimmerset::page {

using namespace layout;

namespace {

const QColor kFillerGrey(150, 150, 150);
// The ring's width across its line, as a share of the line height.
constexpr double kRingShare = 0.8;

// Where the letter of a cell stands on the device: its centre, in the grid block of the page.
class CellPlaces {
 public:
  CellPlaces(const PageFrame& frame, const GridBlockLayout& block, const QFont& font, const QPaintDevice& device,
             const std::string& widestLine)
      : frame_(frame), block_(block) {
    const QFontMetricsF metrics(font, &device);
    advanceMm_ = metrics.horizontalAdvance(QLatin1Char(' ')) / (device.logicalDpiX() / 25.4);
    textLeftMm_ = block.LeftMm + (block.WidthMm - advanceMm_ * static_cast<double>(widestLine.size())) / 2;
  }
  // Rows are centred lines of equal length: the letter of column c is character 1 + 2c.
  QPointF Centre(int col, int row) const {
    return frame_.Point(textLeftMm_ + advanceMm_ * (1.5 + 2.0 * col), kGridBandTop + block_.TopMm + block_.LineHeightMm * (row + 0.5));
  }
  QRectF Cell(int col, int row) const {
    const QPointF centre = Centre(col, row);
    const double w = frame_.Length(advanceMm_ * 2), h = frame_.Length(block_.LineHeightMm);
    return {centre.x() - w / 2, centre.y() - h / 2, w, h};
  }
  double RingWidth() const { return frame_.Length(block_.LineHeightMm * kRingShare); }

 private:
  const PageFrame& frame_;
  const GridBlockLayout& block_;
  double advanceMm_ = 0;
  double textLeftMm_ = 0;
};

// A rounded band from the first cell's centre to the last's, as a highlighter would draw it.
void PaintRing(QPainter& painter, const CellPlaces& places, const AnswerPlace& answer, const QColor& colour) {
  const QPointF from = places.Centre(answer.Cells.front().Col, answer.Cells.front().Row);
  const QPointF to = places.Centre(answer.Cells.back().Col, answer.Cells.back().Row);
  const double width = places.RingWidth();
  const QLineF line(from, to);
  painter.save();
  painter.translate(from);
  painter.rotate(-line.angle());
  QPainterPath band;
  band.addRoundedRect(QRectF(-width / 2, -width / 2, line.length() + width, width), width / 2, width / 2);
  QColor fill = colour;
  fill.setAlphaF(0.28);
  painter.setBrush(fill);
  QPen outline(colour);
  outline.setWidthF(width * 0.09);
  painter.setPen(outline);
  painter.drawPath(band);
  painter.restore();
}

}  // namespace

QColor RingColour(int n) {
  const Colour colour = HighlightFor(n);
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF), static_cast<int>((colour >> 16) & 0xFF));
}

AnswerKeyText MakeAnswerKey(const LetterGrid& grid, const std::vector<AnswerLine>& answers) {
  AnswerKeyText key;
  key.Page = FillPrintPage(grid, answers);
  for (int row = 0; row < grid.RowCount(); ++row) {
    std::vector<std::string> cells;
    for (int col = 0; col < grid.ColCount(); ++col) cells.push_back(grid.Text(col, row));
    key.Cells.push_back(std::move(cells));
  }
  std::vector<std::string> texts;
  for (const AnswerLine& line : answers) texts.push_back(line.Text);
  key.Answers = SolvePuzzle(grid, texts);
  std::vector<std::string> listed;
  for (const AnswerPlace& answer : key.Answers) listed.push_back(answer.Present ? answer.Text : answer.Text + kMissingMark);
  key.Columns = SplitAnswers(listed);
  return key;
}

void PaintAnswerKeyPage(QPainter& painter, const PageFrame& frame, const AnswerKeyText& key, const QString& dateText) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  PaintTitleBand(painter, frame, QString::fromLatin1(kKeyTitle));

  const QPaintDevice& device = *painter.device();
  const GridBlockLayout block = LayoutGridBlock(key.Page.GridLines, device);
  const QFont font = Sized(GridFont(), block.Points);
  std::string widest;
  for (const std::string& line : key.Page.GridLines)
    if (line.size() > widest.size()) widest = line;
  const CellPlaces places(frame, block, font, device, widest);

  std::set<std::pair<int, int>> answerCells;
  for (std::size_t i = 0; i < key.Answers.size(); ++i) {
    const AnswerPlace& answer = key.Answers[i];
    if (!answer.Present || answer.Cells.empty()) continue;
    PaintRing(painter, places, answer, RingColour(static_cast<int>(i) + 1));
    for (const GridPos& cell : answer.Cells) answerCells.insert({cell.Col, cell.Row});
  }

  painter.setFont(frame.Font(GridFont(), block.Points));
  for (std::size_t row = 0; row < key.Cells.size(); ++row)
    for (std::size_t col = 0; col < key.Cells[row].size(); ++col) {
      const int c = static_cast<int>(col), r = static_cast<int>(row);
      painter.setPen(answerCells.count({c, r}) ? QColor(Qt::black) : kFillerGrey);
      painter.drawText(places.Cell(c, r), Qt::AlignCenter | Qt::TextDontClip, QString::fromLatin1(key.Cells[row][col]));
    }
  PaintGridFrame(painter, frame, block);

  // The list, each answer after a swatch of its ring's colour.
  const AnswerColumnsLayout look = LayoutAnswerColumns(key.Columns);
  std::size_t first = 0;
  std::array<std::size_t, 4> firstOf{};
  for (std::size_t c = 0; c < 4; ++c) {
    firstOf[c] = first;
    first += key.Columns[c].size();
  }
  PaintAnswerColumns(painter, frame, key.Columns, [&](std::size_t column, std::size_t line, const QRectF& text) {
    const std::size_t index = firstOf[column] + line;
    if (index >= key.Answers.size() || !key.Answers[index].Present) return;
    const double side = frame.Length(look.LineHeightMm * 0.6);
    const QRectF swatch(text.left() - side * 1.4, text.center().y() - side / 2, side, side);
    QPen edge(QColor(120, 120, 120));  // keeps the palest colours visible on white paper
    edge.setWidthF(side * 0.08);
    painter.setPen(edge);
    painter.setBrush(RingColour(static_cast<int>(index) + 1));
    painter.drawRoundedRect(swatch, side / 4, side / 4);
  });
  PaintFooter(painter, frame, dateText, QString::fromLatin1(kKeyNote));
  painter.restore();
}

}  // namespace glimmerset::page
