#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace glimmerset {

namespace {

QString& ProgramFolderOverride() {
  static QString path;
  return path;
}

QString DefaultProgramFolder() {
  const QString appDir = ProgramFileFolder();
  if (QFileInfo(appDir + "/Demo").isDir()) return appDir;
  const QString installed = QDir::cleanPath(appDir + "/../share/glimmerset");
  if (QFileInfo(installed + "/Demo").isDir()) return installed;
  return appDir;
}

// What follows the prefix when the path starts with it (letter case and the kind of slash aside)
// and the prefix ends at a separator or at the end; a null QString when it does not.
QString RestAfter(const QString& path, const QString& prefix) {
  QString normal = path;
  normal.replace('\\', '/');
  if (!normal.startsWith(prefix, Qt::CaseInsensitive)) return {};
  QString rest = normal.mid(prefix.size());
  if (!rest.isEmpty() && !rest.startsWith('/')) return {};
  return rest.isNull() ? QString("") : rest;
}

}  // namespace

QString ProgramFileFolder() { return QCoreApplication::applicationDirPath(); }

QString ProgramFolderPath() {
  const QString& set = ProgramFolderOverride();
  return set.isEmpty() ? DefaultProgramFolder() : set;
}

void SetProgramFolder(const QString& path) { ProgramFolderOverride() = QDir::cleanPath(path); }

QString DemoFolder() { return ResolveFileCase(ProgramFolderPath() + "/Demo") + "/"; }

QString ProgramSoundFolder() { return ResolveFileCase(ProgramFolderPath() + "/Program Files") + "/"; }

QString DefaultOcrProgram() {
#ifdef Q_OS_WIN
  return QStringLiteral("C:\\oplimit\\oplimit.exe");
#else
  const QString found = QStandardPaths::findExecutable("gimagereader-qt5");
  return found.isEmpty() ? QStringLiteral("/usr/bin/gimagereader-qt5") : found;
#endif
}

QString MapWindowsPath(const QString& path) {
  if (QString rest = RestAfter(path, "C:/oplimit/oplimit.exe"); !rest.isNull() && rest.isEmpty())
    return DefaultOcrProgram();
  if (QString rest = RestAfter(path, "D:/oplimit"); !rest.isNull())
    return QFileInfo(DefaultOcrProgram()).absolutePath() + rest;
  if (QString rest = RestAfter(path, "C:/Glimmerset"); !rest.isNull()) {
    const bool folder = rest.endsWith('/');
    QString mapped = ResolveFileCase(QDir::cleanPath(ProgramFolderPath() + rest));
    return folder ? mapped + "/" : mapped;
  }
  return path;
}

QString ResolveFileCase(const QString& path) {
  if (path.isEmpty() || QFileInfo::exists(path)) return path;
  const QFileInfo info(path);
  const QString parent = info.path();
  const QString name = info.fileName();
  if (name.isEmpty() || parent == path) return path;
  const QString realParent = ResolveFileCase(parent);
  const QDir dir(realParent);
  if (!dir.exists()) return path;
  const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  for (const QString& entry : entries)
    if (entry.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(entry);
  return path;
}

}  // namespace glimmerset
