#include <gtest/gtest.h>

#include "RecordingPort.h"
#include "core/EnterGrid.h"
#include "core/GridEntry.h"
#include "core/GridEntryText.h"

namespace glimmerset {
namespace {

using testing::RecordingPort;

class GridEntryTest : public ::testing::Test {
 protected:
  GridEntryTest() { enter.Begin(); }

  std::vector<std::string> Rows() const {
    std::vector<std::string> rows;
    for (int r = 0; r < session.Model.Grid.RowCount(); ++r) rows.push_back(session.Model.Grid.RowText(r));
    return rows;
  }

  RecordingPort port;
  Session session{port};
  EnterGrid enter{session};
  GridEntry entry{session, enter.EntryColumns};
};

TEST_F(GridEntryTest, RegularRowsBuildARectangularGrid) {
  for (const char* row : {"abcde", "FGHIJ", "klmno"}) {
    RowOutcome outcome = entry.AcceptRow(row, true);
    EXPECT_EQ(outcome.Box, RowBox::Emptied);
    EXPECT_EQ(outcome.Text, "");
  }
  EXPECT_EQ(Rows(), (std::vector<std::string>{"ABCDE", "FGHIJ", "KLMNO"}));
  EXPECT_EQ(session.Model.Grid.ColCount(), 5);
  EXPECT_EQ(entry.EntryColumns(), 5);
  EXPECT_TRUE(session.Model.GridPresent);
  EXPECT_TRUE(session.Model.CellsReady);
  EXPECT_EQ(session.Model.Status[SizePanel], "3 Rows:  5 Cols:");
  EXPECT_EQ(session.Model.Layout.WordBoxWidth, 100);
  EXPECT_EQ(session.Model.Layout.GridWidth, 5 * 22);
  EXPECT_EQ(session.Model.Layout.GridHeight, 3 * 22);
  EXPECT_EQ(session.Model.Layout.PanelLeft, 250 - 55);
  EXPECT_EQ(session.Model.Layout.PanelTop, 300 - 33);
  EXPECT_TRUE(port.messages.empty());
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 5; ++c) {
      ASSERT_NE(session.Model.Grid.Record(c, r), nullptr);
      EXPECT_EQ(*session.Model.Grid.Record(c, r), EntryRowLook());
    }
}

TEST_F(GridEntryTest, RegularModeRefusesRowsOfAnotherLength) {
  struct Case {
    std::string row;
    RowBox box;
    std::string boxText;
    std::string message;
  };
  const Case cases[] = {
      {"abcdefghij", RowBox::Kept, "abcdefghij", "I think you made a mistake, Not enough Letters 12 required"},
      {"abcdefghijklmn", RowBox::Cut, "abcdefghijkl", "I think you made a mistake, Too many Letters, Truncated 12 required"},
      {"", RowBox::Kept, "", "I think you made a mistake, Not enough Letters 12 required"},
  };
  entry.AcceptRow("QWERTYUIOPAS", true);
  for (const auto& c : cases) {
    port.Forget();
    RowOutcome outcome = entry.AcceptRow(c.row, true);
    EXPECT_EQ(outcome.Box, c.box) << c.row;
    EXPECT_EQ(outcome.Text, c.boxText) << c.row;
    EXPECT_EQ(port.messages, std::vector<std::string>{c.message});
    EXPECT_EQ(Rows(), std::vector<std::string>{"QWERTYUIOPAS"});
    EXPECT_EQ(session.Model.Status[SizePanel], "1 Rows:  12 Cols:");
    EXPECT_TRUE(port.SawChange(ModelChange::GridLayout));  // placement refreshed
  }
}

TEST_F(GridEntryTest, LimitOfFortyByForty) {
  struct Case {
    int length;
    bool accepted;
  };
  for (const Case c : {Case{40, true}, Case{41, false}}) {
    entry.NewClick();
    port.Forget();
    session.SetStatus(SizePanel, "before");
    RowOutcome outcome = entry.AcceptRow(std::string(static_cast<std::size_t>(c.length), 'x'), true);
    EXPECT_EQ(outcome.Box, RowBox::Emptied);
    EXPECT_EQ(session.Model.Grid.ColCount(), c.accepted ? 40 : 1) << c.length;
    EXPECT_EQ(port.messages.empty(), c.accepted) << c.length;
    if (!c.accepted) {
      EXPECT_EQ(port.messages.front(), EntryLimitMessage);
      EXPECT_EQ(session.Model.Status[SizePanel], "before");
      EXPECT_EQ(entry.EntryColumns(), 0);
    }
  }
}

TEST_F(GridEntryTest, FortyRowsRefuseAnyFurtherRow) {
  for (int r = 0; r < 40; ++r) entry.AcceptRow("ab", true);
  ASSERT_EQ(session.Model.Grid.RowCount(), 40);
  ASSERT_TRUE(port.messages.empty());
  for (const char* row : {"ab", "", "abc"}) {
    port.Forget();
    EXPECT_EQ(entry.AcceptRow(row, true).Box, RowBox::Emptied);
    EXPECT_EQ(port.messages, std::vector<std::string>{EntryLimitMessage});
    EXPECT_EQ(session.Model.Grid.RowCount(), 40);
  }
  port.Forget();
  entry.AcceptRow("ab", false);  // free-form too
  EXPECT_EQ(port.messages, std::vector<std::string>{EntryLimitMessage});
}

TEST_F(GridEntryTest, CharactersAreNotFilteredAndOnlyAToZUpperCased) {
  entry.AcceptRow("abc d1", true);
  const std::vector<std::string> expected = {"A", "B", "C", " ", "D", "1"};
  ASSERT_EQ(session.Model.Grid.ColCount(), 6);
  for (int c = 0; c < 6; ++c) EXPECT_EQ(session.Model.Grid.Text(c, 0), expected[static_cast<std::size_t>(c)]);
  entry.NewClick();
  entry.AcceptRow("\xE9z!", true);  // a Latin-1 letter stays one cell, unchanged
  EXPECT_EQ(session.Model.Grid.ColCount(), 3);
  EXPECT_EQ(session.Model.Grid.Text(0, 0), "\xE9");
  EXPECT_EQ(session.Model.Grid.Text(1, 0), "Z");
}

TEST_F(GridEntryTest, EmptyFirstRowInRegularModeLeavesTheGridUnstarted) {
  entry.AcceptRow("", true);
  EXPECT_EQ(session.Model.Grid.RowCount(), 1);
  EXPECT_EQ(session.Model.Grid.ColCount(), 1);
  EXPECT_EQ(session.Model.Grid.Text(0, 0), "");
  EXPECT_EQ(entry.EntryColumns(), 0);
  EXPECT_EQ(session.Model.Status[SizePanel], "1 Rows:  0 Cols:");
  entry.AcceptRow("abcd", true);  // taken as the first row again
  EXPECT_EQ(Rows(), std::vector<std::string>{"ABCD"});
  EXPECT_EQ(entry.EntryColumns(), 4);
}

TEST_F(GridEntryTest, FreeFormRowsWidenTheGrid) {
  for (const char* row : {"abcde", "fghijklm", "nop"}) EXPECT_EQ(entry.AcceptRow(row, false).Box, RowBox::Emptied);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"ABCDE", "FGHIJKLM", "NOP"}));
  EXPECT_EQ(session.Model.Grid.ColCount(), 8);
  EXPECT_EQ(session.Model.Layout.WordBoxWidth, 80);
  EXPECT_EQ(session.Model.Status[SizePanel], "3 Rows:  8 Cols:");
  EXPECT_TRUE(port.messages.empty());
  for (int c : {5, 6, 7}) EXPECT_EQ(session.Model.Grid.Text(c, 0), "");
  for (int c = 3; c < 8; ++c) EXPECT_EQ(session.Model.Grid.Text(c, 2), "");
  // The cells a wider row adds to earlier rows carry a record like every other cell.
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 8; ++c) EXPECT_NE(session.Model.Grid.Record(c, r), nullptr) << c << "," << r;
}

