// The file commands as the window runs them: what each dialog is asked, what cancelling leaves,
// and what each command changes.
#include <QFileInfo>

#include "FileTestSupport.h"
#include "files/AnswerFile.h"
#include "files/Demos.h"
#include "files/FileCommands.h"
#include "files/GridFile.h"
#include "files/ProgramFolder.h"

namespace glimmerset {
namespace {

using testing::FileTest;
using testing::QueuedChooser;
using Rows = std::vector<std::string>;

class FileCommandsTest : public FileTest {
 protected:
  QueuedChooser chooser;
  struct Launch {
    QString file, parameters, folder;
    int showMode;
  };
  std::vector<Launch> launches;
  FileCommands commands{session, settings, chooser,
                        [this](const QString& f, const QString& p, const QString& d, int m) {
                          launches.push_back({f, p, d, m});
                        }};

  void SetUp() override {
    // A program folder of the test's own, with a Demo folder holding the capital cities.
    QDir(dir.path()).mkpath("program/Demo");
    SetProgramFolder(Path("program"));
  }
  void TearDown() override { SetProgramFolder(QString()); }

  std::string GridText2x2() const { return "2\r\n2\r\nA\r\nB\r\n\r\nC\r\nD\r\n\r\n\r\n\r\n\r\n"; }
};

TEST_F(FileCommandsTest, WindowsFiltersBecomeQtFilters) {
  EXPECT_EQ(QtFilters("Glimmerset files|*.glm|All files|*.*"),
            (QStringList{"Glimmerset files (*.glm)", "All files (*)"}));
  EXPECT_EQ(QtFilters("Pictures|*.bmp;*.jpg"), (QStringList{"Pictures (*.bmp *.jpg)"}));
  EXPECT_EQ(QtFilters(""), QStringList{});
  const FileDialogRequest request = MakeFileRequest("T", "A|*.a|B|*.b", 1, "b", "/x");
  EXPECT_EQ(request.QtFilter(), "A (*.a);;B (*.b)");
  EXPECT_EQ(request.SelectedFilterText(), "B (*.b)");
}

TEST_F(FileCommandsTest, PairNamesReplaceOrAppendTheExtension) {
  const std::vector<std::tuple<QString, QString>> cases = {
      {"/puzzles/zoo", "/puzzles/zoo.ans"},
      {"zoo.txt", "zoo.ans"},
      {"/a.b/zoo", "/a.b/zoo.ans"},
      {"C:\\Puzzles\\zoo", "C:\\Puzzles\\zoo.ans"},
      {"C:\\Pu.zzles\\zoo.glm", "C:\\Pu.zzles\\zoo.ans"},
      {"/p/zoo.tar.gz", "/p/zoo.tar.ans"},
  };
  for (const auto& [name, answers] : cases) EXPECT_EQ(WithExtension(name, ".ans"), answers) << name.toStdString();
}

TEST_F(FileCommandsTest, LoadGridAsksForAGlmFileAndEnablesTheGridCommands) {
  session.Model.Commands = CommandState{false, false, false, false, true, false, false};
  commands.LoadGridClk();  // cancelled
  ASSERT_EQ(chooser.opened.size(), 1u);
  const FileDialogRequest& request = chooser.opened[0];
  EXPECT_EQ(request.Title, "Load Glimmerset");
  EXPECT_EQ(request.WindowsFilter, "Glimmerset files|*.glm|All files|*.*");
  EXPECT_EQ(request.FileName, "search");
  EXPECT_EQ(request.DefaultSuffix, "glm");
  EXPECT_EQ(request.StartFolder, Path("program"));
  EXPECT_FALSE(session.Model.Commands.PlayEnabled);
  EXPECT_TRUE(settings.GridFileName.isEmpty());

  const QString file = WriteBytes("g.glm", GridText2x2());
  chooser.answers.push_back(file);
  commands.LoadGridClk();
  EXPECT_EQ(GridRows(), (Rows{"AB", "CD"}));
  EXPECT_EQ(settings.GridFileName, file);
  const CommandState& enabled = session.Model.Commands;
  EXPECT_TRUE(enabled.PlayEnabled && enabled.SolveEnabled && enabled.FindEnabled && enabled.EditGridEnabled);

  // A faulty file leaves the buttons as they were.
  session.Model.Commands = CommandState{false, false, false, false, true, false, false};
  chooser.answers.push_back(WriteBytes("bad.glm", "x\n"));
  EXPECT_EQ(ErrorOf([&] { commands.LoadGridClk(); }), "'x' is not a valid integer value");
  EXPECT_FALSE(session.Model.Commands.PlayEnabled);
  EXPECT_EQ(settings.GridFileName, file);
}

TEST_F(FileCommandsTest, SaveGridRefusesOneRowAndKeepsTheRememberedName) {
  SetGrid({"ABC"});
  commands.SaveGridClick();
  EXPECT_EQ(port.messages, Rows{"No Grid to save"});
  EXPECT_TRUE(chooser.saved.empty());

  SetGrid({"AB", "CD"});
  settings.GridFileName = "remembered.glm";
  const QString file = Path("saved.glm");
  chooser.answers.push_back(file);
  commands.SaveGridClick();
  ASSERT_EQ(chooser.saved.size(), 1u);
  EXPECT_EQ(chooser.saved[0].Title, "Save Glimmerset");
  EXPECT_FALSE(chooser.saved[0].ConfirmOverwrite);
  EXPECT_EQ(ReadBytes(file), GridText2x2());
  EXPECT_EQ(settings.GridFileName, "remembered.glm");
}

TEST_F(FileCommandsTest, AnswerListCommandsStartInTheDemoFolderAndRememberTheFile) {
  const QString list = WriteBytes("list.txt", "lion tiger\r\n");
  chooser.answers = {list, QString()};
  commands.LoadAnswerListClick();
  commands.LoadAnswerScan();
  ASSERT_EQ(chooser.opened.size(), 2u);
  const QString demo = Path("program") + "/Demo/";
  EXPECT_EQ(chooser.opened[0].Title, "Load Answer List");
  EXPECT_EQ(chooser.opened[0].SelectedFilter, 1);
  EXPECT_EQ(chooser.opened[0].SelectedFilterText(), "Answer Files [*.ans] (*.ans)");
  EXPECT_EQ(chooser.opened[1].Title, "Load Answer Scan");
  EXPECT_EQ(chooser.opened[1].SelectedFilter, 0);
  for (const auto& request : chooser.opened) {
    EXPECT_EQ(request.StartFolder, demo);
    EXPECT_EQ(request.DefaultSuffix, "txt");
  }
  EXPECT_EQ(settings.AsciDir, demo);
  EXPECT_EQ(settings.AnswerFileName, list);
  EXPECT_EQ(session.Model.AnswersList, (Rows{"LION", "TIGER"}));

  const QString saved = Path("out.ans");
  chooser.answers = {saved};
  commands.SaveAnswersClick();
  EXPECT_EQ(ReadBytes(saved), "LION\r\nTIGER\r\n");
  EXPECT_EQ(settings.AnswerFileName, saved);
  EXPECT_EQ(chooser.saved.back().WindowsFilter, "Answer Files [*.ans]|*.ans");

  chooser.answers = {Path("nowhere/x.ans")};
  EXPECT_EQ(ErrorOf([&] { commands.SaveAnswersClick(); }), "Cannot create file " + Path("nowhere/x.ans").toStdString());
  EXPECT_EQ(settings.AnswerFileName, saved);
}

TEST_F(FileCommandsTest, PairSaveWritesBothFilesAndLoadReadsThemBack) {
  SetGrid({"AB", "CD"});
  session.Model.AnswersList = {"AB", "CD"};
  settings.GridFileName = Path("old.glm");
  chooser.answers = {Path("zoo")};
  commands.SaveGlimmersetClick();

  ASSERT_EQ(chooser.saved.size(), 1u);
  EXPECT_EQ(chooser.saved[0].Title, "Save Glimmerset");
  EXPECT_TRUE(chooser.saved[0].ConfirmOverwrite);
  EXPECT_TRUE(chooser.saved[0].Filters.isEmpty());
  EXPECT_EQ(chooser.saved[0].StartFolder, dir.path());
  EXPECT_EQ(ReadBytes(Path("zoo.glm")), GridText2x2());
  EXPECT_EQ(ReadBytes(Path("zoo.ans")), "AB\r\nCD\r\n");
  EXPECT_EQ(settings.GridFileName, Path("zoo.glm"));
  EXPECT_EQ(settings.AnswerFileName, Path("zoo.ans"));

  session.Model = PuzzleModel{};
  commands.LoadGlimmersetClick();
  EXPECT_TRUE(port.messages.empty());
  EXPECT_EQ(GridRows(), (Rows{"AB", "CD"}));
  EXPECT_EQ(session.Model.AnswersList, (Rows{"AB", "CD"}));
  EXPECT_TRUE(session.Model.Commands.EditGridEnabled);
}

TEST_F(FileCommandsTest, PairSaveCancelledOrFailingWritesNothingAndKeepsTheNames) {
  SetGrid({"AB", "CD"});
  session.Model.AnswersList = {"KEEP"};
  settings.GridFileName = WriteBytes("pair.glm", "old grid");
  settings.AnswerFileName = WriteBytes("pair.ans", "old answers");

  commands.SaveGlimmersetClick();  // cancelled
  EXPECT_EQ(ReadBytes(Path("pair.glm")), "old grid");
  EXPECT_EQ(ReadBytes(Path("pair.ans")), "old answers");

  const QString blocked = Path("missing/zoo");
  chooser.answers = {blocked};
  EXPECT_EQ(ErrorOf([&] { commands.SaveGlimmersetClick(); }), "Cannot create file " + blocked.toStdString() + ".glm");
  EXPECT_EQ(settings.GridFileName, Path("pair.glm"));
  EXPECT_EQ(settings.AnswerFileName, Path("pair.ans"));

  // A one-row grid writes only the answer file.
  SetGrid({"ABC"});
  chooser.answers = {Path("row")};
  commands.SaveGlimmersetClick();
  EXPECT_FALSE(QFileInfo::exists(Path("row.glm")));
  EXPECT_EQ(ReadBytes(Path("row.ans")), "KEEP\r\n");
}

TEST_F(FileCommandsTest, LoadGlimmersetWithBothFilesMissingSaysSoAndChangesNothing) {
  SetGrid({"AB", "CD"});
  settings.AnswerFileName = Path("gone.ans");
  settings.GridFileName = Path("gone.glm");
  commands.LoadGlimmersetClick();
  EXPECT_EQ(port.messages, (Rows{"Unable to load Answer file " + Path("gone.ans").toStdString(),
                                 "Unable to load Glimmerset " + Path("gone.glm").toStdString()}));
  EXPECT_EQ(GridRows(), (Rows{"AB", "CD"}));
  EXPECT_EQ(settings.AnswerFileName, Path("gone.ans"));
}

TEST_F(FileCommandsTest, GivenPuzzleLoadsTheGridAndTheAnswersBesideIt) {
  const QString grid = WriteBytes("zoo.glm", GridText2x2());
  const QString answers = WriteBytes("zoo.ans", "AB\r\nCD\r\n");
  settings.AnswerFileName = Path("last.ans");
  settings.GridFileName = Path("last.glm");
  commands.LoadGivenPuzzle(grid);
  EXPECT_TRUE(port.messages.empty());
  EXPECT_EQ(GridRows(), (Rows{"AB", "CD"}));
  EXPECT_EQ(session.Model.AnswersList, (Rows{"AB", "CD"}));
  EXPECT_TRUE(session.Model.Commands.PlayEnabled);
  EXPECT_TRUE(session.Model.Commands.SolveEnabled);
  EXPECT_TRUE(session.Model.Commands.EditGridEnabled);
  // The given pair becomes the remembered one, so Load Last reopens it next time.
  EXPECT_EQ(settings.GridFileName, grid);
  EXPECT_EQ(settings.AnswerFileName, answers);
}

TEST_F(FileCommandsTest, GivenPuzzleFindsAnAnswerFileWrittenInOtherCapitals) {
  const QString grid = WriteBytes("Zoo.glm", GridText2x2());
  const QString answers = WriteBytes("ZOO.ANS", "CD\r\n");
  commands.LoadGivenPuzzle(grid);
  EXPECT_TRUE(port.messages.empty());
  EXPECT_EQ(session.Model.AnswersList, (Rows{"CD"}));
  EXPECT_EQ(settings.AnswerFileName, answers);
}

TEST_F(FileCommandsTest, GivenPuzzleWithoutAnswersLoadsTheGridAloneAndKeepsTheRememberedList) {
  const QString grid = WriteBytes("lone.glm", GridText2x2());
  settings.AnswerFileName = Path("last.ans");
  commands.LoadGivenPuzzle(grid);
  EXPECT_TRUE(port.messages.empty());
  EXPECT_EQ(GridRows(), (Rows{"AB", "CD"}));
  EXPECT_TRUE(session.Model.AnswersList.empty());
  EXPECT_EQ(settings.AnswerFileName, Path("last.ans"));
  EXPECT_EQ(settings.GridFileName, grid);
}

TEST_F(FileCommandsTest, GivenPuzzleThatIsMissingSaysSoAndChangesNothing) {
  SetGrid({"AB", "CD"});
  settings.GridFileName = Path("last.glm");
  WriteBytes("gone.ans", "XY\r\n");  // answers of a grid that is not there are read all the same
  commands.LoadGivenPuzzle(Path("gone.glm"));
  EXPECT_EQ(port.messages, (Rows{"Unable to load Glimmerset " + Path("gone.glm").toStdString()}));
  EXPECT_EQ(GridRows(), (Rows{"AB", "CD"}));
  EXPECT_EQ(settings.GridFileName, Path("last.glm"));
}

TEST_F(FileCommandsTest, GivenPuzzleThatIsFaultyEndsWithTheReadersError) {
  const QString grid = WriteBytes("bad.glm", "x\r\n2\r\n");
  EXPECT_EQ(ErrorOf([&] { commands.LoadGivenPuzzle(grid); }), "'x' is not a valid integer value");
}

TEST_F(FileCommandsTest, LoadLastOnlyToggles) {
  settings.LoadLast = true;
  commands.LoadLastClick();
  EXPECT_FALSE(settings.LoadLast);
  commands.LoadLastClick();
  EXPECT_TRUE(settings.LoadLast);
  EXPECT_TRUE(port.changes.empty());
}

TEST_F(FileCommandsTest, DemoEntryLoadsTheCitiesSolvesAndKeepsTheRememberedPair) {
  WriteBytes("program/Demo/CityAns.ans", "PARIS\r\nROME\r\n");
  WriteBytes("program/Demo/Citys.glm", GridText2x2());
  settings.AnswerFileName = "mine.ans";
  settings.GridFileName = "mine.glm";
  int solved = 0;
  commands.Demo1Click([&] {
    ++solved;
    EXPECT_EQ(session.Model.AnswerCount, 2);
    EXPECT_TRUE(session.Model.GridPresent);
  });
  EXPECT_EQ(solved, 1);
  EXPECT_EQ(port.messages, (Rows{"Glimmerset will load the demonstration Glimmerset\nCity's, The glimmerset will then be solved",
                                 "Now you can Clear the answers and try to solve it yourself !"}));
  EXPECT_EQ(settings.AnswerFileName, "mine.ans");
  EXPECT_EQ(settings.GridFileName, "mine.glm");
  EXPECT_TRUE(session.Model.Commands.PlayEnabled);
}

TEST_F(FileCommandsTest, DemoEntryWithoutTheDemoFolderGivesEveryMessageInOrder) {
  SetProgramFolder(Path("elsewhere"));
  commands.Demo1Click([&] { port.ShowMessage("Can't Solve. Check Answer list and Grid"); });
  EXPECT_EQ(port.messages, (Rows{"Glimmerset will load the demonstration Glimmerset\nCity's, The glimmerset will then be solved",
                                 "Unable to load Demo Answers", "Unable to load Demo Glimmerset ",
                                 "Can't Solve. Check Answer list and Grid",
                                 "Now you can Clear the answers and try to solve it yourself !"}));
}

TEST_F(FileCommandsTest, DemoChooserLoadsThePairAsTheRememberedOne) {
  WriteBytes("program/Demo/family.ans", "MOTHER\r\nFATHER\r\n");
  WriteBytes("program/Demo/family.glm", GridText2x2());
  session.Model.GameRunning = true;
  commands.DemoBtnClick();
  EXPECT_FALSE(session.Model.GameRunning);

  commands.LoadDemo(3);
  EXPECT_EQ(QFileInfo(settings.AnswerFileName).fileName(), "family.ans");
  EXPECT_EQ(QFileInfo(settings.GridFileName).fileName(), "family.glm");
  EXPECT_TRUE(session.Model.Commands.EditGridEnabled);
  EXPECT_TRUE(port.messages.empty());

  commands.LoadDemo(4);  // Simple is missing here
  const QString demo = Path("program") + "/Demo/";
  EXPECT_EQ(port.messages, (Rows{"Unable to load Demo Answer List " + (demo + "Simple.ans").toStdString(),
                                 "Unable to load Demo Grid " + (demo + "Simple.glm").toStdString()}));
  EXPECT_EQ(QFileInfo(settings.GridFileName).fileName(), "family.glm");
}

TEST_F(FileCommandsTest, GridScanRemembersItsFolderAndLeavesTheRememberedPair) {
  QDir(dir.path()).mkdir("scans");
  const QString scan = WriteBytes("scans/grid.txt", "ABC\nDEF\n\n");
  settings.GridFileName = "mine.glm";
  commands.LoadGridScan();  // cancelled
  EXPECT_TRUE(commands.ScanFolder().isEmpty());
  EXPECT_TRUE(chooser.opened[0].StartFolder.isEmpty());
  EXPECT_EQ(chooser.opened[0].Filters, (QStringList{"Scanned Grid File [*.txt] (*.txt)", "All Files [*.*] (*)"}));

  chooser.answers = {scan};
  commands.LoadGridScan();
  EXPECT_EQ(GridRows(), (Rows{"ABC", "DEF"}));
  EXPECT_EQ(commands.ScanFolder(), Path("scans"));
  EXPECT_EQ(settings.GridFileName, "mine.glm");
  commands.LoadGridScan();
  EXPECT_EQ(chooser.opened.back().StartFolder, Path("scans"));
}

TEST_F(FileCommandsTest, OcrProgramIsChosenAndStarted) {
  settings.OcrProgram = "/usr/bin/ocr-before";
  commands.OCRSoftwareClick();  // cancelled
  EXPECT_EQ(settings.OcrProgram, "/usr/bin/ocr-before");
  EXPECT_EQ(chooser.opened[0].Title, "Optical Character Recognition ");
  EXPECT_EQ(chooser.opened[0].WindowsFilter, "OCR Applications [*.exe]|*.exe");

  chooser.answers = {QString("/opt/reader/bin/reader")};
  commands.OCRSoftwareClick();
  EXPECT_EQ(settings.OcrProgram, "/opt/reader/bin/reader");

  commands.CaptureClick();
  ASSERT_EQ(launches.size(), 1u);
  EXPECT_EQ(launches[0].file, "/opt/reader/bin/reader");
  EXPECT_TRUE(launches[0].parameters.isEmpty());
  EXPECT_EQ(launches[0].folder, ProgramFileFolder() + "/");
  EXPECT_EQ(launches[0].showMode, 5);
}

}  // namespace
}  // namespace glimmerset
