#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CoreFixture.h"

namespace glimmerset {
namespace {

using testing::CoreFixture;

class GameTest : public CoreFixture {
 protected:
  // CAT across row 0, DOG down column 3, GOD right to left in row 3 (its G is the rightmost cell).
  void LoadPuzzle(const std::vector<std::string>& answers) {
    LoadGrid({"CATD", "XXXO", "XXXG", "XDOG"});
    LoadAnswers(answers);
  }
  void Start() {
    core.game.StartGame();
    port.Forget();
  }
  // Presses the first letter and moves over the rest of the current answer's path.
  void Trace(const std::vector<std::pair<int, int>>& cells) {
    core.game.PressCell(cells.front().first, cells.front().second);
    for (const auto& [col, row] : cells) core.game.MoveOverCell(col, row);
  }
};

const std::vector<std::pair<int, int>> kCat = {{0, 0}, {1, 0}, {2, 0}};
const std::vector<std::pair<int, int>> kDog = {{3, 0}, {3, 1}, {3, 2}};

TEST_F(GameTest, PlayRefusesWithoutListOrGrid) {
  struct Case {
    std::vector<std::string> answers;
    bool gridPresent;
    std::string message;
  };
  for (const Case& c : {Case{{}, false, "No Answer list present"}, Case{{}, true, "No Answer list present"},
                        Case{{"CAT"}, false, "No Grid Present"}}) {
    LoadPuzzle(c.answers);
    model.GridPresent = c.gridPresent;
    port.Forget();
    core.game.StartGame();
    EXPECT_EQ(port.messages, std::vector<std::string>{c.message});
    EXPECT_FALSE(model.GameRunning);
    EXPECT_TRUE(model.Commands.PlayEnabled);
    EXPECT_EQ(model.Status[MessagePanel], "Message");
  }
}

TEST_F(GameTest, PlayChecksTheListAndReports) {
  struct Case {
    std::vector<std::string> answers;
    std::string status;
    std::vector<std::string> messages;
    int toFind;
    std::string score;
  };
  const std::vector<Case> cases = {
      {{"CAT", "DOG", "GOD", "TAC", "ODX", "XX", "CA"}, "All 7 words are present", {}, 7, "Found 0 out of 7  7 To Find"},
      {{"CAT", "EMU", "DOG", "GOD", "GNU", "TAC", "CA"}, "Some Answers are Missing", {}, 5, "Found 0 out of 5  5 To Find"},
      {{"EMU", "GNU"},
       "All Answers are Missing",
       {"None of the listed answers are present in the Grid"},
       0,
       "Found 0 out of 0  0 To Find"},
  };
  for (const Case& c : cases) {
    LoadPuzzle(c.answers);
    port.Forget();
    core.game.StartGame();
    EXPECT_EQ(model.Status[MessagePanel], c.status);
    EXPECT_EQ(port.messages, c.messages);
    EXPECT_EQ(model.ToFindCount, c.toFind);
    EXPECT_EQ(model.Status[ScorePanel], c.score);
    EXPECT_EQ(model.WordText, c.answers.front());
    EXPECT_EQ(model.AnswerCount, static_cast<int>(c.answers.size()));
    EXPECT_TRUE(model.GameRunning);
    EXPECT_FALSE(model.Commands.PlayEnabled);
    EXPECT_EQ(model.CurrentAnswer, 1);
    EXPECT_EQ(model.CurrentLetter, 1);
    EXPECT_EQ(MarkedCells(), 0);
  }
}

TEST_F(GameTest, SecondPlayAfterClearChecksEveryAnswerAgain) {
  LoadPuzzle({"CAT", "EMU", "DOG"});
  core.game.StartGame();
  core.commands.Clear();
  model.Grid.SetText(0, 0, "E");  // CAT is gone now
  core.game.StartGame();
  EXPECT_EQ(model.ToFindCount, 1);
  EXPECT_EQ(model.Answers[0].LineColour, colours::Red);
  EXPECT_EQ(model.Answers[2].LineColour, colours::Blue);
}

TEST_F(GameTest, PressOutsideAGameOnlyAsksForPlay) {
  LoadPuzzle({"CAT", "DOG"});
  core.game.PressCell(0, 0);
  EXPECT_EQ(port.messages, std::vector<std::string>{"Press \"Play\" to start the game"});
  EXPECT_EQ(model.ErrorCount, 0);
  EXPECT_FALSE(model.Tracking);
  EXPECT_EQ(MarkedCells(), 0);
}

TEST_F(GameTest, TracingAnAnswerFindsItAndMovesOn) {
  LoadPuzzle({"CAT", "DOG", "GOD"});
  Start();
  core.game.PressCell(0, 0);
  EXPECT_TRUE(model.Tracking);
  EXPECT_EQ(model.CurrentLetter, 1) << "the press itself does not advance";
  EXPECT_EQ(CellColour(0, 0), HighlightFor(1));
  EXPECT_EQ(model.Status[CellPanel], "Col 0,Row 0");
  // Detours and letters out of turn change nothing.
  for (const auto& [col, row] : std::vector<std::pair<int, int>>{{0, 0}, {2, 0}, {1, 1}, {1, 0}, {3, 3}, {2, 0}})
    core.game.MoveOverCell(col, row);
  EXPECT_EQ(model.Status[CellPanel], "Col 2,Row 0");
  EXPECT_EQ(port.messages, std::vector<std::string>{"Found CAT"});
  EXPECT_EQ(port.sounds, std::vector<SoundEffect>{SoundEffect::Won});
  EXPECT_FALSE(model.Tracking);
  EXPECT_EQ(model.FoundCount, 1);
  EXPECT_EQ(model.Answers[0].LineColour, colours::Green);
  EXPECT_EQ(model.Answers[1].LineColour, colours::Blue);
  EXPECT_EQ(model.CurrentAnswer, 2);
  EXPECT_EQ(model.WordText, "DOG");
  EXPECT_EQ(model.CurrentLetter, 1);
  EXPECT_EQ(model.Status[ScorePanel], "Found 1 out of 3  2 To Find  0 Errors");
  EXPECT_EQ(MarkedCells(), 3);
}

TEST_F(GameTest, AnswerLaidRightToLeftStartsAtItsRightmostCell) {
  LoadGrid({"XDOG", "XXXX"});
  LoadAnswers({"GOD", "EMU"});
  Start();
  core.game.PressCell(1, 0);  // D, its last letter
  EXPECT_EQ(model.ErrorCount, 1);
  Trace({{3, 0}, {2, 0}, {1, 0}});
  EXPECT_EQ(model.Answers[0].LineColour, colours::Green);
  EXPECT_EQ(model.CurrentAnswer, 2);
  EXPECT_EQ(model.WordText, "EMU");
}

TEST_F(GameTest, CompletingTheLastAnswerEndsTheGame) {
  LoadPuzzle({"CAT", "EMU", "DOG"});
  Start();
  model.ErrorCount = 0;
  Trace(kCat);
  EXPECT_EQ(model.CurrentAnswer, 2) << "a missing answer can become current";
  core.commands.SelChange(2);
  port.Forget();
  Trace(kDog);
  EXPECT_EQ(port.messages, std::vector<std::string>{"Found DOG Glimmerset Completed "});
  EXPECT_TRUE(model.Commands.PlayEnabled);
  EXPECT_FALSE(model.GameRunning);
  EXPECT_EQ(model.Status[ScorePanel], "Found 0 out of 2  2 To Find  0 Errors");
  EXPECT_EQ(model.CurrentAnswer, 2);
  EXPECT_EQ(model.WordText, "EMU");
}

TEST_F(GameTest, WhenEveryAnswerIsGreenNoAnswerIsCurrent) {
  LoadPuzzle({"CAT", "DOG"});
  Start();
  Trace(kCat);
  Trace(kDog);
  EXPECT_EQ(model.CurrentAnswer, 0);
  EXPECT_EQ(model.WordText, "DOG");
  port.Forget();
  core.commands.SelChange(0);  // green lines cannot be picked
  EXPECT_EQ(model.CurrentAnswer, 0);
}

TEST_F(GameTest, WrongPressesCountUntilGameOver) {
  for (int allowed : {0, 10, 999}) {
    LoadPuzzle({"CAT", "DOG"});
    model.AllowedErrors = allowed;
    Start();
    for (int i = 1; i <= allowed; ++i) core.game.PressCell(3, 3);
    EXPECT_TRUE(model.GameRunning) << allowed;
    EXPECT_EQ(model.ErrorCount, allowed);
    if (allowed > 0) {
      EXPECT_EQ(model.Status[ScorePanel], "Found 0 out of 2  2 To Find  " + std::to_string(allowed) + " Errors");
    }
    EXPECT_TRUE(port.messages.empty());
    core.game.PressCell(3, 3);
    EXPECT_EQ(port.messages, std::vector<std::string>{"You made " + std::to_string(allowed + 1) + " Errors, GAME OVER"});
    EXPECT_FALSE(model.GameRunning);
    EXPECT_TRUE(model.Commands.PlayEnabled);
    EXPECT_EQ(model.ErrorCount, 0) << "Clear resets the count";
    EXPECT_EQ(port.sounds.size(), static_cast<std::size_t>(allowed + 1));
  }
}

TEST_F(GameTest, WrongPressHalfWayKeepsTheTrace) {
  LoadPuzzle({"CAT", "DOG"});
  Start();
  core.game.PressCell(0, 0);
  core.game.MoveOverCell(0, 0);
  core.game.MoveOverCell(1, 0);
  core.game.PressCell(3, 3);
  EXPECT_EQ(model.ErrorCount, 1);
  EXPECT_EQ(model.CurrentLetter, 3);
  core.game.PressCell(2, 0);  // the next expected cell is a hit
  EXPECT_EQ(model.ErrorCount, 1);
  core.game.MoveOverCell(2, 0);
  EXPECT_EQ(model.FoundCount, 1);
}

TEST_F(GameTest, SoundSwitchSilencesTheGame) {
  LoadPuzzle({"CAT", "DOG"});
  model.SoundSwitch = false;
  Start();
  core.game.PressCell(3, 3);
  Trace(kCat);
  EXPECT_TRUE(port.sounds.empty());
  EXPECT_EQ(model.FoundCount, 1);
}

// Positions outside every cell never hit, whatever the path table holds for them.
TEST_F(GameTest, PressesAndMovesOutsideTheGridNeverHit) {
  LoadGrid({"A"});
  LoadAnswers({"AA"});
  Start();
  const std::vector<GridPos> outside = {{-1, -1}, {0, 1}, {1, 0}, {-1, 0}, {40, 40}};
  for (const GridPos& pos : outside) {
    model.Paths.Set(1, 1, pos);
    model.Paths.Set(1, 2, pos);
    const int errors = model.ErrorCount;
    core.game.PressCell(pos.Col, pos.Row);
    EXPECT_EQ(model.ErrorCount, errors + 1) << pos.Col << "," << pos.Row;
    EXPECT_FALSE(model.Tracking);
    model.Tracking = true;
    core.game.MoveOverCell(pos.Col, pos.Row);
    EXPECT_EQ(model.CurrentLetter, 1);
    EXPECT_EQ(model.Status[CellPanel], Game::CoordinateText(pos.Col, pos.Row));
    model.Tracking = false;
  }
  EXPECT_EQ(MarkedCells(), 0);
}

TEST_F(GameTest, PickingDuringAGameSwitchesTheTrace) {
  LoadPuzzle({"CAT", "DOG"});
  Start();
  core.game.PressCell(0, 0);
  core.game.MoveOverCell(0, 0);
  core.commands.SelChange(1);
  EXPECT_EQ(model.CurrentAnswer, 2);
  EXPECT_EQ(model.CurrentLetter, 1);
  EXPECT_TRUE(model.Tracking);
  EXPECT_EQ(CellColour(0, 0), HighlightFor(1)) << "the half-traced mark stays";
  for (const auto& [col, row] : kDog) core.game.MoveOverCell(col, row);
  EXPECT_EQ(model.Answers[1].LineColour, colours::Green);
  EXPECT_EQ(model.WordText, "CAT");
}

// After a game ends mid-answer the pointer is still followed, but nothing is marked or found.
TEST_F(GameTest, MovesAfterTheGameEndedOnlyReportThePosition) {
  std::vector<std::string> answers(20, "XX");
  answers.push_back("CAT");  // answer 21 keeps its path through Clear
  LoadPuzzle(answers);
  Start();
  core.commands.SelChange(20);
  core.game.PressCell(0, 0);
  core.game.MoveOverCell(0, 0);
  core.commands.Clear();
  port.Forget();
  for (const auto& [col, row] : kCat) core.game.MoveOverCell(col, row);
  EXPECT_EQ(model.Status[CellPanel], "Col 2,Row 0");
  EXPECT_EQ(model.CurrentLetter, 2);
  EXPECT_EQ(model.FoundCount, 0);
  EXPECT_TRUE(port.messages.empty());
  EXPECT_EQ(MarkedCells(), 0);
}

// Tracking survives Clear: in the next game the first letter is taken up without a press.
TEST_F(GameTest, TrackingCarriesIntoTheNextGame) {
  LoadPuzzle({"CAT", "DOG"});
  Start();
  core.game.PressCell(0, 0);
  core.commands.Clear();
  EXPECT_TRUE(model.Tracking);
  core.game.StartGame();
  core.game.MoveOverCell(0, 0);
  EXPECT_EQ(model.CurrentLetter, 2);
  EXPECT_EQ(CellColour(0, 0), HighlightFor(1));
}

// The cells a missing answer's failed search left behind are no path to follow.
TEST_F(GameTest, AMissingAnswerCannotBeTracedThroughWhatItsSearchLeft) {
  struct Case {
    std::vector<std::string> grid, answers;
    int pick;  // the list line made current before tracing
  };
  for (const Case& c : {Case{{"ABXX", "XXXC"}, {"ABC"}, 0}, Case{{"ABXX", "XXXC", "CATX"}, {"CAT", "ABC"}, 1}}) {
    LoadGrid(c.grid);
    LoadAnswers(c.answers);
    Start();
    core.commands.SelChange(c.pick);
    std::vector<std::pair<int, int>> leftovers;
    for (int k = 1; k <= 3; ++k) {
      const GridPos pos = model.Paths.Get(c.pick + 1, k);
      ASSERT_TRUE(pos.IsSet()) << "the failed search leaves its letters";
      leftovers.emplace_back(pos.Col, pos.Row);
    }
    Trace(leftovers);
    EXPECT_TRUE(port.messages.empty()) << c.answers.back();
    EXPECT_EQ(model.FoundCount, 0);
    EXPECT_EQ(model.ErrorCount, 1) << "the press on its first letter is a wrong one";
    EXPECT_FALSE(model.Tracking);
    EXPECT_TRUE(model.GameRunning);
    EXPECT_EQ(model.Answers[static_cast<std::size_t>(c.pick)].LineColour, colours::Red);
  }
  // The present answer still ends the game on its own.
  core.commands.SelChange(0);
  Trace({{0, 2}, {1, 2}, {2, 2}});
  EXPECT_EQ(port.messages, std::vector<std::string>{"Found CAT Glimmerset Completed "});
}

// An answer that lies in the grid more than once is found at any of its places.
TEST_F(GameTest, AnyPlaceOfAnAnswerCanBeTraced) {
  struct Case {
    std::vector<std::string> grid;
    std::vector<std::pair<int, int>> trace;
  };
  const std::vector<Case> cases = {
      {{"CATXX", "XXXXX", "XXCAT"}, {{2, 2}, {3, 2}, {4, 2}}},  // the second place, left to right
      {{"CATXX", "XXXXX", "XXCAT"}, {{0, 0}, {1, 0}, {2, 0}}},  // the place the check found
      {{"CATXX", "XXXXX", "TACXX"}, {{2, 2}, {1, 2}, {0, 2}}},  // a second place read right to left
      {{"CATXC", "XXXXA", "XXXXT"}, {{4, 0}, {4, 1}, {4, 2}}},  // a second place going down
  };
  for (const Case& c : cases) {
    LoadGrid(c.grid);
    LoadAnswers({"CAT"});
    Start();
    Trace(c.trace);
    EXPECT_EQ(port.messages, std::vector<std::string>{"Found CAT Glimmerset Completed "}) << c.grid[2];
    EXPECT_EQ(model.ErrorCount, 0) << c.grid[2];
    for (const auto& [col, row] : c.trace) EXPECT_EQ(CellColour(col, row), HighlightFor(1)) << c.grid[2];
  }
  // Only a first letter starts a place: a press on the middle of one is wrong.
  LoadGrid({"CATXX", "XXXXX", "XXCAT"});
  LoadAnswers({"CAT"});
  Start();
  core.game.PressCell(3, 2);
  EXPECT_EQ(model.ErrorCount, 1);
  EXPECT_FALSE(model.Tracking);
}

TEST(GameTextTest, ScoreAndCoordinateTexts) {
  testing::RecordingPort port;
  PuzzleCore core(port);
  core.session.Model.FoundCount = 2;
  core.session.Model.ToFindCount = 5;
  core.session.Model.ErrorCount = 3;
  EXPECT_EQ(core.game.ScoreLine(), "Found 2 out of 5  3 To Find  3 Errors");
  EXPECT_EQ(Game::CoordinateText(4, 0), "Col 4,Row 0");
  EXPECT_EQ(Game::CoordinateText(12, 39), "Col 12,Row 39");
}

}  // namespace
}  // namespace glimmerset
