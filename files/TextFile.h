#pragma once
// TextFile: reading and replacing the program's text files as raw 8-bit bytes, with the error
// reports the user sees when that fails.

#include <QString>
#include <string>
#include <vector>

namespace glimmerset {

// The whole file; throws CommandError "Cannot open file %s" when it cannot be opened or read.
std::string ReadFileBytes(const QString& fileName);
// The file's lines (CR LF, CR or LF; a NUL ends the text).
std::vector<std::string> ReadFileLines(const QString& fileName);
// Replaces the file with the lines, each ended by CR LF. The old file stays byte for byte as it
// was when anything fails; throws CommandError "Cannot create file %s".
void WriteFileLines(const QString& fileName, const std::vector<std::string>& lines);

// The file name as the error texts show it.
std::string DisplayName(const QString& fileName);

}  // namespace glimmerset
