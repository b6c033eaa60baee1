#include "TextFile.h"

#include <QFile>
#include <QFileInfo>

#include "SafeFile.h"
#include "TextLines.h"
#include "core/CommandError.h"

namespace glimmerset {

std::string DisplayName(const QString& fileName) { return fileName.toStdString(); }

std::string SizeRefusal(const QString& fileName, const FileLimit& limit) {
  return "File " + DisplayName(fileName) + " is too large for a " + limit.Kind + ": Glimmerset reads at most " +
         std::to_string(limit.MaxBytes >> 20) + " MB";
}

std::string ReadFileBytes(const QString& fileName, const FileLimit& limit) {
  const auto cannotOpen = [&fileName] { return CommandError("Cannot open file " + DisplayName(fileName)); };
  // A pipe would wait for ever and a device never end: only regular files are read.
  const QFileInfo info(fileName);
  if (!info.isFile()) throw cannotOpen();
  if (info.size() > limit.MaxBytes) throw CommandError(SizeRefusal(fileName, limit));
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) throw cannotOpen();
  // A file that grows while it is read is held to the limit as well.
  const QByteArray bytes = file.read(limit.MaxBytes + 1);
  if (file.error() != QFileDevice::NoError) throw cannotOpen();
  if (bytes.size() > limit.MaxBytes) throw CommandError(SizeRefusal(fileName, limit));
  return bytes.toStdString();
}

std::vector<std::string> ReadFileLines(const QString& fileName, const FileLimit& limit) {
  return SplitTextLines(ReadFileBytes(fileName, limit));
}

void WriteFileLines(const QString& fileName, const std::vector<std::string>& lines) {
  ReplaceFile(fileName, JoinTextLines(lines));
}

}  // namespace glimmerset
