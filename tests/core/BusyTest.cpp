#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "CoreFixture.h"

namespace glimmerset {
namespace {

using testing::CoreFixture;

// What a command could change: compared before and after a call made from inside a pump.
struct Snapshot {
  std::array<std::string, 6> status;
  std::string wordText;
  bool gameRunning, tracking, playEnabled;
  int currentAnswer, currentLetter, errorCount, foundCount;
  std::vector<std::string> rows;
  std::vector<AnswerLine> answers;
  std::size_t messages, sounds, sizeQuestions, changes;
  bool operator==(const Snapshot&) const = default;
};

struct NestedCommand {
  const char* name;
  std::function<void(PuzzleCore&)> run;
};

void PrintTo(const NestedCommand& c, std::ostream* os) { *os << c.name; }

class BusyTest : public CoreFixture, public ::testing::WithParamInterface<NestedCommand> {
 protected:
  Snapshot Take() const {
    return {model.Status,         model.WordText,      model.GameRunning,        model.Tracking,
            model.Commands.PlayEnabled, model.CurrentAnswer, model.CurrentLetter, model.ErrorCount,
            model.FoundCount,     Rows(),              model.Answers,            port.messages.size(),
            port.sounds.size(),   port.sizeQuestions.size(), port.changes.size()};
  }
  void Prepare() {
    LoadGrid({"CATD", "XXXO", "XXXG"});
    LoadAnswers({"CAT", "EMU", "DOG"});
    model.WordText = "CAT";
    model.Tracking = true;
    model.CurrentAnswer = 1;
  }
};

// While a search or a construction runs, every command that changes the model returns at once.
TEST_P(BusyTest, NestedCommandIsRefusedWhileBusy) {
  const NestedCommand& nested = GetParam();
  struct Outer {
    const char* name;
    std::function<void()> run;
  };
  const std::vector<Outer> outers = {
      {"Solve", [&] { core.commands.Solve(); }},
      {"Play", [&] { core.game.StartGame(); }},
      {"Find", [&] { core.commands.Find(); }},
      {"Make",
       [&] {
         port.sizeAnswers.push_back({WizardChoice::Size, 3, 4});
         core.construction.SetSeed(3);
         core.construction.ConstructPuzzle();
       }},
  };
  for (const Outer& outer : outers) {
    Prepare();
    int refusedCalls = 0;
    int changedCalls = 0;
    port.onPump = [&] {
      if (!model.Busy) return;
      const Snapshot before = Take();
      nested.run(core);
      (Take() == before ? refusedCalls : changedCalls)++;
    };
    port.changes.clear();
    outer.run();
    port.onPump = nullptr;
    EXPECT_GT(refusedCalls, 0) << outer.name;
    EXPECT_EQ(changedCalls, 0) << outer.name;
    EXPECT_FALSE(model.Busy) << outer.name;
    EXPECT_TRUE(port.SawChange(ModelChange::Busy)) << outer.name;

    // The same command does change something once the model is no longer busy.
    model.Tracking = true;
    const Snapshot idle = Take();
    nested.run(core);
    EXPECT_NE(Take(), idle) << outer.name;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, BusyTest,
    ::testing::Values(NestedCommand{"Find", [](PuzzleCore& c) { c.commands.Find(); }},
                      NestedCommand{"ReturnKey", [](PuzzleCore& c) { c.commands.WordKeyDown(13); }},
                      NestedCommand{"Solve", [](PuzzleCore& c) { c.commands.Solve(); }},
                      NestedCommand{"Clear", [](PuzzleCore& c) { c.commands.Clear(); }},
                      NestedCommand{"SelChange", [](PuzzleCore& c) { c.commands.SelChange(1); }},
                      NestedCommand{"StartGame", [](PuzzleCore& c) { c.game.StartGame(); }},
                      NestedCommand{"PressCell", [](PuzzleCore& c) { c.game.PressCell(0, 0); }},
                      NestedCommand{"MoveOverCell", [](PuzzleCore& c) { c.game.MoveOverCell(1, 2); }},
                      NestedCommand{"ConstructPuzzle", [](PuzzleCore& c) { c.construction.ConstructPuzzle(); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace glimmerset
