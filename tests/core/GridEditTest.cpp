#include <gtest/gtest.h>

#include "RecordingPort.h"
#include "core/GridEdit.h"
#include "core/GridEntryText.h"

namespace glimmerset {
namespace {

using testing::RecordingPort;

class GridEditTest : public ::testing::Test {
 protected:
  // A grid of the given size whose row r reads letters from 'A' + r on.
  void MakeGrid(int rows, int cols) {
    session.Model.Grid.SetSize(rows, cols);
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < cols; ++c) session.Model.Grid.SetText(c, r, std::string(1, static_cast<char>('A' + (r + c) % 26)));
    session.Model.ResetHighlights(true);
    edit.FormActivate();
  }
  void Apply(const std::string& text) {
    edit.RowText = text;
    edit.ApplyRow();
  }

  RecordingPort port;
  Session session{port};
  GridEdit edit{session};
};

TEST_F(GridEditTest, SetUpShowsRowOneAndTheCounts) {
  MakeGrid(15, 15);
  EXPECT_EQ(edit.RowText, session.Model.Grid.RowText(0));
  EXPECT_EQ(edit.RowText.size(), 15u);
  EXPECT_EQ(edit.Counter, 15);
  EXPECT_EQ(edit.ColDisp, 15);
  EXPECT_EQ(edit.RowDisp, 15);
  EXPECT_EQ(edit.EditColumns, 0);
  EXPECT_FALSE(edit.DeleteEnabled);
}

TEST_F(GridEditTest, FirstAppliedRowFixesTheWidth) {
  struct Case {
    std::string first;
    std::string second;
    int width;
    std::string secondRow;  // row 2 after applying the second text
  };
  const Case cases[] = {
      {"abcdefghijkl", "mnopqrstuvwxyza", 12, "MNOPQRSTUVWX"},  // narrower: the second is cut
      {"abcdefghijklmnopqr", "xy", 18, "XY"},                   // wider: later rows keep letters beyond
  };
  for (const auto& c : cases) {
    MakeGrid(15, 15);
    GridEdit opened{session};  // a new dialog for each case
    opened.FormActivate();
    const std::string oldRow2 = session.Model.Grid.RowText(1);
    opened.RowText = c.first;
    opened.ApplyRow();
    EXPECT_EQ(opened.EditColumns, c.width);
    EXPECT_EQ(opened.Counter, c.width);
    EXPECT_EQ(session.Model.Grid.ColCount(), c.width);
    EXPECT_EQ(session.Model.Grid.RowText(0), UpperAscii(c.first));
    EXPECT_EQ(opened.CurrentRow, 2);
    EXPECT_EQ(opened.RowText, session.Model.Grid.RowText(1));  // the next row is loaded
    opened.RowText = c.second;
    opened.ApplyRow();
    EXPECT_EQ(opened.ColDisp, std::min(static_cast<int>(c.second.size()), c.width));  // the cut text
    const std::string expectedRow2 =
        c.secondRow + (c.secondRow.size() < oldRow2.size() ? oldRow2.substr(c.secondRow.size()) : "");
    EXPECT_EQ(session.Model.Grid.RowText(1), expectedRow2.substr(0, static_cast<std::size_t>(c.width)));
    EXPECT_TRUE(port.messages.empty());
  }
}

TEST_F(GridEditTest, ShortRowReplacesOnlyItsFirstLetters) {
  MakeGrid(4, 12);
  Apply(session.Model.Grid.RowText(0));  // fixes 12 columns
  const std::string before = session.Model.Grid.RowText(1);
  Apply("vwxyz");
  EXPECT_EQ(session.Model.Grid.RowText(1), "VWXYZ" + before.substr(5));
  EXPECT_EQ(edit.ColDisp, 5);
}

TEST_F(GridEditTest, RowBeyondTheLastGrowsTheGrid) {
  MakeGrid(10, 5);
  edit.SetCurrentRow(12);
  EXPECT_FALSE(edit.DeleteEnabled);
  EXPECT_EQ(edit.RowText, session.Model.Grid.RowText(0));  // left unchanged
  Apply("vwxyz");
  EXPECT_EQ(session.Model.Grid.RowCount(), 12);
  EXPECT_EQ(edit.RowDisp, 12);
  EXPECT_EQ(session.Model.Grid.RowText(10), "");
  EXPECT_EQ(session.Model.Grid.RowText(11), "VWXYZ");
  EXPECT_EQ(session.Model.Layout.GridHeight, 12 * 22);
  EXPECT_EQ(session.Model.Layout.PanelTop, 300 - 12 * 11);
}

TEST_F(GridEditTest, RowTwentyIsTheLastTheSpinBoxReaches) {
  MakeGrid(20, 5);
  edit.SetCurrentRow(20);
  EXPECT_TRUE(edit.DeleteEnabled);
  Apply("abcde");
  EXPECT_EQ(edit.CurrentRow, 20);
  EXPECT_EQ(edit.RowText, "");
  edit.SetCurrentRow(25);
  EXPECT_EQ(edit.CurrentRow, 20);
  edit.SetCurrentRow(-3);
  EXPECT_EQ(edit.CurrentRow, 1);
}

TEST_F(GridEditTest, OverlongRowChangesNothing) {
  MakeGrid(3, 4);
  session.Model.MarkFound(1, 1, 3);
  const Tspec marked = *session.Model.Grid.Record(1, 1);
  Apply(std::string(21, 'q'));
  EXPECT_EQ(port.messages, std::vector<std::string>{"Glimmerset is limited to grids of 20 * 20 letters\r No changes made"});
  EXPECT_EQ(session.Model.Grid.ColCount(), 4);
  EXPECT_EQ(session.Model.Grid.RowText(0), "ABCD");
  EXPECT_EQ(*session.Model.Grid.Record(1, 1), marked);
  EXPECT_EQ(edit.EditColumns, 0);
  EXPECT_EQ(edit.CurrentRow, 1);
  Apply(std::string(20, 'q'));  // twenty is allowed
  EXPECT_EQ(session.Model.Grid.ColCount(), 20);
}

TEST_F(GridEditTest, ApplyingRemovesFoundMarks) {
  MakeGrid(3, 3);
  session.Model.MarkFound(2, 2, 5);
  Apply("xyz");
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) {
      ASSERT_NE(session.Model.Grid.Record(c, r), nullptr);
      EXPECT_EQ(*session.Model.Grid.Record(c, r), session.Model.DefaultLook());
    }
}

