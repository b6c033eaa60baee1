// LaunchFile: a program through QProcess, detached; any other file through the desktop.
#include "FmxUtils.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

// The file as given, or a bare program name found on the search path.
QString Locate(const QString& fileName) {
  if (QFileInfo::exists(fileName)) return fileName;
  if (!fileName.contains(QLatin1Char('/')) && !fileName.contains(QLatin1Char('\\')))
    return QStandardPaths::findExecutable(fileName);
  return QString();
}

}  // namespace

int LaunchFile(const QString& fileName, const QString& parameters, const QString& startDir, int /*showCmd*/,
               const DesktopOpener& open) {
  if (fileName.isEmpty()) return LaunchFileNotFound;
  const QString file = Locate(fileName);
  if (file.isEmpty()) return LaunchFileNotFound;
  if (!startDir.isEmpty() && !QFileInfo(startDir).isDir()) return LaunchPathNotFound;
  const QFileInfo info(file);
  if (info.isFile() && info.isExecutable()) {
    const bool started = QProcess::startDetached(info.absoluteFilePath(), QProcess::splitCommand(parameters), startDir);
    return started ? LaunchStarted : LaunchAccessDenied;
  }
  const QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
  const bool opened = open ? open(url) : QDesktopServices::openUrl(url);
  return opened ? LaunchStarted : LaunchNoAssociation;
}
