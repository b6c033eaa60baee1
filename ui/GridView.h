#pragma once
// GridView: paints the puzzle grid from the model, every cell in the look of its Tspec record
// (21-pixel cells, 22 pixels apart, or closer for a grid fitted to the window), inside the raised
// panel GridPan. It maps pointer positions to cells and forwards presses and movements; it keeps
// no data of its own.

#include <QFrame>
#include <QPoint>
#include <QWidget>
#include <optional>

namespace glimmerset {
struct PuzzleModel;
}

namespace glimmerset::ui {

class GridView : public QWidget {
  Q_OBJECT

 public:
  explicit GridView(const PuzzleModel& model, QWidget* parent = nullptr);

  // The (column, row) of the cell under a point of the view; nothing on a grid line, outside
  // every cell or outside the grid.
  std::optional<QPoint> cellAt(const QPoint& point) const;

  // Takes the size the model's layout gives (GridWidth by GridHeight).
  void applyLayout();
  // Pixels from one cell to the next, as the model's layout gives it.
  int pitch() const;

 signals:
  // Any mouse button went down over a cell.
  void cellPressed(int col, int row);
  // The pointer moved over a cell, with or without a button held.
  void pointerOverCell(int col, int row);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  const PuzzleModel& model_;
};

// GridPan: the panel that holds the grid view 3 pixels in from each side with a raised bevel,
// sized to the view and placed where the model's layout says.
class GridPanel : public QFrame {
  Q_OBJECT

 public:
  GridPanel(const PuzzleModel& model, QWidget* parent = nullptr);
  GridView* view() const { return view_; }
  // Applies the model's layout and GridPresent: size, place and visibility.
  void applyLayout();

 private:
  const PuzzleModel& model_;
  GridView* view_;
};

}  // namespace glimmerset::ui
