#pragma once
// TOvalButton: the program's command button, a filled ellipse in a face colour of its own with a
// centred caption, an optional glyph beside it, an optional raised, lowered or shadowed caption,
// and a sunken look while pressed. It takes no keyboard focus; outside the ellipse the parent
// shows through, and only presses inside the ellipse count.

#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>

class QPainter;
class QShortcut;

class TOvalButton : public QWidget {
  Q_OBJECT

 public:
  enum class TextStyle { txNone, txLowered, txRaised, txShadowed };
  enum class BmpLayout { lyLeft, lyRight, lyCenter };

  static constexpr int MaximumExtent = 145;

  explicit TOvalButton(QWidget* parent = nullptr);
  TOvalButton(const QString& caption, QWidget* parent = nullptr);

  QString caption() const { return caption_; }
  void setCaption(const QString& caption);

  // Effects
  QColor faceColor() const { return faceColor_; }
  void setFaceColor(const QColor& colour);
  TextStyle textStyle() const { return textStyle_; }
  void setTextStyle(TextStyle style);

  // The caption's colour when enabled (the font's colour).
  QColor textColor() const { return textColor_; }
  void setTextColor(const QColor& colour);

  // Glyphs
  QPixmap glyph() const { return glyph_; }
  void setGlyph(const QPixmap& glyph);
  BmpLayout glyphLayout() const { return layout_; }
  void setGlyphLayout(BmpLayout layout);
  int distance() const { return distance_; }
  void setDistance(int pixels);  // negative values are stored as 0

  // Where the glyph's and the caption's top-left corners go on a button of the given size.
  struct Placement {
    QPoint glyph;
    QPoint caption;
  };
  static Placement placeContent(BmpLayout layout, QSize button, QSize glyph, QSize caption, int distance);
  // The pressed face: each of red, green and blue reduced by 10, not below 0.
  static QColor darkenedFace(const QColor& face);
  // The caption's width and height in the button's font, the accelerator marker not counted.
  QSize captionSize() const;

  bool isPressed() const { return pressed_; }
  // Whether a point of the control lies in the ellipse inscribed in (0, 0, width, height).
  bool hitTest(const QPoint& point) const;

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QString caption_;
  QColor faceColor_{0x80, 0x80, 0x80};
  QColor textColor_{Qt::black};
  TextStyle textStyle_ = TextStyle::txNone;
  QPixmap glyph_;
  BmpLayout layout_ = BmpLayout::lyLeft;
  int distance_ = 0;
  bool pressed_ = false;
  bool mouseInside_ = false;
  QShortcut* accelerator_ = nullptr;

  void paintFace(QPainter& painter) const;
  void paintGlyph(QPainter& painter, QPoint topLeft) const;
  void paintCaption(QPainter& painter, QPoint topLeft) const;
  void updateAccelerator();
  void enforceSizeLimit();
};
