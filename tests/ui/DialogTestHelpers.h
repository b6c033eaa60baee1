#pragma once
// Small helpers for the dialog tests: typing a line and pressing a key, clicking a widget at
// its centre.

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace dialogtest {

inline void TypeLine(QWidget* box, const QString& text, Qt::Key key = Qt::Key_Return) {
  QTest::keyClicks(box, text);
  QTest::keyClick(box, key);
}

// Makes the window the active one, so that clicks and keys reach it as a user's would.
inline bool Activate(QWidget* window) {
  window->show();
  window->activateWindow();
  return QTest::qWaitForWindowActive(window);
}

// Types the text where the keyboard focus is, as a user does who just goes on typing.
inline void TypeWhereTheFocusIs(const QString& text) {
  if (QWidget* focus = QApplication::focusWidget()) QTest::keyClicks(focus, text);
}

inline void ClickCentre(QWidget* widget) {
  QTest::mouseClick(widget, Qt::LeftButton, Qt::KeyboardModifiers(), widget->rect().center());
}

}  // namespace dialogtest
