// Taking in a scanned grid: the grid it gives, the digit question, and imports that are aborted
// or fail leaving the previous grid exactly as it was.
#include "FileTestSupport.h"
#include "files/ScanImport.h"

namespace glimmerset {
namespace {

using testing::FileTest;
using Rows = std::vector<std::string>;

class ScanImportTest : public FileTest {
 protected:
  void ExpectPreviousGrid() {
    EXPECT_EQ(GridRows(), (Rows{"WXYZ", "WXYZ", "WXYZ"}));
    EXPECT_TRUE(EveryCellHasRecord());
    EXPECT_TRUE(session.Model.CellsReady);
    EXPECT_TRUE(session.Model.GridPresent);
  }
};

TEST_F(ScanImportTest, GridFromCleanedLinesWithRecordsShown) {
  session.Model.Layout.PanelLeft = 7;
  session.Model.Layout.PanelTop = 90;
  session.Model.Status[SizePanel] = "size";
  const QString file = WriteBytes("scan.txt", "ABC\r\nD.E F\r\n\r\n");

  EXPECT_TRUE(ImportScannedGrid(session, file));

  const PuzzleModel& model = session.Model;
  EXPECT_EQ(GridRows(), (Rows{"ABC", "DEF"}));
  EXPECT_TRUE(EveryCellHasRecord());
  EXPECT_TRUE(model.GridPresent);
  EXPECT_TRUE(model.Commands.WordBoxEnabled);
  EXPECT_EQ(port.focusRequests, 1);
  EXPECT_EQ(model.Layout.GridWidth, 66);
  EXPECT_EQ(model.Layout.GridHeight, 44);
  EXPECT_EQ(model.Layout.PanelLeft, 7);  // the panel is not moved
  EXPECT_EQ(model.Layout.PanelTop, 90);
  EXPECT_EQ(model.Status[SizePanel], "size");
  EXPECT_TRUE(port.okAbortTexts.empty());
}

TEST_F(ScanImportTest, CellsAsCleanedShorterRowsEmptyLongerRowsCut) {
  SetGrid({"WXYZ", "WXYZ", "WXYZ"});
  EXPECT_TRUE(ImportScannedGrid(session, WriteBytes("s.txt", "0I68\nab\nCDEFGH\nend\n")));
  EXPECT_EQ(GridRows(), (Rows{"OIGB", "ab", "CDEF"}));
  EXPECT_EQ(session.Model.Grid.Text(2, 1), "");  // not the earlier grid's letter
  EXPECT_EQ(session.Model.Grid.Text(0, 1), "a");
  EXPECT_TRUE(EveryCellHasRecord());
}

TEST_F(ScanImportTest, DigitQuestionWithOkKeepsTheDigit) {
  EXPECT_TRUE(ImportScannedGrid(session, WriteBytes("s.txt", "A7B\nCDE\nx\n")));
  EXPECT_EQ(port.okAbortTexts, std::vector<std::string>{kScanDigitQuestion});
  EXPECT_EQ(kScanDigitQuestion,
            "The Glimmerset contains Numeric characters which cannot be\n"
            " interpereted. Clich OK to Accept anyway, Abort to Re-Scan");
  EXPECT_EQ(session.Model.Grid.Text(1, 0), "7");
}

TEST_F(ScanImportTest, AbortedOrFailedImportsLeaveThePreviousGrid) {
  struct Case {
    std::string name, text;
    std::deque<bool> answers;
    std::string error;  // empty: aborted, no error
    std::size_t questions;
  };
  const std::vector<Case> cases = {
      {"abort at first digit", "A2\nB\nC\n", {false}, "", 1},
      {"abort at a later line", "A3\nB\nC5\n", {true, false}, "", 2},
      {"digit in the last line", "AB\nCD\n99\n", {false}, "", 1},
      {"one line", "ABC\n", {}, "List index out of bounds (1)", 0},
      {"empty", "", {}, "List index out of bounds (0)", 0},
      {"nul first", std::string("\0AB\nCD\n", 7), {}, "List index out of bounds (0)", 0},
      {"half a megabyte in one line", std::string(512 * 1024, 'Q'), {}, "List index out of bounds (1)", 0},
      {"huge", std::string(3000, 'A') + std::string(2000, '\n'),
       {}, "The scanned grid is too large: 1999 rows by 3000 columns", 0},
  };
  for (const auto& c : cases) {
    SetGrid({"WXYZ", "WXYZ", "WXYZ"});
    port.Forget();
    port.okAbortAnswers = c.answers;
    const QString file = WriteBytes("s.txt", c.text);
    if (c.error.empty())
      EXPECT_FALSE(ImportScannedGrid(session, file)) << c.name;
    else
      EXPECT_EQ(ErrorOf([&] { ImportScannedGrid(session, file); }), c.error) << c.name;
    EXPECT_EQ(port.okAbortTexts.size(), c.questions) << c.name;
    ExpectPreviousGrid();
    EXPECT_FALSE(session.Model.Busy);
  }
  const QString missing = Path("none.txt");
  EXPECT_EQ(ErrorOf([&] { ImportScannedGrid(session, missing); }), "Cannot open file " + missing.toStdString());
  ExpectPreviousGrid();
}

TEST_F(ScanImportTest, LongLinesGiveAWideGrid) {
  EXPECT_TRUE(ImportScannedGrid(session, WriteBytes("s.txt", std::string(10000, 'K') + "\n" + std::string(10000, '.') + "\nend\n")));
  EXPECT_EQ(session.Model.Grid.RowCount(), 2);
  EXPECT_EQ(session.Model.Grid.ColCount(), 10000);
  EXPECT_EQ(session.Model.Grid.Text(9999, 0), "K");
  EXPECT_EQ(session.Model.Grid.Text(0, 1), "");
  EXPECT_TRUE(EveryCellHasRecord());
}

TEST_F(ScanImportTest, PumpsWhileCleaning) {
  EXPECT_TRUE(ImportScannedGrid(session, WriteBytes("s.txt", "A.B C\nD0\nx\n")));
  EXPECT_EQ(port.pumps, 3);
}

}  // namespace
}  // namespace glimmerset
