#include "GridView.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "ColourConvert.h"
#include "core/PuzzleModel.h"

namespace glimmerset::ui {

namespace {

constexpr int NormalPitch = 22;  // a 21-pixel cell and a 1-pixel line after each column and row
constexpr int MinimumExtent = 30;
constexpr int MaximumExtent = 500;
constexpr int PanelBevel = 3;
const QColor LineColour(Qt::black);

// The look of a cell that carries no record.
const Tspec FallbackLook{colours::White, colours::Black, "Times new roman", 6, 0};

// The cells' geometry at a pitch: each cell is one pixel less than the pitch, the line after it
// takes the last pixel. Letters and their offsets scale with the pitch.
struct CellGeometry {
  int pitch;
  int size() const { return pitch - 1; }
  QRect rect(int col, int row) const { return QRect(col * pitch, row * pitch, size(), size()); }
};

// Paints cells in the look of their records, taking a new font only when the look asks for one.
class CellPainter {
 public:
  CellPainter(QPainter& painter, int pitch) : painter_(painter), pitch_(pitch) {}

  // Fills the cell, then writes its text in bold with the top-left corner at (left + 4, top + 2).
  void draw(const QRect& rect, const Tspec& look, const std::string& text) {
    Colour fill = look.Colour;
    // A letter in the fill's own colour would vanish: fill with the complement instead.
    if (fill == look.FontColour) fill ^= 0xFFFFFF;
    painter_.fillRect(rect, toQColor(fill));
    if (text.empty()) return;
    useFont(look.FontName, look.FontSize);
    painter_.setPen(toQColor(look.FontColour));
    painter_.setClipRect(rect);
    painter_.drawText(rect.topLeft() + QPoint(Scaled(4), Scaled(2) + ascent_),
                      QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    painter_.setClipping(false);
  }

 private:
  void useFont(const std::string& name, int points) {
    if (fontSet_ && name == fontName_ && points == fontSize_) return;
    QFont font(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    if (pitch_ == NormalPitch)
      font.setPointSize(std::max(points, 1));
    else
      font.setPointSizeF(std::max(points, 1) * static_cast<double>(pitch_) / NormalPitch);
    font.setBold(true);
    painter_.setFont(font);
    ascent_ = painter_.fontMetrics().ascent();
    fontName_ = name;
    fontSize_ = points;
    fontSet_ = true;
  }

  int Scaled(int pixels) const { return pixels * pitch_ / NormalPitch; }

  QPainter& painter_;
  int pitch_;
  bool fontSet_ = false;
  std::string fontName_;
  int fontSize_ = 0;
  int ascent_ = 0;
};

}  // namespace

GridView::GridView(const PuzzleModel& model, QWidget* parent) : QWidget(parent), model_(model) {
  setFocusPolicy(Qt::ClickFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  applyLayout();
}

void GridView::applyLayout() {
  // A grid fitted to the window is as large as the fit made it; the 22-pixel layout is held at
  // 500 pixels.
  const int maximum = model_.Layout.Fitted ? QWIDGETSIZE_MAX : MaximumExtent;
  setFixedSize(std::clamp(model_.Layout.GridWidth, MinimumExtent, maximum),
               std::clamp(model_.Layout.GridHeight, MinimumExtent, maximum));
}

int GridView::pitch() const { return std::max(model_.Layout.CellPitch, 2); }

std::optional<QPoint> GridView::cellAt(const QPoint& point) const {
  if (!rect().contains(point)) return std::nullopt;
  const CellGeometry cells{pitch()};
  const int col = point.x() / cells.pitch;
  const int row = point.y() / cells.pitch;
  if (point.x() % cells.pitch >= cells.size() || point.y() % cells.pitch >= cells.size()) return std::nullopt;
  if (!model_.Grid.Contains(col, row)) return std::nullopt;
  return QPoint(col, row);
}

void GridView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect dirty = event->rect();
  painter.fillRect(dirty, palette().color(QPalette::Button));

  const int cols = model_.Grid.ColCount();
  const int rows = model_.Grid.RowCount();
  const CellGeometry geometry{pitch()};
  const int CellPitch = geometry.pitch;
  const int CellSize = geometry.size();
  const int firstCol = dirty.left() / CellPitch;
  const int firstRow = dirty.top() / CellPitch;
  const int lastCol = std::min(cols - 1, dirty.right() / CellPitch);
  const int lastRow = std::min(rows - 1, dirty.bottom() / CellPitch);

  // The line after each column and each row, across the cells only.
  const int gridRight = cols * CellPitch - 1;
  const int gridBottom = rows * CellPitch - 1;
  for (int col = firstCol; col <= lastCol; ++col)
    painter.fillRect(QRect(QPoint(col * CellPitch + CellSize, 0), QPoint(col * CellPitch + CellSize, gridBottom)),
                     LineColour);
  for (int row = firstRow; row <= lastRow; ++row)
    painter.fillRect(QRect(QPoint(0, row * CellPitch + CellSize), QPoint(gridRight, row * CellPitch + CellSize)),
                     LineColour);

  if (!model_.CellsReady) return;
  CellPainter cells(painter, CellPitch);
  for (int row = firstRow; row <= lastRow; ++row)
    for (int col = firstCol; col <= lastCol; ++col) {
      const Tspec* record = model_.Grid.Record(col, row);
      cells.draw(geometry.rect(col, row), record ? *record : FallbackLook, model_.Grid.Text(col, row));
    }
}

void GridView::mousePressEvent(QMouseEvent* event) {
  if (const auto cell = cellAt(event->position().toPoint())) emit cellPressed(cell->x(), cell->y());
}

void GridView::mouseMoveEvent(QMouseEvent* event) {
  if (const auto cell = cellAt(event->position().toPoint())) emit pointerOverCell(cell->x(), cell->y());
}

GridPanel::GridPanel(const PuzzleModel& model, QWidget* parent)
    : QFrame(parent), model_(model), view_(new GridView(model, this)) {
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(PanelBevel);
  setFocusPolicy(Qt::NoFocus);
  view_->move(PanelBevel, PanelBevel);
  applyLayout();
}

void GridPanel::applyLayout() {
  view_->applyLayout();
  setFixedSize(view_->size() + QSize(2 * PanelBevel, 2 * PanelBevel));
  move(model_.Layout.PanelLeft, model_.Layout.PanelTop);
  setVisible(model_.GridPresent);
  view_->update();
}

}  // namespace glimmerset::ui
