#pragma once
// LaunchFile: hands a file to the desktop with parameters and a starting folder. A program is
// started without waiting for it, in the starting folder; any other file is opened with the
// desktop's application for it. The result follows the old shell convention: above 32 is
// success, 32 or less says what failed. Paths and parameters may be of any length.

#include <QString>
#include <QUrl>
#include <functional>

// The results LaunchFile gives.
inline constexpr int LaunchStarted = 42;        // started or handed on
inline constexpr int LaunchFileNotFound = 2;    // no such file
inline constexpr int LaunchPathNotFound = 3;    // the starting folder is not there
inline constexpr int LaunchAccessDenied = 5;    // a program that would not start
inline constexpr int LaunchNoAssociation = 31;  // the desktop has nothing to open the file with

// Opens a file that is not a program; QDesktopServices::openUrl unless a test gives its own.
using DesktopOpener = std::function<bool(const QUrl&)>;

// fileName: the program or file; parameters: the program's command line, quoted as on a command
// line (empty for none); startDir: the folder the program starts in (empty: the current one);
// showCmd: how its window should show (5: normally), which the desktop decides here.
int LaunchFile(const QString& fileName, const QString& parameters, const QString& startDir, int showCmd,
               const DesktopOpener& open = {});
