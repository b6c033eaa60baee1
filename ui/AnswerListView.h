#pragma once
// AnswerListView: the answer list AList, one line per answer, each in its own colour. It shows the
// model's lines and reports only the user's own moves of the current line as picks; the program's
// rebuilds of the list never count as picks.

#include <QListWidget>
#include <vector>

#include "core/PuzzleModel.h"

namespace glimmerset::ui {

class AnswerListView : public QListWidget {
  Q_OBJECT

 public:
  explicit AnswerListView(QWidget* parent = nullptr);

  // Brings the shown lines in step with the model's; appends when only lines were added.
  void ShowLines(const std::vector<AnswerLine>& lines);
  // The colour of lines that carry none of their own.
  QColor ListTextColour() const { return Qt::white; }

 signals:
  // The user put the caret on a line (0 is the first).
  void picked(int line);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void AddLine(const AnswerLine& line);
  void SetLine(int row, const AnswerLine& line);
  void ReportCurrentRow();

  std::vector<AnswerLine> shown_;
  bool rebuilding_ = false;
};

}  // namespace glimmerset::ui
