// TGetVersionInfoFromFile: the file opened for random access, the block found and read.
#include "getver.h"

#include <QFile>
#include <QFileInfo>

#include "VersionBlock.h"
#include "VersionFile.h"

namespace {

// An open file read at offsets, a few bytes at a time.
class FileBytes : public glimmerset::ByteSource {
 public:
  explicit FileBytes(QFile& file) : file_(file), size_(static_cast<std::uint64_t>(file.size())) {}
  std::uint64_t Size() const override { return size_; }
  bool Read(std::uint64_t offset, std::size_t count, std::uint8_t* out) const override {
    if (offset > size_ || size_ - offset < count) return false;
    if (!file_.seek(static_cast<qint64>(offset))) return false;
    return file_.read(reinterpret_cast<char*>(out), static_cast<qint64>(count)) == static_cast<qint64>(count);
  }

 private:
  QFile& file_;
  std::uint64_t size_;
};

}  // namespace

TGetVersionInfoFromFile::TGetVersionInfoFromFile(QObject* parent) : QObject(parent) {}

void TGetVersionInfoFromFile::setFileName(const QString& name) {
  strings_.clear();
  categories_.clear();
  fileName_.clear();
  if (name.isEmpty() || name.size() > MaxPathLength || !QFileInfo::exists(name)) return;
  fileName_ = name;
  ReadVersionInfo();
}

void TGetVersionInfoFromFile::ReadVersionInfo() {
  QFile file(fileName_);
  if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly)) return;
  const FileBytes bytes(file);
  const std::optional<std::vector<std::uint8_t>> block = glimmerset::FindVersionBlock(bytes);
  if (!block) return;
  const glimmerset::VersionEntries entries = glimmerset::ReadVersionEntries(*block);
  for (std::size_t i = 0; i < entries.Categories.size(); ++i) {
    categories_ << QString::fromStdString(entries.Categories[i]);
    strings_ << QString::fromUtf16(entries.Values[i].data(), static_cast<qsizetype>(entries.Values[i].size()));
  }
}
