// Where a grid that comes in is put: the 22-pixel layout centred on (250, 300) while it lies whole
// in the free area of the window, else the largest whole-pixel pitch that fits, centred there.
#include <gtest/gtest.h>

#include "CoreFixture.h"

namespace glimmerset {
namespace {

using testing::CoreFixture;

class GridPlacementTest : public CoreFixture {
 protected:
  const ViewLayout& Place(int rows, int cols) {
    model.Grid.SetSize(rows, cols);
    core.session.PlaceGrid();
    return model.Layout;
  }
  // The panel lies inside the free area and holds every cell.
  void ExpectWholeAndFree(const ViewLayout& layout, int rows, int cols) {
    const GridArea area = FreeGridArea(layout);
    EXPECT_GE(layout.PanelLeft, area.Left);
    EXPECT_GE(layout.PanelTop, area.Top) << "clear of the button row";
    EXPECT_LE(layout.PanelLeft + layout.GridWidth + 2 * kGridPanelBevel, area.Right) << "clear of the word box and list";
    EXPECT_LE(layout.PanelTop + layout.GridHeight + 2 * kGridPanelBevel, area.Bottom);
    EXPECT_GE(layout.GridWidth, cols * layout.CellPitch);
    EXPECT_GE(layout.GridHeight, rows * layout.CellPitch);
  }
};

TEST_F(GridPlacementTest, GridsThatFitKeepTheTwentyTwoPixelLayout) {
  struct Case {
    int rows, cols, width, height, left, top;
  };
  for (const Case& c : {Case{10, 15, 330, 220, 85, 190}, Case{20, 22, 484, 440, 8, 80}, Case{1, 1, 30, 30, 235, 285},
                        Case{20, 1, 30, 440, 235, 80}, Case{3, 22, 484, 66, 8, 267}}) {
    const ViewLayout& layout = Place(c.rows, c.cols);
    SCOPED_TRACE(std::to_string(c.rows) + " by " + std::to_string(c.cols));
    EXPECT_FALSE(layout.Fitted);
    EXPECT_EQ(layout.CellPitch, 22);
    EXPECT_EQ(layout.GridWidth, c.width);
    EXPECT_EQ(layout.GridHeight, c.height);
    EXPECT_EQ(layout.PanelLeft, c.left);
    EXPECT_EQ(layout.PanelTop, c.top);
  }
}

TEST_F(GridPlacementTest, LargerGridsGetTheLargestPitchThatFitsCentredInTheFreeArea) {
  struct Case {
    int rows, cols, pitch;
  };
  // The free area of a 1024 by 768 window: 528 wide left of the word box, 695 high below the
  // buttons; an 8-pixel margin and the 3-pixel bevel on each side.
  for (const Case& c : {Case{40, 40, 12}, Case{21, 10, 22}, Case{10, 23, 22}, Case{40, 10, 16}, Case{10, 40, 12},
                        Case{30, 30, 16}, Case{100, 100, 5}}) {
    const ViewLayout& layout = Place(c.rows, c.cols);
    SCOPED_TRACE(std::to_string(c.rows) + " by " + std::to_string(c.cols));
    EXPECT_TRUE(layout.Fitted);
    EXPECT_EQ(layout.CellPitch, c.pitch);
    EXPECT_EQ(layout.GridWidth, std::max(c.cols * c.pitch, 30));
    EXPECT_EQ(layout.GridHeight, std::max(c.rows * c.pitch, 30));
    ExpectWholeAndFree(layout, c.rows, c.cols);
    const GridArea area = FreeGridArea(layout);
    const int leftGap = layout.PanelLeft - area.Left;
    const int rightGap = area.Right - (layout.PanelLeft + layout.GridWidth + 2 * kGridPanelBevel);
    const int topGap = layout.PanelTop - area.Top;
    const int bottomGap = area.Bottom - (layout.PanelTop + layout.GridHeight + 2 * kGridPanelBevel);
    EXPECT_LE(std::abs(leftGap - rightGap), 1);
    EXPECT_LE(std::abs(topGap - bottomGap), 1);
  }
}

TEST_F(GridPlacementTest, TheFreeAreaFollowsTheWordBoxAndTheWindow) {
  // A list of long words moves the word box left of where it starts; a smaller window is lower.
  model.Layout.WindowWidth = 800;
  model.Layout.WindowHeight = 600;
  model.Layout.WordBoxLeft = model.Layout.AnswerListLeft = 800 - 300 - 10;
  const ViewLayout& layout = Place(20, 22);
  EXPECT_TRUE(layout.Fitted) << "a 22-column grid would reach under the word box";
  ExpectWholeAndFree(layout, 20, 22);

  // Refitting after the window grew again gives back the 22-pixel layout.
  model.GridPresent = true;
  model.Layout.WindowWidth = 1024;
  model.Layout.WindowHeight = 768;
  model.Layout.WordBoxLeft = model.Layout.AnswerListLeft = 528;
  core.session.RefitGrid();
  EXPECT_FALSE(model.Layout.Fitted);
  EXPECT_EQ(model.Layout.PanelLeft, 8);
  EXPECT_EQ(model.Layout.PanelTop, 80);
}

TEST_F(GridPlacementTest, DeletingARowOfAFittedGridKeepsItsPitch) {
  model.Grid.SetSize(40, 40);
  core.session.PlaceGrid();
  ASSERT_TRUE(model.Layout.Fitted);
  EXPECT_EQ(core.session.ViewExtent(39), 39 * model.Layout.CellPitch);
  model.Grid.SetSize(10, 10);
  core.session.PlaceGrid();
  EXPECT_EQ(core.session.ViewExtent(9), 9 * 22);
}

}  // namespace
}  // namespace glimmerset
