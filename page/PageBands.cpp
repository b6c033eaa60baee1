#include "PageBands.h"

#include <QFontMetricsF>
#include <QImage>
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

// The title pictures, loaded once: every page then paints the same image, which a PDF file
// stores only once however many pages show it.
const QImage& TitlePicture(bool left) {
  static const bool registered = (RegisterPagePictures(), true);
  (void)registered;
  static const QImage leftPicture(QStringLiteral(":/page/title-left.png"));
  static const QImage rightPicture(QStringLiteral(":/page/title-right.png"));
  return left ? leftPicture : rightPicture;
}

// A picture drawn as large as fits the box, keeping its shape, centred in it.
void PaintPicture(QPainter& painter, const QRectF& box, const QImage& picture) {
  if (picture.isNull()) return;
  QSizeF size = picture.size();
  size.scale(box.size(), Qt::KeepAspectRatio);
  const QRectF target(box.center() - QPointF(size.width() / 2, size.height() / 2), size);
  painter.drawImage(target, picture);
}

// The title's face at 28 pt. The installed script face runs wider than the one the layout was
// drawn for; it is narrowed just enough to keep the title between the two pictures.
QFont TitleLabelFont(const QString& title, const QPaintDevice& device) {
  QFont font = Sized(TitleFont(), kTitlePoints);
  const double room = 2 * std::min(kBandWidth / 2 - (kLeftPicture.Left + kLeftPicture.Width), kRightPicture.Left - kBandWidth / 2);
  const double width = WidestMm({title.toStdString()}, font, device);
  if (width > room) font.setStretch(std::max(50, static_cast<int>(100 * room / width)));
  return font;
}

}  // namespace

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

void PaintTitleBand(QPainter& painter, const PageFrame& frame, const QString& title) {
  PaintPicture(painter, frame.Box(kLeftPicture.Left, kTitleBandTop + kLeftPicture.Top, kLeftPicture.Width, kLeftPicture.Height),
               TitlePicture(true));
  PaintPicture(painter,
               frame.Box(kRightPicture.Left, kTitleBandTop + kRightPicture.Top, kRightPicture.Width, kRightPicture.Height),
               TitlePicture(false));
  painter.setFont(frame.Font(TitleLabelFont(title, *painter.device()), kTitlePoints));
  painter.setPen(kTitleBlue);
  painter.drawText(frame.Box(0, kTitleBandTop + kTitleTop, kBandWidth, kTitleHeight), Qt::AlignCenter | Qt::TextSingleLine, title);
}

AnswerColumnsLayout LayoutAnswerColumns(const std::array<std::vector<std::string>, 4>& columns) {
  std::size_t longest = 0;
  for (const auto& column : columns) longest = std::max(longest, column.size());
  const int lines = std::max(kUsualColumnLines, static_cast<int>(longest));
  return {kAnswerPoints * kUsualColumnLines / lines, kAnswersHeight / lines};
}

void PaintAnswerColumns(QPainter& painter, const PageFrame& frame, const std::array<std::vector<std::string>, 4>& columns,
                        const LineShown& shown) {
  const AnswerColumnsLayout look = LayoutAnswerColumns(columns);
  const QFont font = Sized(AnswerFont(), look.Points);
  const QPaintDevice& device = *painter.device();
  painter.setFont(frame.Font(font, look.Points));
  for (std::size_t c = 0; c < columns.size(); ++c) {
    const double width = WidestMm(columns[c], font, device);
    const Qt::Alignment align = (kAnswerCentred[c] ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
    for (std::size_t i = 0; i < columns[c].size(); ++i) {
      const QRectF line = frame.Box(kAnswerLefts[c], kGridBandTop + kAnswersTop + look.LineHeightMm * static_cast<double>(i), width,
                                    look.LineHeightMm);
      QRectF drawn;
      painter.setPen(Qt::black);
      painter.drawText(line, align | Qt::TextSingleLine | Qt::TextDontClip, QString::fromLatin1(columns[c][i]), &drawn);
      if (shown) shown(c, i, drawn);
    }
  }
}

void PaintFooter(QPainter& painter, const PageFrame& frame, const QString& dateText, const QString& note) {
  painter.setFont(frame.Font(AnswerFont(), kFooterPoints));
  painter.setPen(Qt::black);
  const auto text = [&](double left, double top, const QString& content) {
    const QPointF at = frame.Point(left, kFooterTop + top);
    painter.drawText(QRectF(at, QSizeF(frame.Length(kBandWidth - left), frame.Length(kFooterHeight - top))),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, content);
  };
  text(kCreatedLeft, kCreatedTop, QString::fromLatin1(kCreatedLabel));
  text(kDateLeft, kDateTop, dateText);
  text(kNoteLeft, kNoteTop, note);
}

}  // namespace glimmerset::page
