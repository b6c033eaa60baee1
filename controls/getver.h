#pragma once
// TGetVersionInfoFromFile: reads the string entries of a program file's version information into
// two parallel lists, the names (VersionCategories) and their values (VersionStrings). The block
// is found in an ELF section or in a Windows program's resources; the file is never read whole.
// Setting fileName reads the file; a file without usable version information gives empty lists.

#include <QObject>
#include <QString>
#include <QStringList>

class TGetVersionInfoFromFile : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString fileName READ fileName WRITE setFileName)
  Q_PROPERTY(QStringList VersionStrings READ VersionStrings WRITE setVersionStrings)
  Q_PROPERTY(QStringList VersionCategories READ VersionCategories WRITE setVersionCategories)

 public:
  // Paths longer than this are refused.
  static constexpr int MaxPathLength = 256;

  explicit TGetVersionInfoFromFile(QObject* parent = nullptr);

  QString fileName() const { return fileName_; }
  // Empties both lists; an existing file's name is kept and the file read, any other name
  // (also one longer than MaxPathLength) leaves the name empty.
  void setFileName(const QString& name);

  QStringList VersionStrings() const { return strings_; }
  QStringList VersionCategories() const { return categories_; }
  // The lists are filled only by reading a file: writing them does nothing.
  void setVersionStrings(const QStringList&) {}
  void setVersionCategories(const QStringList&) {}

 private:
  void ReadVersionInfo();

  QString fileName_;
  QStringList strings_;
  QStringList categories_;
};
