#pragma once
// WordBox: the one-line word box "word": typed letters turn to upper case, at most 30 characters,
// 20 to 300 pixels wide, skipped by the Tab key. It reports the keys the Find command listens for.

#include <QLineEdit>

namespace glimmerset::ui {

class WordBox : public QLineEdit {
  Q_OBJECT

 public:
  static constexpr int MaximumCharacters = 30;
  // The key code of the Enter key, as the word box's key handler receives it.
  static constexpr int ReturnKey = 13;

  explicit WordBox(QWidget* parent = nullptr);

 signals:
  // A key went down; Enter arrives as ReturnKey, other keys with their Qt key code.
  void keyDown(int key);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace glimmerset::ui
