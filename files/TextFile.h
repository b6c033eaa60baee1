#pragma once
// TextFile: reading and replacing the program's text files as raw 8-bit bytes, with the error
// reports the user sees when that fails. Readers take regular files only, up to a size that no
// real file of that kind reaches.

#include <QString>
#include <string>
#include <vector>

namespace glimmerset {

// What a reader takes in: the kind of file, as its refusal names it, and its largest size.
struct FileLimit {
  const char* Kind;
  qint64 MaxBytes;
};

// A 40 by 40 grid file is about 5 KB; 1 MB holds a grid of several hundred rows and columns.
inline constexpr FileLimit kGridFileLimit{"grid file", 1LL << 20};
// The largest dictionaries in common use are a few megabytes of words.
inline constexpr FileLimit kWordListLimit{"word list", 32LL << 20};
// Scanned text of a printed grid: a page of letters.
inline constexpr FileLimit kScanTextLimit{"scanned grid", 1LL << 20};

// The whole file. Throws CommandError "Cannot open file %s" when it cannot be opened or read or
// is not a regular file (a folder, a pipe, a device), and the size refusal of SizeRefusal when it
// is larger than the limit.
std::string ReadFileBytes(const QString& fileName, const FileLimit& limit);
// The file's lines (CR LF, CR or LF; a NUL ends the text).
std::vector<std::string> ReadFileLines(const QString& fileName, const FileLimit& limit);
// Replaces the file with the lines, each ended by CR LF. The old file stays byte for byte as it
// was when anything fails; throws CommandError "Cannot create file %s".
void WriteFileLines(const QString& fileName, const std::vector<std::string>& lines);

// "File %s is too large for a grid file: Glimmerset reads at most 1 MB"
std::string SizeRefusal(const QString& fileName, const FileLimit& limit);

// The file name as the error texts show it.
std::string DisplayName(const QString& fileName);

}  // namespace glimmerset