TEST_F(GridEntryTest, NewGridStartsAgain) {
  entry.AcceptRow("abcde", true);
  entry.AcceptRow("fghij", true);
  session.Model.Grid.SetRecord(0, 0, Tspec{1, 2, "x", 3, 4});
  entry.NewClick();
  EXPECT_EQ(entry.EntryColumns(), 0);
  EXPECT_EQ(session.Model.Grid.RowCount(), 1);
  EXPECT_EQ(session.Model.Grid.ColCount(), 1);
  EXPECT_EQ(session.Model.Grid.Text(0, 0), "");
  ASSERT_NE(session.Model.Grid.Record(0, 0), nullptr);  // records stay
  EXPECT_EQ(session.Model.Grid.Record(0, 0)->FontName, "x");
  EXPECT_FALSE(session.Model.GridPresent);
  entry.AcceptRow("xyz", true);
  EXPECT_EQ(Rows(), std::vector<std::string>{"XYZ"});
  EXPECT_EQ(session.Model.Grid.Text(3, 0), "");
}

TEST(EnterGridTest, NewCommandAroundTheDialog) {
  struct Case {
    int rowsTyped;
    bool accepted;
    bool present;
    bool editButton;
  };
  for (const Case c : {Case{3, true, true, true}, Case{1, true, true, false}, Case{3, false, false, false}}) {
    RecordingPort port;
    Session session{port};
    session.Model.Commands.EditGridEnabled = true;
    session.Model.Commands.EditMenuEnabled = false;
    session.Model.Paths.Set(1, 1, GridPos{2, 3});
    EnterGrid enter{session};
    enter.Begin();
    EXPECT_FALSE(session.Model.GridPresent);
    EXPECT_EQ(session.Model.Grid.RowCount(), 1);
    EXPECT_TRUE(session.Model.Commands.EditMenuEnabled);
    EXPECT_FALSE(session.Model.Commands.EditGridEnabled);
    EXPECT_EQ(session.Model.Paths.Get(1, 1).IsSet(), false);  // found answers cleared
    GridEntry entry{session, enter.EntryColumns};
    for (int r = 0; r < c.rowsTyped; ++r) entry.AcceptRow("abc", true);
    EXPECT_EQ(enter.EntryColumns, 3);
    enter.Finish(c.accepted);
    EXPECT_EQ(session.Model.GridPresent, c.present);
    EXPECT_EQ(session.Model.Commands.EditGridEnabled, c.editButton);
    EXPECT_TRUE(session.Model.Commands.EditMenuEnabled);
    EXPECT_TRUE(session.Model.Commands.WordBoxEnabled);
    EXPECT_EQ(enter.EntryColumns, 0);
    EXPECT_EQ(session.Model.Grid.RowCount(), c.rowsTyped);  // rows typed before a Cancel stay
  }
}

TEST(GridEntryTextTest, CharactersCutAndUpperCase) {
  // One character per byte: a Latin-1 letter is one cell, never half of one.
  EXPECT_EQ(Characters("a\xE9" "b"), (std::vector<std::string>{"a", "\xE9", "b"}));
  EXPECT_EQ(CharacterCount("\xE9\xE9xyz"), 5);
  EXPECT_EQ(FirstCharacters("\xE9\xE9xyz", 3), "\xE9\xE9x");
  EXPECT_EQ(FirstCharacters("ab", 5), "ab");
  EXPECT_EQ(FirstCharacters("ab", -1), "");
  EXPECT_EQ(UpperAscii("az AZ 09 {}`@\xE9"), "AZ AZ 09 {}`@\xE9");
}

}  // namespace
}  // namespace glimmerset
