// TKURL2: the label inside, the hint it shares, the click and the address handed on.
#include "KURL2.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>

namespace {
constexpr int ControlHeight = 13;
}

TKURL2::TKURL2(QWidget* parent) : QWidget(parent) {
  LinkLabel = new QLabel(this);
  LinkLabel->setObjectName(QStringLiteral("LinkLabel"));
  QPalette blue = LinkLabel->palette();
  blue.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0xFF));  // 0xFF0000 in the program's colour form
  LinkLabel->setPalette(blue);
  QFont underlined = LinkLabel->font();
  underlined.setUnderline(true);
  LinkLabel->setFont(underlined);
  LinkLabel->move(0, 0);
  setCursor(Qt::PointingHandCursor);
  setToolTip(QStringLiteral("Put here the Hint for your site link!"));
  setURLorEMAIL(QStringLiteral("http://www.glimmerset.example.org"));
}

QString TKURL2::URLorEMAIL() const { return LinkLabel->text(); }

void TKURL2::setURLorEMAIL(const QString& text) {
  LinkLabel->setText(text);
  LinkLabel->adjustSize();
  resize(LinkLabel->width(), ControlHeight);
}

void TKURL2::setShowHint(bool show) {
  showHint_ = show;
  ShareHint();
}

void TKURL2::ShareHint() { LinkLabel->setToolTip(showHint_ ? toolTip() : QString()); }

bool TKURL2::event(QEvent* event) {
  if (event->type() == QEvent::ToolTipChange) ShareHint();
  // With the hint off nothing is shown, not even the control's own hint around the label.
  if (event->type() == QEvent::ToolTip && !showHint_) return true;
  return QWidget::event(event);
}

void TKURL2::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
}

void TKURL2::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click) OpenLink();
}

QUrl TKURL2::Target() const {
  const QString text = URLorEMAIL();
  if (choose_ == LinkType::ltEMAIL) return QUrl(QStringLiteral("mailto:") + text);
  return QUrl::fromUserInput(text);
}

void TKURL2::OpenLink() {
  const QUrl target = Target();
  if (opener_)
    opener_(target);
  else
    QDesktopServices::openUrl(target);
}
