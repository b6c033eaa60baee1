#pragma once
// SafeFile: replacing a file only once its new content is surely on the disk. The new bytes go
// to a file of their own beside the old one; every write, the flush to the system and the flush
// to the disk are checked, and only then does the new file take the old one's place. Any failure
// leaves the old file byte for byte as it was.

#include <QIODevice>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QSaveFile;

namespace glimmerset {

// Writes every byte to the device, checking each write (a short write goes on with the rest).
// For a file it then flushes its buffer and asks the system to put the file on the disk. False
// on any failure.
// Without waitForDisk the file is left to the system to put on the disk in its own time.
bool WriteAllBytes(QIODevice& device, std::string_view bytes, bool waitForDisk = true);

// The new content of one file, written in full beside it but not yet in its place.
class PendingFile {
 public:
  // Writes the bytes beside fileName. Throws CommandError "Cannot create file %s" when the file
  // cannot be made or written; nothing is replaced then.
  PendingFile(const QString& fileName, std::string_view bytes);
  ~PendingFile();
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  // Keeps what the file holds now, so that a commit can be undone.
  void KeepOldContent();
  // Puts the new file in the old one's place. Throws CommandError "Cannot create file %s".
  void Commit();
  // After a commit: puts back what the file held when KeepOldContent ran (or removes it when
  // there was none then). False when that fails.
  bool Restore();

 private:
  QString fileName_;
  std::unique_ptr<QSaveFile> file_;
  std::optional<std::string> oldBytes_;  // the old content, kept to undo a commit
  bool existed_ = true;  // until KeepOldContent knows better, a restore cannot remove the file
};

// Replaces the file with the bytes, safely. Throws CommandError "Cannot create file %s".
void ReplaceFile(const QString& fileName, std::string_view bytes);

// Replaces a set of files together: all are written before any is replaced, and when a later
// one cannot be put in place the earlier ones get their old content back. Throws the error of
// the file that failed.
void ReplaceFilesTogether(PendingFile* const* files, std::size_t count);

// For batches of files: writes each file in full beside its place (every write and the flush
// checked) before any is renamed into place, without waiting for the disk after each one; the
// batch then asks once for everything to reach the disk (SyncFolder). Throws CommandError
// "Cannot create file %s" naming the file that failed, leaving none of the new files behind.
void PlaceFilesQuickly(const std::vector<std::pair<QString, std::string>>& files);
// Asks the system to put everything written below the folder on the disk; false on failure.
bool SyncFolder(const QString& folder);

}  // namespace glimmerset
