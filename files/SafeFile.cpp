#include "SafeFile.h"

#include <QFileDevice>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "TextFile.h"
#include "core/CommandError.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace glimmerset {

namespace {

// The old content is kept for an undo only up to this size; a bigger file cannot be put back.
constexpr qint64 kMaxKeptBytes = 64LL * 1024 * 1024;

[[noreturn]] void CannotCreate(const QString& fileName) {
  throw CommandError("Cannot create file " + DisplayName(fileName));
}

// Asks the system to put the file's data on the disk; a file system that cannot do so is fine.
bool SyncToDisk(QFileDevice& file) {
#ifdef Q_OS_UNIX
  const int handle = file.handle();
  if (handle < 0) return true;
  if (::fsync(handle) == 0) return true;
  return errno == EINVAL || errno == ENOTSUP || errno == EROFS;
#else
  Q_UNUSED(file);
  return true;
#endif
}

std::optional<std::string> OldContent(const QString& fileName) {
  const QFileInfo info(fileName);
  if (!info.isFile() || info.size() > kMaxKeptBytes) return std::nullopt;
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError || bytes.size() != info.size()) return std::nullopt;
  return bytes.toStdString();
}

}  // namespace

bool WriteAllBytes(QIODevice& device, std::string_view bytes, bool waitForDisk) {
  const char* next = bytes.data();
  qint64 left = static_cast<qint64>(bytes.size());
  while (left > 0) {
    const qint64 written = device.write(next, left);
    if (written <= 0) return false;
    next += written;
    left -= written;
  }
  if (auto* file = qobject_cast<QFileDevice*>(&device)) {
    if (!file->flush() || file->error() != QFileDevice::NoError) return false;
    if (waitForDisk && !SyncToDisk(*file)) return false;
  }
  return true;
}

PendingFile::PendingFile(const QString& fileName, std::string_view bytes)
    : fileName_(fileName), file_(std::make_unique<QSaveFile>(fileName)) {
  if (QFileInfo(fileName).isDir()) CannotCreate(fileName);
  file_->setDirectWriteFallback(false);
  if (!file_->open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !WriteAllBytes(*file_, bytes)) {
    file_->cancelWriting();
    CannotCreate(fileName);
  }
}

void PendingFile::KeepOldContent() {
  existed_ = QFileInfo::exists(fileName_);
  oldBytes_ = OldContent(fileName_);
}

PendingFile::~PendingFile() = default;

void PendingFile::Commit() {
  // QSaveFile may still report success after a failed write: its error state decides.
  if (file_->error() != QFileDevice::NoError) {
    file_->cancelWriting();
    CannotCreate(fileName_);
  }
  if (!file_->commit()) CannotCreate(fileName_);
}

bool PendingFile::Restore() {
  if (!existed_) return QFile::remove(fileName_);
  if (!oldBytes_) return false;
  try {
    ReplaceFile(fileName_, *oldBytes_);
  } catch (const CommandError&) {
    return false;
  }
  return true;
}

void ReplaceFile(const QString& fileName, std::string_view bytes) { PendingFile(fileName, bytes).Commit(); }

void ReplaceFilesTogether(PendingFile* const* files, std::size_t count) {
  // The last one is never undone: only the ones before it keep their old content.
  for (std::size_t i = 0; i + 1 < count; ++i) files[i]->KeepOldContent();
  for (std::size_t i = 0; i < count; ++i) {
    try {
      files[i]->Commit();
    } catch (const CommandError&) {
      for (std::size_t done = i; done > 0; --done) files[done - 1]->Restore();
      throw;
    }
  }
}

void PlaceFilesQuickly(const std::vector<std::pair<QString, std::string>>& files) {
  // A file that is not there yet is written in its place (and removed again on failure); one
  // that is there gets its new content beside it, renamed over it once every file is written, so
  // there is no moment without either.
  std::vector<QString> written;
  const auto removeWritten = [&written] {
    for (const QString& file : written) QFile::remove(file);
  };
  for (const auto& [fileName, bytes] : files) {
    const QFileInfo target(fileName);
    if (target.isDir()) {
      removeWritten();
      CannotCreate(fileName);
    }
    const QString place = target.exists() ? fileName + QStringLiteral(".part") : fileName;
    QFile file(place);
    const bool opened = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered | QIODevice::NewOnly);
    if (opened) written.push_back(place);
    if (!opened || !WriteAllBytes(file, bytes, false)) {
      file.close();
      removeWritten();
      CannotCreate(fileName);
    }
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (written[i] == files[i].first) continue;
    std::error_code failed;
    std::filesystem::rename(QFile::encodeName(written[i]).toStdString(), QFile::encodeName(files[i].first).toStdString(), failed);
    if (failed) {
      removeWritten();
      CannotCreate(files[i].first);
    }
  }
}

bool SyncFolder(const QString& folder) {
#ifdef Q_OS_UNIX
  const int handle = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (handle < 0) return false;
  const bool synced = ::syncfs(handle) == 0;
  ::close(handle);
  return synced;
#else
  Q_UNUSED(folder);
  return true;
#endif
}

}  // namespace glimmerset
