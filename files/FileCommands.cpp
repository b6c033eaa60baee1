#include "FileCommands.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "AnswerFile.h"
#include "Demos.h"
#include "GridFile.h"
#include "GridText.h"
#include "PairFile.h"
#include "ProgramFolder.h"
#include "SafeFile.h"
#include "ScanImport.h"
#include "TextLines.h"

namespace glimmerset {

namespace {
const QString kGridFilter = QStringLiteral("Glimmerset files|*.glm|All files|*.*");
const QString kAnswerFilter = QStringLiteral("ASCII [*.txt]|*.txt|Answer Files [*.ans]|*.ans|All Files [*.*]|*.*");
const QString kScanFilter = QStringLiteral("Scanned Grid File [*.txt]|*.txt|All Files [*.*]|*.*");

bool IsFile(const QString& name) { return !name.isEmpty() && QFileInfo(name).isFile(); }
}  // namespace

QString WithExtension(const QString& fileName, const QString& extension) {
  const qsizetype separator = std::max(fileName.lastIndexOf('/'), fileName.lastIndexOf('\\'));
  const qsizetype dot = fileName.lastIndexOf('.');
  const QString stem = dot > separator ? fileName.left(dot) : fileName;
  return stem + extension;
}

QString WritableStartFolder(const QString& folder) {
  const QFileInfo info(folder);
  if (info.isDir() && info.isWritable()) return folder;
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

FileCommands::FileCommands(Session& session, ProgramSettings& settings, FileChooser& chooser, ProgramLauncher launcher)
    : session_(session), settings_(settings), chooser_(chooser), launcher_(std::move(launcher)) {}

void FileCommands::EnableGridCommands(bool find) {
  CommandState& commands = session_.Model.Commands;
  commands.PlayEnabled = true;
  commands.SolveEnabled = true;
  if (find) commands.FindEnabled = true;
  commands.EditGridEnabled = true;
  session_.CommandsChanged();
}

void FileCommands::LoadGridClk() {
  const auto name = chooser_.OpenFile(
      MakeFileRequest("Load Glimmerset", kGridFilter, 0, "glm", MapWindowsPath("C:\\glimmerset"), "search"));
  if (!name) return;
  ReadGridFile(session_, settings_, *name);
  EnableGridCommands(true);
}

void FileCommands::SaveGridClick() {
  if (session_.Model.Grid.RowCount() < 2) {
    session_.Message("No Grid to save");
    return;
  }
  const auto name = chooser_.SaveFile(MakeFileRequest(
      "Save Glimmerset", kGridFilter, 0, "glm", WritableStartFolder(MapWindowsPath("C:\\Glimmerset")), "search"));
  if (!name) return;
  WriteGridFile(session_.Model.Grid, *name);
}

void FileCommands::LoadAnswerListClick() {
  settings_.AsciDir = DemoFolder();
  const auto name = chooser_.OpenFile(MakeFileRequest("Load Answer List", kAnswerFilter, 1, "txt", settings_.AsciDir));
  if (!name) return;
  ReadAnswerFile(session_, settings_, *name);
}

void FileCommands::SaveAnswersClick() {
  const auto name = chooser_.SaveFile(MakeFileRequest(QString(), "Answer Files [*.ans]|*.ans", 0, "ans",
                                                      WritableStartFolder(MapWindowsPath("C:\\Glimmerset"))));
  if (!name) return;
  WriteAnswerFile(session_.Model.AnswersList, *name);
  settings_.AnswerFileName = *name;
}

void FileCommands::SaveGlimmersetClick() {
  const QString folder = settings_.GridFileName.isEmpty() ? QString() : QFileInfo(settings_.GridFileName).absolutePath();
  const auto name = chooser_.SaveFile(MakeFileRequest("Save Glimmerset", QString(), 0, QString(),
                                                      WritableStartFolder(folder), QString(), true));
  if (!name) return;
  const QString answerFile = WithExtension(*name, ".ans");
  const QString gridFile = WithExtension(*name, ".glm");
  // The pair is remembered only once both files are in place.
  WritePuzzlePair(session_.Model.Grid, session_.Model.AnswersList, gridFile, answerFile);
  settings_.AnswerFileName = answerFile;
  settings_.GridFileName = gridFile;
}

void FileCommands::LoadGlimmersetClick() {
  const QString answers = ResolveFileCase(settings_.AnswerFileName);
  if (IsFile(answers))
    ReadAnswerFile(session_, settings_, answers);
  else
    session_.Message("Unable to load Answer file " + settings_.AnswerFileName.toStdString());
  const QString grid = ResolveFileCase(settings_.GridFileName);
  if (IsFile(grid)) {
    ReadGridFile(session_, settings_, grid);
    EnableGridCommands(false);
  } else {
    session_.Message("Unable to load Glimmerset " + settings_.GridFileName.toStdString());
  }
}

void FileCommands::LoadLastClick() { settings_.LoadLast = !settings_.LoadLast; }

void FileCommands::Demo1Click(const std::function<void()>& solve) {
  session_.Message("Glimmerset will load the demonstration Glimmerset\nCity's, The glimmerset will then be solved");
  LoadCityDemo(session_, settings_);
  if (solve) solve();
  session_.Message("Now you can Clear the answers and try to solve it yourself !");
}

void FileCommands::DemoBtnClick() { session_.Model.GameRunning = false; }

void FileCommands::LoadDemo(int tag) { LoadDemoPair(session_, settings_, tag); }

void FileCommands::LoadGridScan() {
  const auto name = chooser_.OpenFile(MakeFileRequest(QString(), kScanFilter, 0, "txt", scanFolder_));
  if (!name) return;
  scanFolder_ = QFileInfo(*name).absolutePath();
  ImportScannedGrid(session_, *name);
}

void FileCommands::LoadAnswerScan() {
  settings_.AsciDir = DemoFolder();
  const auto name = chooser_.OpenFile(MakeFileRequest("Load Answer Scan", kAnswerFilter, 0, "txt", settings_.AsciDir));
  if (!name) return;
  ReadAnswerFile(session_, settings_, *name);
}

void FileCommands::OCRSoftwareClick() {
#ifdef Q_OS_WIN
  FileDialogRequest request = MakeFileRequest("Optical Character Recognition ", "OCR Applications [*.exe]|*.exe", 0,
                                              "exe", MapWindowsPath("D:\\oplimit"), "Oplimit.exe");
#else
  // Programs here carry no .exe: every file is offered, the default program's name first.
  FileDialogRequest request = MakeFileRequest("Optical Character Recognition ", "OCR Applications [*.exe]|*.exe", 0,
                                              QString(), MapWindowsPath("D:\\oplimit"),
                                              QFileInfo(DefaultOcrProgram()).fileName());
  request.Filters = QStringList{"OCR Applications (*)"};
#endif
  const auto name = chooser_.OpenFile(request);
  if (!name) return;
  settings_.OcrProgram = *name;
}

void FileCommands::CaptureClick() {
  if (launcher_) launcher_(settings_.OcrProgram, QString(), ProgramFileFolder() + "/", 5);
}

void FileCommands::LoadGivenPuzzle(const QString& gridFile) {
  // The answer file is optional: a grid may come without a list, so its absence is no fault.
  const QString answers = ResolveFileCase(WithExtension(gridFile, ".ans"));
  if (IsFile(answers)) ReadAnswerFile(session_, settings_, answers);
  const QString grid = ResolveFileCase(gridFile);
  if (IsFile(grid)) {
    ReadGridFile(session_, settings_, grid);
    EnableGridCommands(false);
  } else {
    session_.Message("Unable to load Glimmerset " + gridFile.toStdString());
  }
}

}  // namespace glimmerset
