#pragma once
// WindowBackground: the main window's client area, black, covered by the background picture
// Image1 stretched to its whole size.

#include <QPixmap>
#include <QWidget>

namespace glimmerset::ui {

class WindowBackground : public QWidget {
  Q_OBJECT

 public:
  explicit WindowBackground(QWidget* parent = nullptr);
  void setPicture(const QPixmap& picture);
  const QPixmap& picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
};

}  // namespace glimmerset::ui
