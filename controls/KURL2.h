#pragma once
// TKURL2: a link label. It shows its target as an underlined blue text and, when clicked, hands
// it to the desktop: a web address as it is, a mail address as "mailto:" followed by it. The
// control is 13 pixels high and as wide as its text, shows the hand pointer, and shows its hint
// over the text while ShowHint is on.

#include <QUrl>
#include <QWidget>
#include <functional>

class QLabel;

class TKURL2 : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString URLorEMAIL READ URLorEMAIL WRITE setURLorEMAIL)
  Q_PROPERTY(bool ShowHint READ ShowHint WRITE setShowHint)
  Q_PROPERTY(LinkType Choose READ Choose WRITE setChoose)

 public:
  enum class LinkType { ltURL, ltEMAIL };
  Q_ENUM(LinkType)

  // What opens a link; the desktop's handler unless a test gives its own.
  using Opener = std::function<void(const QUrl&)>;

  explicit TKURL2(QWidget* parent = nullptr);

  QString URLorEMAIL() const;
  // Sets the text and makes the control as wide as the label then is.
  void setURLorEMAIL(const QString& text);
  bool ShowHint() const { return showHint_; }
  void setShowHint(bool show);
  LinkType Choose() const { return choose_; }
  void setChoose(LinkType type) { choose_ = type; }

  // Opens the link; a failure is not reported.
  void OpenLink();
  // The address OpenLink hands on: "mailto:" and the text for a mail link, the text otherwise.
  QUrl Target() const;

  void setOpener(Opener opener) { opener_ = std::move(opener); }

  QLabel* LinkLabel = nullptr;

 protected:
  bool event(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void ShareHint();

  bool showHint_ = true;
  bool pressed_ = false;
  LinkType choose_ = LinkType::ltURL;
  Opener opener_;
};
