#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CoreFixture.h"

namespace glimmerset {
namespace {

using testing::CoreFixture;

class SolveCommandsTest : public CoreFixture {
 protected:
  // CAT across row 0, DOG down column 3, EMU nowhere.
  void LoadCatDogGrid() { LoadGrid({"CATD", "XXXO", "XXXG"}); }

  std::vector<Colour> LineColours() const {
    std::vector<Colour> colours;
    for (const auto& line : model.Answers) colours.push_back(line.LineColour.value_or(0xDEADBEEF));
    return colours;
  }
};

TEST_F(SolveCommandsTest, FindRefusesWordsShorterThanTwoCharacters) {
  LoadCatDogGrid();
  model.MarkFound(0, 0, 5);
  for (const std::string text : {"", "C"}) {
    port.Forget();
    model.WordText = text;
    model.GameRunning = true;
    core.commands.Find();
    EXPECT_EQ(port.messages, std::vector<std::string>{"No valid word selected"});
    EXPECT_EQ(CellColour(0, 0), HighlightFor(5)) << "marks stay";
    EXPECT_TRUE(model.GameRunning);
    EXPECT_EQ(model.WordText, text);
  }
}

TEST_F(SolveCommandsTest, FindReportsAndSounds) {
  struct Case {
    std::string typed;
    bool sound;
    std::string upper;
    std::string status;
    std::vector<SoundEffect> sounds;
    int marked;
  };
  const std::vector<Case> cases = {
      {"cat", true, "CAT", "Found CAT", {SoundEffect::Won}, 3},
      {"Dog", false, "DOG", "Found DOG", {}, 3},
      {"emu", true, "EMU", "Glimmerset Failed", {SoundEffect::Bad}, 0},
      {"emu", false, "EMU", "Glimmerset Failed", {}, 0},
  };
  for (const Case& c : cases) {
    LoadCatDogGrid();
    model.MarkFound(1, 1, 7);  // an earlier mark disappears
    port.Forget();
    model.SoundSwitch = c.sound;
    model.GameRunning = true;
    model.Commands.PlayEnabled = false;
    model.WordText = c.typed;
    core.commands.Find();
    EXPECT_EQ(model.WordText, c.upper);
    EXPECT_EQ(model.Status[MessagePanel], c.status);
    EXPECT_EQ(port.sounds, c.sounds) << c.typed;
    EXPECT_EQ(MarkedCells(), c.marked) << c.typed;
    EXPECT_FALSE(model.GameRunning);
    EXPECT_FALSE(model.Commands.PlayEnabled) << "Find leaves the Play button alone";
    EXPECT_TRUE(port.SawChange(ModelChange::Cells));
    EXPECT_TRUE(port.messages.empty());
  }
}

TEST_F(SolveCommandsTest, SecondFindRemovesTheFirstMarks) {
  LoadCatDogGrid();
  model.WordText = "CAT";
  core.commands.Find();
  model.WordText = "DOG";
  core.commands.Find();
  EXPECT_EQ(MarkedCells(), 3);
  for (int row = 0; row < 3; ++row) EXPECT_EQ(CellColour(3, row), HighlightFor(1));
  EXPECT_EQ(CellColour(0, 0), model.Look.BCol);
}

TEST_F(SolveCommandsTest, ReturnKeyRunsFindOtherKeysDoNot) {
  LoadCatDogGrid();
  model.WordText = "cat";
  EXPECT_FALSE(core.commands.WordKeyDown('A'));
  EXPECT_EQ(model.WordText, "cat");
  EXPECT_TRUE(core.commands.WordKeyDown(13));
  EXPECT_EQ(model.Status[MessagePanel], "Found CAT");
}

TEST_F(SolveCommandsTest, SolveRefusesWithoutListOrGrid) {
  struct Case {
    std::vector<std::string> answers;
    bool gridPresent;
  };
  for (const Case& c : {Case{{}, true}, Case{{"CAT"}, false}, Case{{}, false}}) {
    LoadCatDogGrid();
    LoadAnswers(c.answers);
    model.GridPresent = c.gridPresent;
    model.Status[MessagePanel] = "Message";
    port.Forget();
    core.commands.Solve();
    EXPECT_EQ(port.messages, std::vector<std::string>{"Can't Solve. Check Answer list and Grid"});
    EXPECT_EQ(model.Status[MessagePanel], "Message");
    EXPECT_TRUE(port.sounds.empty());
  }
}

TEST_F(SolveCommandsTest, SolveMarksFoundAnswersAndColoursTheList) {
  struct Case {
    std::vector<std::string> answers;
    std::string status;
    SoundEffect sound;
    std::vector<Colour> colours;
  };
  const Colour B = colours::Blue, R = colours::Red;
  const std::vector<Case> cases = {
      {{"CAT", "EMU", "DOG"}, "Glimmerset Failed, Found 2 words", SoundEffect::Bad, {B, R, B}},
      {{"CAT", "DOG", "TAC"}, "Found All 3 words", SoundEffect::Won, {B, B, B}},
      {{"EMU", "GNU"}, "Glimmerset Failed, Found 0 words", SoundEffect::Bad, {R, R}},
  };
  for (const Case& c : cases) {
    LoadCatDogGrid();
    LoadAnswers(c.answers);
    port.Forget();
    core.commands.Solve();
    EXPECT_EQ(model.Status[MessagePanel], c.status);
    EXPECT_EQ(port.sounds, std::vector<SoundEffect>{c.sound});
    EXPECT_EQ(LineColours(), c.colours);
    for (std::size_t i = 0; i < c.answers.size(); ++i) {
      EXPECT_EQ(model.Answers[i].Text, c.answers[i]);
      EXPECT_EQ(model.AnswerColours.Get(static_cast<int>(i) + 1), c.colours[i]);
    }
    EXPECT_EQ(model.WordText, c.answers.back()) << "the word box holds the last answer";
    EXPECT_TRUE(port.SawChange(ModelChange::AnswerList));
  }
}

TEST_F(SolveCommandsTest, EachFoundAnswerTakesItsOwnPaletteEntry) {
  LoadCatDogGrid();
  LoadAnswers({"CAT", "EMU", "DOG"});
  core.commands.Solve();
  EXPECT_EQ(CellColour(0, 0), 0xFFFF00u);  // answer 1
  EXPECT_EQ(CellColour(3, 2), 0x00FF00u);  // answer 3
  EXPECT_EQ(CellColour(3, 0), 0x00FF00u);  // shared D: the later answer's colour
  EXPECT_EQ(MarkedCells(), 6);
}

TEST_F(SolveCommandsTest, ClearAfterSolveRemovesMarksKeepsLineColoursAndEndsTheGame) {
  LoadCatDogGrid();
  LoadAnswers({"CAT", "EMU", "DOG"});
  core.commands.Solve();
  model.GameRunning = true;
  model.Commands.PlayEnabled = false;
  model.FoundCount = 2;
  model.ErrorCount = 3;
  model.WordText = "ZEBRA";
  core.commands.Clear();
  EXPECT_EQ(MarkedCells(), 0);
  EXPECT_EQ(model.Paths.Get(1, 1), GridPos{});
  EXPECT_EQ(LineColours(), (std::vector<Colour>{colours::Blue, colours::Red, colours::Blue}));
  EXPECT_TRUE(model.Commands.PlayEnabled);
  EXPECT_FALSE(model.GameRunning);
  EXPECT_EQ(model.FoundCount, 0);
  EXPECT_EQ(model.ErrorCount, 0);
  EXPECT_EQ(model.WordText, "ZEBRA");
}

TEST_F(SolveCommandsTest, PickingAnAnswer) {
  LoadCatDogGrid();
  LoadAnswers({"CAT", "EMU", "DOG"});
  core.commands.Solve();
  model.AnswerColours.Set(3, colours::Green);  // found in a game
  struct Case {
    int line;
    std::string word;
    int current;
    int letter;
  };
  // Red and blue lines are picked; the green line, and lines outside the list, change nothing.
  for (const Case& c : {Case{1, "EMU", 2, 1}, Case{0, "CAT", 1, 1}, Case{2, "CAT", 1, 4}, Case{3, "CAT", 1, 4},
                      Case{-1, "CAT", 1, 4}}) {
    model.CurrentLetter = 4;
    core.commands.SelChange(c.line);
    EXPECT_EQ(model.WordText, c.word) << c.line;
    EXPECT_EQ(model.CurrentAnswer, c.current) << c.line;
    EXPECT_EQ(model.CurrentLetter, c.letter) << c.line;
  }
}

TEST_F(SolveCommandsTest, ClearResetsOnlyTheFirstTwentyAnswers) {
  std::vector<std::string> answers;
  for (int i = 0; i < 25; ++i) answers.push_back("CAT");
  LoadCatDogGrid();
  LoadAnswers(answers);
  core.commands.Solve();
  core.commands.Clear();
  for (int n : {1, 20}) EXPECT_EQ(model.Paths.Get(n, 1), GridPos{}) << n;
  for (int n : {21, 25}) EXPECT_EQ(model.Paths.Get(n, 3), (GridPos{0, 2})) << n;
}

TEST_F(SolveCommandsTest, TwoHundredAnswersAndSixtyLetters) {
  std::vector<std::string> answers;
  for (int i = 1; i <= 199; ++i) answers.push_back(i % 2 ? "CAT" : std::string(60, 'Q'));
  answers.push_back("DOG");
  LoadCatDogGrid();
  LoadAnswers(answers);
  core.commands.Solve();
  EXPECT_EQ(model.Status[MessagePanel], "Glimmerset Failed, Found 101 words");
  ASSERT_EQ(model.Answers.size(), 200u);
  EXPECT_EQ(model.AnswerColours.Get(200), colours::Blue);
  EXPECT_EQ(model.AnswerColours.Get(198), colours::Red);
  EXPECT_EQ(model.Paths.Get(200, 3), (GridPos{2, 3}));
  EXPECT_EQ(CellColour(3, 2), HighlightFor(200));
}

// Solving with a count of 0 must not empty the list, and lines beyond the count keep their text.
TEST_F(SolveCommandsTest, SolveListKeepsLinesItDoesNotSolve) {
  LoadCatDogGrid();
  LoadAnswers({"CAT", "EMU", "DOG"});
  model.AnswerCount = 0;
  EXPECT_EQ(core.commands.SolveList(false), 0);
  EXPECT_EQ(model.Answers.size(), 3u);
  model.AnswerCount = 2;
  EXPECT_EQ(core.commands.SolveList(false), 1);
  ASSERT_EQ(model.Answers.size(), 3u);
  EXPECT_EQ(model.Answers[2].Text, "DOG");
  EXPECT_FALSE(model.Answers[2].LineColour.has_value());
  EXPECT_EQ(model.Answers[1].LineColour, colours::Red);
}

}  // namespace
}  // namespace glimmerset
