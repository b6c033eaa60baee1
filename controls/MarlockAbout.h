#pragma once
// TAbout: the about dialog's form: four text lines (title, rights notice, author, version), the
// logo, the OK button and a version reader. TMarlockAboutBox fills it in and lays it out; the
// form itself only holds its parts at their first places.

#include <QDialog>
#include <QPixmap>

class QLabel;
class QPushButton;
class TGetVersionInfoFromFile;

class TAbout : public QDialog {
  Q_OBJECT

 public:
  explicit TAbout(QWidget* parent = nullptr);

  // The picture the logo shows; its size, not the logo frame's, lays the dialog out.
  const QPixmap& LogoPicture() const { return logoPicture_; }
  void SetLogoPicture(const QPixmap& picture);

  // Sets a text line and sizes the label to it.
  static void SetLine(QLabel* label, const QString& text);

  // Puts the dialog in the middle of the screen it is on.
  void CentreOnScreen();

  QLabel* WTitle = nullptr;
  QLabel* WCopyright = nullptr;
  QLabel* WAuthor = nullptr;
  QLabel* WVersion = nullptr;
  QLabel* Logo = nullptr;
  QPushButton* OkButton = nullptr;
  TGetVersionInfoFromFile* GetVersion = nullptr;

 private:
  QPixmap logoPicture_;
};
