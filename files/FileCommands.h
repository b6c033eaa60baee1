#pragma once
// FileCommands: the File menu's commands and the other commands that load or save puzzle files:
// grid files, answer lists, the puzzle pair, the last puzzle, the demos, scanned text and the OCR
// program. Each asks the FileChooser for a file name where a dialog is shown; failures end the
// command with a CommandError carrying the exact text, which the window shows.

#include <QString>
#include <functional>

#include "FileChooser.h"
#include "ProgramSettings.h"
#include "core/Session.h"

namespace glimmerset {

// Hands a file to the desktop to run: file, parameters, working folder, show mode (5: normal).
using ProgramLauncher =
    std::function<void(const QString& file, const QString& parameters, const QString& folder, int showMode)>;

class FileCommands {
 public:
  FileCommands(Session& session, ProgramSettings& settings, FileChooser& chooser, ProgramLauncher launcher = {});

  // File > Load Glimmerset Grid: reads the chosen grid, then enables Play, Solve, Find and EDIT.
  void LoadGridClk();
  // File > Save Word Grid: "No Grid to save" for a grid of fewer than two rows.
  void SaveGridClick();
  // File > Load Answer List: reads the chosen list; its folder starts at the Demo folder.
  void LoadAnswerListClick();
  // File > Save Answer List: writes the answer entry dialog's list.
  void SaveAnswersClick();
  // File > Save Glimmerset: writes grid and answers as name.glm and name.ans; cancel writes nothing.
  void SaveGlimmersetClick();
  // File > Load Glimmerset, and the start-up when Load Last is ticked: loads the remembered pair.
  void LoadGlimmersetClick();
  // Options > Load Last Glimmerset: toggles the tick.
  void LoadLastClick();
  // Options > Demo: loads the capital-cities demo, solves it through solve, and says so.
  void Demo1Click(const std::function<void()>& solve);
  // The Demos button, before the chooser opens: the running game ends.
  void DemoBtnClick();
  // A demo button of the chooser (OvalButton1Click), by its tag.
  void LoadDemo(int tag);
  // File > Load Grid Scan: takes in a scanned grid.
  void LoadGridScan();
  // File > Load Answer Scan: reads a scanned word list.
  void LoadAnswerScan();
  // Options > OCR Software: chooses the OCR program.
  void OCRSoftwareClick();
  // File > Capture and its twins: starts the OCR program without waiting for it.
  void CaptureClick();
  // The grid file named when the program was started, loaded after the start-up in place of the
  // last puzzle: the answer file of the same name beside it first, when there is one, then the
  // grid, with Load Glimmerset's message when the grid is missing.
  void LoadGivenPuzzle(const QString& gridFile);

  // The scanned-grid dialog's starting folder: empty at start, then the folder of the last import.
  const QString& ScanFolder() const { return scanFolder_; }

 private:
  void EnableGridCommands(bool find);

  Session& session_;
  ProgramSettings& settings_;
  FileChooser& chooser_;
  ProgramLauncher launcher_;
  QString scanFolder_;
};

// The pair's file names: the chosen name with its extension (from the last dot after the last
// separator) replaced, or appended when it has none.
QString WithExtension(const QString& fileName, const QString& extension);

// The folder where a save dialog starts: the folder itself when it can be written, else the
// user's documents folder.
QString WritableStartFolder(const QString& folder);

}  // namespace glimmerset
