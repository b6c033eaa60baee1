#include "AnswerListView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

#include "QtColour.h"

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
  entry->setForeground(line.LineColour ? ToQColor(*line.LineColour) : ListTextColour());
}

void AnswerListView::AddLine(const AnswerLine& line) {
  addItem(QString());
  SetLine(count() - 1, line);
}

void AnswerListView::ShowLines(const std::vector<AnswerLine>& lines) {
  const QSignalBlocker quiet(this);
  rebuilding_ = true;
  const bool onlyAppended = lines.size() >= shown_.size() && (shown_.empty() || lines[shown_.size() - 1] == shown_.back());
  if (!onlyAppended) {
    if (lines.size() != shown_.size()) {
      clear();
      shown_.clear();
    } else {
      // Same length: recolour or rewrite the lines that differ.
      for (std::size_t i = 0; i < lines.size(); ++i)
        if (!(lines[i] == shown_[i])) SetLine(static_cast<int>(i), lines[i]);
      shown_ = lines;
    }
  }
  setUpdatesEnabled(false);
  for (std::size_t i = shown_.size(); i < lines.size(); ++i) {
    AddLine(lines[i]);
    shown_.push_back(lines[i]);
  }
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
