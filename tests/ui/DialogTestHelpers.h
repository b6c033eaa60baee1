#pragma once
// Small helpers for the dialog tests: typing a line and pressing a key, clicking a widget at
// its centre.

#include <QTest>
#include <QWidget>

namespace dialogtest {

inline void TypeLine(QWidget* box, const QString& text, Qt::Key key = Qt::Key_Return) {
  QTest::keyClicks(box, text);
  QTest::keyClick(box, key);
}

inline void ClickCentre(QWidget* widget) {
  QTest::mouseClick(widget, Qt::LeftButton, Qt::KeyboardModifiers(), widget->rect().center());
}

}  // namespace dialogtest
