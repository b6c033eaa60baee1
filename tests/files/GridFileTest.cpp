// Loading and saving grid files: the file format, the model after a load, and loads that fail
// leaving the puzzle exactly as it was.
#include <QFileInfo>

#include "FileTestSupport.h"
#include "files/GridFile.h"

namespace glimmerset {
namespace {

using testing::FileTest;

class GridFileTest : public FileTest {};

TEST_F(GridFileTest, WritesTwoByThreeAsFourteenCrLfLinesAndReadsItBack) {
  SetGrid({"ABC", "DEF"});
  const QString path = Path("grid.glm");
  WriteGridFile(session.Model.Grid, path);
  EXPECT_EQ(ReadBytes(path), "2\r\n3\r\nA\r\nB\r\nC\r\n\r\nD\r\nE\r\nF\r\n\r\n\r\n\r\n\r\n\r\n");

  session.Model.Grid = LetterGrid(5, 5);
  ReadGridFile(session, settings, path);
  EXPECT_EQ(GridRows(), (std::vector<std::string>{"ABC", "DEF"}));
}

TEST_F(GridFileTest, LoadFillsTheModelAndShowsTheGrid) {
  session.Model.Look.BCol = 0x00FF00;
  session.Model.Answers = {{"KEEP", std::nullopt}};
  session.Model.AnswerCount = 1;
  session.Model.Status[WordsPanel] = "1 Answers";
  const QString path = WriteBytes("g.glm", "2\n3\nA\nB\nC\n\nD\nE\nF\n\n\n\n\n\n");

  ReadGridFile(session, settings, path);

  const PuzzleModel& model = session.Model;
  EXPECT_EQ(GridRows(), (std::vector<std::string>{"ABC", "DEF"}));
  EXPECT_EQ(model.Status[SizePanel], " ROWS: 2 COLS: 3");
  EXPECT_EQ(model.Layout.GridWidth, 66);
  EXPECT_EQ(model.Layout.GridHeight, 44);
  EXPECT_EQ(model.Layout.PanelLeft, 250 - 33);
  EXPECT_EQ(model.Layout.PanelTop, 300 - 22);
  EXPECT_TRUE(model.CellsReady);
  ASSERT_TRUE(EveryCellHasRecord());
  EXPECT_EQ(*model.Grid.Record(2, 1), model.DefaultLook());
  EXPECT_EQ(model.Grid.Record(2, 1)->Colour, 0x00FF00u);
  EXPECT_TRUE(model.GridPresent);
  EXPECT_TRUE(model.Commands.WordBoxEnabled);
  EXPECT_EQ(port.focusRequests, 1);
  EXPECT_TRUE(port.SawChange(ModelChange::Cells));
  EXPECT_EQ(settings.GridFileName, path);
  // The answer list and the other panels stay as they were.
  EXPECT_EQ(model.AnswerCount, 1);
  EXPECT_EQ(model.Status[WordsPanel], "1 Answers");
}

TEST_F(GridFileTest, CellLinesAreTakenWholeWhateverTheLineEnds) {
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
      {"1\r2\rab\r7\r\r\r\r\r", {"ab7"}},
      {"1\n2\nx \n\n\n\n\n\n", {"x "}},
      {"0\n0\nQ\n\n\n\n", {"Q"}},                         // counts below 1 read as 1
      {"1\n1\n\xE9\n\n\n\nlater lines\nignored\n", {"\xE9"}},  // 8-bit bytes kept as bytes
  };
  for (const auto& [text, rows] : cases) {
    ReadGridFile(session, settings, WriteBytes("c.glm", text));
    EXPECT_EQ(GridRows(), rows) << text;
  }
  ReadGridFile(session, settings, WriteBytes("c.glm", "1\n2\n\nB\n\n\n\n\n"));
  EXPECT_EQ(session.Model.Grid.Text(0, 0), "");
  EXPECT_EQ(session.Model.Grid.Text(1, 0), "B");
}

TEST_F(GridFileTest, LargeGridsLoadInFull) {
  std::string text = "50\r\n50\r\n";
  for (int r = 0; r <= 50; ++r)
    for (int c = 0; c <= 50; ++c) text += (r < 50 && c < 50 ? std::string(1, static_cast<char>('A' + (r + c) % 26)) : "") + "\r\n";
  ReadGridFile(session, settings, WriteBytes("big.glm", text));
  EXPECT_EQ(session.Model.Grid.RowCount(), 50);
  EXPECT_EQ(session.Model.Grid.ColCount(), 50);
  EXPECT_EQ(session.Model.Grid.Text(49, 49), std::string(1, static_cast<char>('A' + 98 % 26)));
  EXPECT_TRUE(EveryCellHasRecord());

  // Re-reading and writing again gives the same file.
  const QString copy = Path("copy.glm");
  WriteGridFile(session.Model.Grid, copy);
  EXPECT_EQ(ReadBytes(copy), text);
}

TEST_F(GridFileTest, FailedLoadsChangeNothing) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", "List index out of bounds (0)"},
      {"2\n", "List index out of bounds (1)"},
      {"two\n3\n", "'two' is not a valid integer value"},
      {"2\nx3\n", "'x3' is not a valid integer value"},
      {"1\n1\nA\n\n", "List index out of bounds (4)"},  // one line too few
      {"100000\n100000\nA\nB\nC\nD\nE\nF\nG\nH\n", "List index out of bounds (10)"},
      {std::string("2\n2\nA\0B\n", 8), "List index out of bounds (3)"},
      {"\x89PNG\r\n\x1a\n\0\0\0\rIHDR", "'\x89PNG' is not a valid integer value"},
      {std::string(10000, 'Z') + "\n1\n", "'" + std::string(10000, 'Z') + "' is not a valid integer value"},
      {std::string(512 * 1024, '7'), "'" + std::string(512 * 1024, '7') + "' is not a valid integer value"},
      {"3\n3\n" + std::string(512 * 1024, 'x'), "List index out of bounds (3)"},
  };
  for (const auto& [text, error] : cases) {
    SetGrid({"AB", "CD"});
    settings.GridFileName = "previous.glm";
    session.Model.Commands.WordBoxEnabled = false;
    session.Model.Status[SizePanel] = "before";
    port.Forget();

    EXPECT_EQ(ErrorOf([&] { ReadGridFile(session, settings, WriteBytes("bad.glm", text)); }), error);

    EXPECT_EQ(GridRows(), (std::vector<std::string>{"AB", "CD"}));
    EXPECT_TRUE(EveryCellHasRecord());
    EXPECT_TRUE(session.Model.GridPresent);
    EXPECT_EQ(settings.GridFileName, "previous.glm");
    EXPECT_FALSE(session.Model.Commands.WordBoxEnabled);
    EXPECT_EQ(session.Model.Status[SizePanel], "before");
    EXPECT_TRUE(port.changes.empty());
  }
}