TEST_F(GridEditTest, EmptyFirstRowMakesOneColumnAndLeavesTheWidthOpen) {
  MakeGrid(3, 6);
  Apply("");
  EXPECT_EQ(session.Model.Grid.ColCount(), 1);
  EXPECT_EQ(edit.EditColumns, 0);
  EXPECT_EQ(session.Model.Grid.RowText(0), "A");
  Apply("pqr");  // still the first width-fixing row
  EXPECT_EQ(edit.EditColumns, 3);
  EXPECT_EQ(session.Model.Grid.RowText(1), "PQR");
}

TEST_F(GridEditTest, OtherKeysShowTheLengthToCome) {
  MakeGrid(2, 2);
  for (const char* text : {"", "ab", "abcdefg"}) {
    edit.RowText = text;
    edit.OtherKey();
    EXPECT_EQ(edit.ColDisp, static_cast<int>(std::string(text).size()) + 1);
  }
}

TEST_F(GridEditTest, DeleteRow) {
  struct Case {
    int rows;
    int selected;
    std::vector<std::string> messages;
    int rowsAfter;
    int selectedAfter;
  };
  const Case cases[] = {
      {10, 10, {}, 9, 9},
      {10, 4, {"You can only delete the final Row"}, 10, 4},
      {1, 1, {}, 1, 1},
  };
  for (const auto& c : cases) {
    port.Forget();
    MakeGrid(c.rows, 6);
    GridEdit edit{session};  // a new dialog for each case
    edit.FormActivate();
    session.PlaceGrid();
    const ViewLayout layout = session.Model.Layout;
    edit.SetCurrentRow(c.rows + 1);
    edit.SetCurrentRow(c.selected);
    const std::string lastBefore = session.Model.Grid.RowText(c.rows - 1);
    edit.DeleteBtnClick();
    EXPECT_EQ(port.messages, c.messages);
    EXPECT_EQ(session.Model.Grid.RowCount(), c.rowsAfter);
    EXPECT_EQ(edit.CurrentRow, c.selectedAfter);
    if (!c.messages.empty()) {
      EXPECT_EQ(session.Model.Grid.RowText(c.rows - 1), lastBefore);
      continue;
    }
    EXPECT_EQ(edit.RowDisp, c.rowsAfter);
    EXPECT_EQ(session.Model.Layout.GridHeight, GridViewExtent(c.selectedAfter));
    EXPECT_EQ(session.Model.Layout.GridWidth, layout.GridWidth);
    EXPECT_EQ(session.Model.Layout.PanelLeft, layout.PanelLeft);
    EXPECT_EQ(session.Model.Layout.PanelTop, layout.PanelTop);
    EXPECT_TRUE(session.Model.CellsReady);
    if (c.rows > 1) {
      EXPECT_EQ(edit.RowText, session.Model.Grid.RowText(c.rowsAfter - 1));
      EXPECT_TRUE(edit.DeleteEnabled);
      session.Model.Grid.SetRowCount(c.rows);  // the dropped row does not come back with its letters
      EXPECT_EQ(session.Model.Grid.RowText(c.rows - 1), "");
    } else {
      EXPECT_EQ(session.Model.Grid.RowText(0), "");
      EXPECT_EQ(edit.RowText, "");
    }
  }
}

}  // namespace
}  // namespace glimmerset
