#pragma once
// TMarlockAboutBox: the about box as a component of the window that owns it. Its properties say
// what the about dialog shows; Execute builds the dialog (TAbout), lays it out for its logo and
// shows it. It also tells the program its own version and title, read from the running
// program's file.

#include <QObject>
#include <QString>
#include <functional>

class QDialog;

class TMarlockAboutBox : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString Title MEMBER Title)
  Q_PROPERTY(QString Version MEMBER Version)
  Q_PROPERTY(QString Copyright MEMBER Copyright)
  Q_PROPERTY(QString Author MEMBER Author)
  Q_PROPERTY(int TextLeft MEMBER TextLeft)
  Q_PROPERTY(bool TextCentered MEMBER TextCentered)
  Q_PROPERTY(QString Caption MEMBER Caption)
  Q_PROPERTY(int Height MEMBER Height)
  Q_PROPERTY(int Width MEMBER Width)
  Q_PROPERTY(int Top MEMBER Top)
  Q_PROPERTY(int Left MEMBER Left)
  Q_PROPERTY(QString Filename MEMBER Filename)
  Q_PROPERTY(QString IconFile MEMBER IconFile)
  Q_PROPERTY(bool DefaultIcon MEMBER DefaultIcon)

 public:
  // The author line shown when Author is empty.
  static const QString BuiltInAuthor;
  // The rights notice a new about box starts with.
  static const QString DefaultCopyright;

  // Shows the dialog modally; a test gives its own way of running it.
  using DialogRunner = std::function<int(QDialog&)>;

  explicit TMarlockAboutBox(QObject* parent = nullptr);

  // Builds, lays out and shows the dialog; true when it was closed with OK. Width and Height may
  // grow to fit the logo, Title and Author are filled in when empty; those changes stay.
  bool Execute();
  // The running program's version (the third version string of its file), else Version.
  QString GetVersionText() const;
  // The running program's title (the fourth version string of its file), else Version.
  QString GetTitleText() const;

  void setDialogRunner(DialogRunner runner) { runner_ = std::move(runner); }

  QString Title;
  QString Version;
  QString Copyright = DefaultCopyright;
  QString Author;
  int TextLeft = 20;
  bool TextCentered = true;
  QString Caption;
  int Height = 250;
  int Width = 230;
  int Top = 0;   // half the screen height; kept, not used for placing the dialog
  int Left = 0;  // half the screen width; kept, not used for placing the dialog
  QString Filename;
  QString IconFile;
  bool DefaultIcon = false;

 private:
  QString ProgramVersionString(int position) const;

  DialogRunner runner_;
};
