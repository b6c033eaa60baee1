#include <gtest/gtest.h>

#include "CoreFixture.h"
#include "core/AppearanceCommands.h"

namespace glimmerset {
namespace {

using testing::CoreFixture;

class AppearanceCommandsTest : public CoreFixture {
 public:
  // A loaded grid with answer 1 found and marked.
  void SetUpMarkedGrid() {
    LoadGrid({"CAT", "XXX"});
    LoadAnswers({"CAT"});
    core.commands.Solve();
    ASSERT_EQ(model.Grid.Record(0, 0)->Colour, HighlightFor(1));
    port.Forget();
  }
  bool Repainted() const { return port.SawChange(ModelChange::Cells); }
};

TEST_F(AppearanceCommandsTest, EachChoiceResetsTheMarksAndRepaintsAsItsCommandDoes) {
  struct Case {
    const char* name;
    void (*choose)(Session&);
    bool repainted;
  };
  const Case cases[] = {
      {"grid font", [](Session& s) { ChooseGridFont(s, "Courier", 0x008000); }, true},
      {"background", [](Session& s) { ChooseBackground(s, Colour{0x0000FF}); }, true},
      {"answer font", [](Session& s) { ChooseAnswerFont(s, "Courier", 0x00FFFF); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUpMarkedGrid();
    c.choose(core.session);
    EXPECT_EQ(*model.Grid.Record(0, 0), model.DefaultLook());  // the mark is gone
    EXPECT_EQ(model.Paths.Get(1, 3), (GridPos{0, 2}));         // the found path stays
    EXPECT_EQ(model.Answers[0].LineColour, colours::Blue);     // and so does the list colour
    EXPECT_EQ(Repainted(), c.repainted);
  }
  EXPECT_EQ(model.Look.GFont, "Courier");
  EXPECT_EQ(model.Look.FCol, 0x008000u);
  EXPECT_EQ(model.Look.BCol, 0x0000FFu);
  EXPECT_EQ(model.Look.AFCol, 0x00FFFFu);
}

TEST_F(AppearanceCommandsTest, CancelledBackgroundStillRepaintsAndChangesNothing) {
  SetUpMarkedGrid();
  const Appearance before = model.Look;
  ChooseBackground(core.session, std::nullopt);
  EXPECT_EQ(model.Look.BCol, before.BCol);
  EXPECT_EQ(model.Grid.Record(0, 0)->Colour, HighlightFor(1));  // marks stay
  EXPECT_TRUE(Repainted());
}

TEST_F(AppearanceCommandsTest, AnswerFontWithoutAGridOnlyChangesTheSetting) {
  ChooseAnswerFont(core.session, "Courier", 0x0000FF);
  EXPECT_EQ(model.Look.AFont, "Courier");
  EXPECT_FALSE(model.CellsReady);
  EXPECT_EQ(model.Grid.Record(0, 0), nullptr);
}

}  // namespace
}  // namespace glimmerset
