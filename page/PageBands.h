#pragma once
// PageBands: the parts that the printed pages share: the title band with its two pictures, the
// four answer columns, the footer with the date, and the measuring they need.

#include <QFont>
#include <QRectF>
#include <QString>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "PageFrame.h"

class QPaintDevice;
class QPainter;

namespace glimmerset::page {

// The widest of the lines in the font, in millimetres of the layout.
double WidestMm(const std::vector<std::string>& lines, const QFont& font, const QPaintDevice& device);
QFont Sized(QFont font, double points);

// The two pictures and the title label, in the title font narrowed where it would run over them.
void PaintTitleBand(QPainter& painter, const PageFrame& frame, const QString& title);

// The answer columns' letter size and line height: 10 pt with eleven lines in the column height;
// smaller where a long list needs more lines than that.
struct AnswerColumnsLayout {
  double Points = 0;
  double LineHeightMm = 0;
};
AnswerColumnsLayout LayoutAnswerColumns(const std::array<std::vector<std::string>, 4>& columns);

// Paints the four columns; after each line, shown (when given) is told its column, its line and
// where its text stands on the device.
using LineShown = std::function<void(std::size_t column, std::size_t line, const QRectF& text)>;
void PaintAnswerColumns(QPainter& painter, const PageFrame& frame, const std::array<std::vector<std::string>, 4>& columns,
                        const LineShown& shown = {});

// The footer's label, the date and time of printing and the page's note.
void PaintFooter(QPainter& painter, const PageFrame& frame, const QString& dateText, const QString& note);

}  // namespace glimmerset::page
