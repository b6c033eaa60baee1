#include "TextFile.h"

#include <QFile>
#include <QFileInfo>

#include "SafeFile.h"
#include "TextLines.h"
#include "core/CommandError.h"

namespace glimmerset {

std::string DisplayName(const QString& fileName) { return fileName.toStdString(); }

std::string ReadFileBytes(const QString& fileName) {
  QFile file(fileName);
  if (QFileInfo(fileName).isDir() || !file.open(QIODevice::ReadOnly))
    throw CommandError("Cannot open file " + DisplayName(fileName));
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) throw CommandError("Cannot open file " + DisplayName(fileName));
  return bytes.toStdString();
}

std::vector<std::string> ReadFileLines(const QString& fileName) { return SplitTextLines(ReadFileBytes(fileName)); }

void WriteFileLines(const QString& fileName, const std::vector<std::string>& lines) {
  ReplaceFile(fileName, JoinTextLines(lines));
}

}  // namespace glimmerset
