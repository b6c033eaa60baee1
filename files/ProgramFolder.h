#pragma once
// ProgramFolder: where the program's own files live and how the Windows paths that the program's
// defaults name reach them. The program folder holds Demo/ and "Program Files/" (sounds and
// help): the executable's folder in the build tree, <prefix>/share/glimmerset when installed.
// File names that the program spells in two letter cases reach the same file on a case-sensitive
// file system through ResolveFileCase.

#include <QString>

namespace glimmerset {

// The program folder, without a trailing separator.
QString ProgramFolderPath();
// Sets the program folder (tests); an empty path goes back to the default.
void SetProgramFolder(const QString& path);
// The folder of the executable itself, without a trailing separator.
QString ProgramFileFolder();

// The Demo folder, ending with a separator.
QString DemoFolder();
// The folder of the sound files ("Program Files" in the program folder), ending with a separator.
QString ProgramSoundFolder();
// The OCR program started when no other was chosen; on Linux gImageReader.
QString DefaultOcrProgram();

// A Windows path of the program's defaults as a real path: "C:\Glimmerset" (any case) and what lies
// below it map into the program folder, "C:\oplimit\oplimit.exe" to DefaultOcrProgram() and
// "D:\oplimit" to its folder. Any other path comes back unchanged.
QString MapWindowsPath(const QString& path);

// The existing file or folder whose path equals this one ignoring letter case, component by
// component; the path itself when it exists or when nothing matches.
QString ResolveFileCase(const QString& path);

}  // namespace glimmerset
