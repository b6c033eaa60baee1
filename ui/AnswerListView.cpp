#include "AnswerListView.h"

#include <QKeyEvent>
#include <algorithm>
#include <QMouseEvent>
#include <QSignalBlocker>

#include "ColourConvert.h"

namespace glimmerset::ui {

AnswerListView::AnswerListView(QWidget* parent) : QListWidget(parent) {
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  viewport()->setCursor(Qt::PointingHandCursor);
}

void AnswerListView::SetLine(int row, const AnswerLine& line) {
  QListWidgetItem* entry = item(row);
  entry->setText(QString::fromStdString(line.Text));
  entry->setForeground(line.LineColour ? toQColor(*line.LineColour) : ListTextColour());
}

void AnswerListView::AddLine(const AnswerLine& line) {
  addItem(QString());
  SetLine(count() - 1, line);
}

void AnswerListView::ShowLines(const std::vector<AnswerLine>& lines) {
  const QSignalBlocker quiet(this);
  rebuilding_ = true;
  setUpdatesEnabled(false);
  const std::size_t kept = std::min(lines.size(), shown_.size());
  for (std::size_t i = 0; i < kept; ++i)
    if (!(lines[i] == shown_[i])) SetLine(static_cast<int>(i), lines[i]);
  while (static_cast<std::size_t>(count()) > lines.size()) delete takeItem(count() - 1);
  for (std::size_t i = kept; i < lines.size(); ++i) AddLine(lines[i]);
  shown_ = lines;
  setUpdatesEnabled(true);
  rebuilding_ = false;
}

void AnswerListView::ReportCurrentRow() {
  if (!rebuilding_ && currentRow() >= 0) emit picked(currentRow());
}

void AnswerListView::mousePressEvent(QMouseEvent* event) {
  QListWidget::mousePressEvent(event);
  if (itemAt(event->position().toPoint())) ReportCurrentRow();
}

void AnswerListView::keyPressEvent(QKeyEvent* event) {
  const int before = currentRow();
  QListWidget::keyPressEvent(event);
  if (currentRow() != before) ReportCurrentRow();
}

}  // namespace glimmerset::ui