TEST_F(GridFileTest, MissingOrUnreadableFilesAreReportedByName) {
  SetGrid({"AB", "CD"});
  const QString missing = Path("nothing.glm");
  EXPECT_EQ(ErrorOf([&] { ReadGridFile(session, settings, missing); }), "Cannot open file " + missing.toStdString());
  const QString folder = Path("");
  EXPECT_EQ(ErrorOf([&] { ReadGridFile(session, settings, folder); }), "Cannot open file " + folder.toStdString());
  EXPECT_EQ(GridRows(), (std::vector<std::string>{"AB", "CD"}));
}

TEST_F(GridFileTest, WritingNeedsTwoRowsAndAWritablePlace) {
  SetGrid({"ABC"});
  const QString oneRow = Path("one.glm");
  WriteGridFile(session.Model.Grid, oneRow);
  EXPECT_FALSE(QFileInfo::exists(oneRow));

  SetGrid({"AB", "CD"});
  const QString inMissingFolder = Path("no/such/folder/g.glm");
  EXPECT_EQ(ErrorOf([&] { WriteGridFile(session.Model.Grid, inMissingFolder); }),
            "Cannot create file " + inMissingFolder.toStdString());
  const QString underAFile = WriteBytes("plain", "x") + "/g.glm";
  EXPECT_EQ(ErrorOf([&] { WriteGridFile(session.Model.Grid, underAFile); }),
            "Cannot create file " + underAFile.toStdString());
  // A failed write leaves an existing file whole.
  const QString existing = WriteBytes("keep.glm", "old");
  QDir(dir.path()).mkdir("keep.glm.dir");
  EXPECT_EQ(ErrorOf([&] { WriteGridFile(session.Model.Grid, Path("keep.glm.dir")); }),
            "Cannot create file " + Path("keep.glm.dir").toStdString());
  EXPECT_EQ(ReadBytes(existing), "old");
}

TEST_F(GridFileTest, ReadOnlyFolderIsReportedAndItsFileKept) {
  SetGrid({"AB", "CD"});
  QDir(dir.path()).mkdir("locked");
  const QString existing = WriteBytes("locked/g.glm", "old");
  QFile::setPermissions(Path("locked"), QFile::ReadOwner | QFile::ExeOwner);
  QFile probe(Path("locked/probe"));
  if (probe.open(QIODevice::WriteOnly)) {
    probe.close();
    QFile::setPermissions(Path("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    GTEST_SKIP() << "folder permissions do not bind this user";
  }
  QFile::setPermissions(existing, QFile::ReadOwner);
  EXPECT_EQ(ErrorOf([&] { WriteGridFile(session.Model.Grid, existing); }), "Cannot create file " + existing.toStdString());
  EXPECT_EQ(ReadBytes(existing), "old");
  QFile::setPermissions(Path("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace
}  // namespace glimmerset
