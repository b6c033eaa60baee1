// TMarlockAboutBox: filling in, laying out and showing the about dialog, and the program's own
// version strings.
#include "MarlockAboutBox.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "MarlockAbout.h"
#include "getver.h"

const QString TMarlockAboutBox::BuiltInAuthor = QStringLiteral("Written by Marlock");
const QString TMarlockAboutBox::DefaultCopyright = QStringLiteral("All rights reserved");

TMarlockAboutBox::TMarlockAboutBox(QObject* parent) : QObject(parent) {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    Top = screen->geometry().height() / 2;
    Left = screen->geometry().width() / 2;
  }
}

bool TMarlockAboutBox::Execute() {
  TAbout form(qobject_cast<QWidget*>(parent()));
  if (Title.isEmpty()) Title = QGuiApplication::applicationDisplayName();
  form.setWindowTitle(Caption);
  form.GetVersion->setFileName(Filename);
  if (Author.isEmpty()) Author = BuiltInAuthor;
  const QStringList values = form.GetVersion->VersionStrings();
  TAbout::SetLine(form.WVersion, values.size() > 2 ? QStringLiteral("Version ") + values[2] : Version);
  TAbout::SetLine(form.WTitle, Title);
  TAbout::SetLine(form.WCopyright, Copyright);
  TAbout::SetLine(form.WAuthor, Author);

  if (!DefaultIcon) {
    if (IconFile.isEmpty()) {
      form.SetLogoPicture(QApplication::windowIcon().pixmap(32, 32));
    } else {
      // A file that is not a picture leaves the built-in logo.
      const QPixmap picture(IconFile);
      if (!picture.isNull()) form.SetLogoPicture(picture);
    }
  }

  const int pictureWidth = form.LogoPicture().width();
  const int pictureHeight = form.LogoPicture().height();
  if (pictureWidth >= Width) Width = pictureWidth + 8;
  if (Width < 120) Width = 120;
  if (pictureHeight + 150 > Height) Height = pictureHeight + 150;
  form.OkButton->move(form.OkButton->x(), pictureHeight + 90);
  form.setFixedSize(Width, Height);

  for (QLabel* line : {form.WTitle, form.WAuthor, form.WCopyright, form.WVersion})
    line->move(TextCentered ? form.width() / 2 - line->width() / 2 : TextLeft, line->y());

  form.Logo->move(form.width() / 2 - pictureWidth / 2, form.Logo->y());
  form.OkButton->resize(form.width() - 60, form.OkButton->height());
  form.OkButton->move(form.width() / 2 - form.OkButton->width() / 2, form.OkButton->y());

  form.CentreOnScreen();
  const int result = runner_ ? runner_(form) : form.exec();
  return result == QDialog::Accepted;
}

QString TMarlockAboutBox::ProgramVersionString(int position) const {
  TGetVersionInfoFromFile reader;
  reader.setFileName(QCoreApplication::applicationFilePath());
  const QStringList values = reader.VersionStrings();
  return values.size() > position ? values[position] : Version;
}

QString TMarlockAboutBox::GetVersionText() const { return ProgramVersionString(2); }

QString TMarlockAboutBox::GetTitleText() const { return ProgramVersionString(3); }
