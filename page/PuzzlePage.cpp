#include "PuzzlePage.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "PageFonts.h"
#include "PageLayout.h"
#include "PageTexts.h"

// The title pictures live in this library's resources, which a static library must register.
static void RegisterPagePictures() { Q_INIT_RESOURCE(page); }

namespace glimmerset::page {

using namespace layout;

namespace {

constexpr int kUsualColumnLines = 11;
const QColor kTitleBlue(0, 0, 255);

// The widest of the lines in the font, in millimetres.
double WidestMm(const std::vector<std::string>& lines, const QFont& font, const QPaintDevice& device) {
  const QFontMetricsF metrics(font, &device);
  double widest = 0;
  for (const std::string& line : lines) widest = std::max(widest, metrics.horizontalAdvance(QString::fromLatin1(line)));
  return widest / (device.logicalDpiX() / 25.4);
}

QFont Sized(QFont font, double points) {
  font.setPointSizeF(points);
  return font;
}

// A picture drawn as large as fits the box, keeping its shape, centred in it.
void PaintPicture(QPainter& painter, const QRectF& box, const QString& resource) {
  const QImage picture(resource);
  if (picture.isNull()) return;
  QSizeF size = picture.size();
  size.scale(box.size(), Qt::KeepAspectRatio);
  const QRectF target(box.center() - QPointF(size.width() / 2, size.height() / 2), size);
  painter.drawImage(target, picture);
}

// The title's face at 28 pt. The installed script face runs wider than the one the layout was
// drawn for; it is narrowed just enough to keep the title between the two pictures.
QFont TitleLabelFont(const QPaintDevice& device) {
  QFont font = Sized(TitleFont(), kTitlePoints);
  const double room = 2 * std::min(kBandWidth / 2 - (kLeftPicture.Left + kLeftPicture.Width), kRightPicture.Left - kBandWidth / 2);
  const double width = WidestMm({kPageTitle}, font, device);
  if (width > room) font.setStretch(std::max(50, static_cast<int>(100 * room / width)));
  return font;
}

void PaintTitleBand(QPainter& painter, const PageFrame& frame) {
  static const bool registered = (RegisterPagePictures(), true);
  (void)registered;
  PaintPicture(painter, frame.Box(kLeftPicture.Left, kTitleBandTop + kLeftPicture.Top, kLeftPicture.Width, kLeftPicture.Height),
               QStringLiteral(":/page/title-left.png"));
  PaintPicture(painter,
               frame.Box(kRightPicture.Left, kTitleBandTop + kRightPicture.Top, kRightPicture.Width, kRightPicture.Height),
               QStringLiteral(":/page/title-right.png"));
  painter.setFont(frame.Font(TitleLabelFont(*painter.device()), kTitlePoints));
  painter.setPen(kTitleBlue);
  painter.drawText(frame.Box(0, kTitleBandTop + kTitleTop, kBandWidth, kTitleHeight), Qt::AlignCenter | Qt::TextSingleLine,
                   QString::fromLatin1(kPageTitle));
}

void PaintGridBlock(QPainter& painter, const PageFrame& frame, const std::vector<std::string>& lines,
                    const GridBlockLayout& block) {
  const double top = kGridBandTop + block.TopMm;
  painter.setFont(frame.Font(GridFont(), block.Points));
  painter.setPen(Qt::black);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const QRectF line = frame.Box(block.LeftMm, top + block.LineHeightMm * static_cast<double>(i), block.WidthMm, block.LineHeightMm);
    painter.drawText(line, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip, QString::fromLatin1(lines[i]));
  }
  QPen framePen(Qt::black);
  framePen.setWidthF(frame.Length(kGridFrameMm));
  framePen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(framePen);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(frame.Box(block.LeftMm, top, block.WidthMm, block.HeightMm));
}

void PaintAnswerColumns(QPainter& painter, const PageFrame& frame, const std::array<std::vector<std::string>, 4>& columns,
                        const QPaintDevice& device) {
  const AnswerColumnsLayout look = LayoutAnswerColumns(columns);
  const QFont font = Sized(AnswerFont(), look.Points);
  painter.setFont(frame.Font(font, look.Points));
  painter.setPen(Qt::black);
  for (std::size_t c = 0; c < columns.size(); ++c) {
    const double width = WidestMm(columns[c], font, device);
    const Qt::Alignment align = (kAnswerCentred[c] ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
    for (std::size_t i = 0; i < columns[c].size(); ++i) {
      const QRectF line = frame.Box(kAnswerLefts[c], kGridBandTop + kAnswersTop + look.LineHeightMm * static_cast<double>(i), width,
                                    look.LineHeightMm);
      painter.drawText(line, align | Qt::TextSingleLine | Qt::TextDontClip, QString::fromLatin1(columns[c][i]));
    }
  }
}

void PaintFooter(QPainter& painter, const PageFrame& frame, const QString& dateText) {
  painter.setFont(frame.Font(AnswerFont(), kFooterPoints));
  painter.setPen(Qt::black);
  const auto text = [&](double left, double top, const QString& content) {
    const QPointF at = frame.Point(left, kFooterTop + top);
    painter.drawText(QRectF(at, QSizeF(frame.Length(kBandWidth - left), frame.Length(kFooterHeight - top))),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, content);
  };
  text(kCreatedLeft, kCreatedTop, QString::fromLatin1(kCreatedLabel));
  text(kDateLeft, kDateTop, dateText);
  text(kNoteLeft, kNoteTop, QString::fromLatin1(kFooterNote));
}

}  // namespace

GridBlockLayout LayoutGridBlock(const std::vector<std::string>& lines, const QPaintDevice& device) {
  const double naturalWidth = WidestMm(lines, Sized(GridFont(), kGridPoints), device);
  const double naturalHeight = kGridLineHeightMm * static_cast<double>(lines.size());
  const double roomHeight = kAnswersTop - kGridGapAboveAnswers - kGridTop;
  double shrink = 1.0;
  if (naturalWidth > kBandWidth) shrink = std::min(shrink, kBandWidth / naturalWidth);
  if (naturalHeight > roomHeight) shrink = std::min(shrink, roomHeight / naturalHeight);

  GridBlockLayout block;
  block.Points = kGridPoints * shrink;
  block.LineHeightMm = kGridLineHeightMm * shrink;
  block.WidthMm = WidestMm(lines, Sized(GridFont(), block.Points), device);
  // Letter widths do not scale exactly with the size; shrink a little more where they overshoot.
  while (block.WidthMm > kBandWidth) {
    block.Points *= 0.99;
    block.WidthMm = WidestMm(lines, Sized(GridFont(), block.Points), device);
  }
  block.HeightMm = block.LineHeightMm * static_cast<double>(lines.size());
  block.LeftMm = (kBandWidth - block.WidthMm) / 2.0;
  block.TopMm = kGridTop;
  return block;
}

AnswerColumnsLayout LayoutAnswerColumns(const std::array<std::vector<std::string>, 4>& columns) {
  std::size_t longest = 0;
  for (const auto& column : columns) longest = std::max(longest, column.size());
  const int lines = std::max(kUsualColumnLines, static_cast<int>(longest));
  return {kAnswerPoints * kUsualColumnLines / lines, kAnswersHeight / lines};
}

void PaintPuzzlePage(QPainter& painter, const PageFrame& frame, const PrintPageText& text, const QString& dateText) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  PaintTitleBand(painter, frame);
  PaintGridBlock(painter, frame, text.GridLines, LayoutGridBlock(text.GridLines, *painter.device()));
  PaintAnswerColumns(painter, frame, text.AnswerColumns, *painter.device());
  PaintFooter(painter, frame, dateText);
  painter.restore();
}

bool PaintPuzzlePages(QPagedPaintDevice& device, const std::vector<PrintPageText>& pages, const QString& dateText) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const PageFrame frame = PageFrame::Of(device);
  for (std::size_t i = 0; i < pages.size(); ++i) {
    if (i > 0 && !device.newPage()) {
      painter.end();
      return false;
    }
    PaintPuzzlePage(painter, frame, pages[i], dateText);
  }
  return painter.end();
}

}  // namespace glimmerset::page
