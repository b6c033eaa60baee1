#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "CoreFixture.h"
#include "core/WordFinder.h"

namespace glimmerset {
namespace {

using testing::CoreFixture;

const std::vector<std::string> kCapitals = {"CAPITAL", "LONDON",   "PARIS",     "BERLIN",     "MADRID",
                                            "ROME",    "VIENNA",   "PRAGUE",    "WARSAW",     "LISBON",
                                            "DUBLIN",  "OSLO",     "HELSINKI",  "ATHENS",     "BUDAPEST",
                                            "BRUSSELS", "AMSTERDAM", "STOCKHOLM", "COPENHAGEN", "BERN"};

const std::string kAbandoned =
    "Not every answer could be placed in the grid. A larger grid may help: press Make again and choose a bigger size";

// The places where word can be read in the grid, in any of the eight directions. A place is its
// set of cells, so a palindrome read both ways, or a single letter, counts once.
int ReadingsOf(const std::vector<std::string>& rows, const std::string& word) {
  std::set<std::vector<std::pair<int, int>>> places;
  const int height = static_cast<int>(rows.size());
  for (int r = 0; r < height; ++r)
    for (int c = 0; c < static_cast<int>(rows[r].size()); ++c)
      for (int dc = -1; dc <= 1; ++dc)
        for (int dr = -1; dr <= 1; ++dr) {
          if (dc == 0 && dr == 0) continue;
          std::vector<std::pair<int, int>> cells;
          for (std::size_t k = 0; k < word.size(); ++k) {
            const int col = c + static_cast<int>(k) * dc;
            const int row = r + static_cast<int>(k) * dr;
            if (row < 0 || row >= height || col < 0 || col >= static_cast<int>(rows[row].size()) ||
                rows[row][col] != word[k])
              break;
            cells.push_back({col, row});
          }
          if (cells.size() != word.size()) continue;
          std::sort(cells.begin(), cells.end());
          places.insert(cells);
        }
  return static_cast<int>(places.size());
}

class ConstructionTest : public CoreFixture {
 protected:
  void Construct(SizeAnswer answer, std::uint32_t seed = 1) {
    port.sizeAnswers.push_back(answer);
    core.construction.SetSeed(seed);
    core.construction.ConstructPuzzle();
  }
  bool EveryCellIsACapitalLetter() const {
    for (int r = 0; r < model.Grid.RowCount(); ++r)
      for (int c = 0; c < model.Grid.ColCount(); ++c) {
        const std::string& text = model.Grid.Text(c, r);
        if (text.size() != 1 || text[0] < 'A' || text[0] > 'Z') return false;
      }
    return true;
  }
  // Gives every cell of a grid of the given letters the owner digit of the same place in owners.
  void LoadOwnedGrid(const std::vector<std::string>& rows, const std::vector<std::string>& owners) {
    LoadGrid(rows);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
      for (int c = 0; c < static_cast<int>(rows[r].size()); ++c)
        model.Grid.Record(c, r)->AnswerNo = owners[r][c] - '0';
  }
  std::vector<std::string> Owners() const {
    std::vector<std::string> owners;
    for (int r = 0; r < model.Grid.RowCount(); ++r) {
      std::string line;
      for (int c = 0; c < model.Grid.ColCount(); ++c) line += static_cast<char>('0' + model.Grid.Record(c, r)->AnswerNo);
      owners.push_back(line);
    }
    return owners;
  }
};

TEST_F(ConstructionTest, SuggestedSize) {
  struct Case {
    std::vector<std::string> answers;
    int size;
  };
  const std::vector<Case> cases = {
      {{"CAT", "DOG", "EMU"}, 3},
      {std::vector<std::string>(10, "ABCDE"), 12},
      {{"ABCDEFGH", "ABCDEF", "ABCDE", "ABCD", "ABC"}, 8},
      {{"AB", "CD", "EF", "GH", "IJ"}, 8},  // 10 letters: sqrt rounds to 3
      {std::vector<std::string>(200, "ABCDEFGHIJ"), 40},
      {{std::string(39, 'A'), "AB", "CD"}, 39},
      {{}, 0},
  };
  for (const Case& c : cases) {
    LoadAnswers(c.answers);
    EXPECT_EQ(core.construction.SuggestedSize(), c.size) << c.answers.size();
  }
}

TEST_F(ConstructionTest, RefusesBeforeTheWizard) {
  struct Case {
    std::vector<std::string> answers;
    std::string message;
  };
  const std::vector<Case> cases = {
      {{"CAT", "DOG"}, "You need to enter at least 3 answers before a new game can be constructed"},
      {{}, "You need to enter at least 3 answers before a new game can be constructed"},
      {{"CAT", std::string(60, 'A'), "DOG"},
       "An answer is longer than 40 letters and cannot be placed in a grid. Shorten it before constructing a new game"},
      {{"CAT", "DOG", std::string(41, 'A')},
       "An answer is longer than 40 letters and cannot be placed in a grid. Shorten it before constructing a new game"},
  };
  for (const Case& c : cases) {
    LoadGrid({"AB", "CD"});
    LoadAnswers(c.answers);
    port.Forget();
    port.sizeQuestions.clear();
    Construct({WizardChoice::Auto});
    EXPECT_EQ(port.messages, std::vector<std::string>{c.message});
    EXPECT_TRUE(port.sizeQuestions.empty());
    EXPECT_EQ(Rows(), (std::vector<std::string>{"AB", "CD"}));
  }
}

TEST_F(ConstructionTest, CancelledWizardChangesNothing) {
  LoadGrid({"AB", "CD"});
  model.GridPresent = false;
  LoadAnswers({"CAT", "DOG", "EMU"});
  port.sizeAnswers.push_back({WizardChoice::Cancelled});
  core.construction.ConstructPuzzle();
  EXPECT_EQ(port.sizeQuestions, std::vector<int>{3});
  EXPECT_EQ(Rows(), (std::vector<std::string>{"AB", "CD"}));
  EXPECT_FALSE(model.GridPresent);
  EXPECT_EQ(model.Status[SizePanel], "Rows 0  Cols 0:");
  EXPECT_TRUE(port.messages.empty());
}

TEST_F(ConstructionTest, SizeComesFromAutoOrTheWizardsNumbers) {
  struct Case {
    std::vector<std::string> answers;
    SizeAnswer answer;
    int rows, cols;
    std::string panel;
  };
  const std::vector<Case> cases = {
      {{"CAT", "DOG", "EMU"}, {WizardChoice::Auto}, 3, 3, " ROWS: 3 COLS: 3"},
      {{"CAT", "DOG", "EMU"}, {WizardChoice::Size, 6, 9}, 6, 9, " ROWS: 6 COLS: 9"},
      {{"CAT", "DOG", "EMU"}, {WizardChoice::Size, 55, 7}, 40, 7, " ROWS: 40 COLS: 7"},
      {{"CAT", "DOG", "EMU"}, {WizardChoice::Size, 0, -3}, 1, 1, " ROWS: 1 COLS: 1"},
      {std::vector<std::string>(200, "ABCDEFGHIJ"), {WizardChoice::Auto}, 40, 40, " ROWS: 40 COLS: 40"},
  };
  for (const Case& c : cases) {
    LoadAnswers(c.answers);
    port.sizeQuestions.clear();
    Construct(c.answer);
    EXPECT_EQ(port.sizeQuestions, std::vector<int>{core.construction.SuggestedSize()});
    EXPECT_EQ(model.Grid.RowCount(), c.rows);
    EXPECT_EQ(model.Grid.ColCount(), c.cols);
    EXPECT_EQ(model.Status[SizePanel], c.panel);
    if (c.rows <= 20 && c.cols <= 22) {
      EXPECT_EQ(model.Layout.GridHeight, GridViewExtent(c.rows));
      EXPECT_EQ(model.Layout.PanelLeft, 250 - GridViewExtent(c.cols) / 2);
    } else {
      // Too large for the 22-pixel layout: fitted to the window, every cell shown.
      EXPECT_TRUE(model.Layout.Fitted);
      EXPECT_EQ(model.Layout.GridHeight, c.rows * model.Layout.CellPitch);
    }
    EXPECT_TRUE(EveryCellIsACapitalLetter());
  }
}

// A completed construction holds every answer where the finder can read it, and is shown ready
// to play.
TEST_F(ConstructionTest, CompletedPuzzleHoldsEveryAnswerAndCanBePlayed) {
  struct Case {
    std::vector<std::string> answers;
    std::uint32_t seed;
  };
  const std::vector<Case> cases = {
      {{"CAT", "DOG", "EMU"}, 7}, {kCapitals, 1}, {kCapitals, 123456}, {std::vector<std::string>(10, "ABCDE"), 5}};
  for (const Case& c : cases) {
    LoadAnswers(c.answers);
    model.GridPresent = false;
    model.Commands = CommandState{false, false, false, false};
    port.Forget();
    Construct({WizardChoice::Auto}, c.seed);
    ASSERT_TRUE(core.construction.Completed()) << c.seed;
    EXPECT_TRUE(port.messages.empty());
    EXPECT_TRUE(EveryCellIsACapitalLetter());
    EXPECT_TRUE(model.GridPresent);
    EXPECT_TRUE(model.Commands.PlayEnabled && model.Commands.SolveEnabled && model.Commands.FindEnabled &&
                model.Commands.EditGridEnabled);
    WordFinder finder(core.session);
    for (const auto& line : model.Answers) EXPECT_TRUE(finder.FindWord(line.Text, 1, false)) << line.Text;
  }
}

TEST_F(ConstructionTest, SameSeedSameGridOtherSeedOtherGrid) {
  LoadAnswers(kCapitals);
  Construct({WizardChoice::Auto}, 42);
  const auto first = Rows();
  Construct({WizardChoice::Auto}, 42);
  EXPECT_EQ(Rows(), first);
  Construct({WizardChoice::Auto}, 43);
  EXPECT_NE(Rows(), first);
}

TEST_F(ConstructionTest, AbandonedConstructionSaysSoAndShowsTheGrid) {
  LoadAnswers({"CAT", "DOG", "EMU"});
  model.GridPresent = false;
  port.Forget();
  Construct({WizardChoice::Size, 2, 2});
  EXPECT_FALSE(core.construction.Completed());
  EXPECT_EQ(port.messages, std::vector<std::string>{kAbandoned});
  EXPECT_EQ(port.pumps, MaximumPasses * FailuresPerPass) << "events run between failed attempts";
  EXPECT_TRUE(model.GridPresent);
  EXPECT_TRUE(EveryCellIsACapitalLetter());
  EXPECT_EQ(model.Grid.RowCount(), 2);
}

// In a 5 by 5 grid a five-letter answer fits only right, down or down-right.
TEST_F(ConstructionTest, FiveLettersInFiveByFiveFitOnlyThreeWays) {
  std::set<std::pair<int, int>> steps;
  for (int row = 0; row < 5; ++row)
    for (int col = 0; col < 5; ++col)
      for (int attempt = 0; attempt < 40; ++attempt) {
        LoadGrid({"XXXXX", "XXXXX", "XXXXX", "XXXXX", "XXXXX"});
        if (!core.construction.PlaceAnswer("ABCDE", col, row, 1)) {
          EXPECT_EQ(MarkedCells(), 0);
          continue;
        }
        ASSERT_EQ(model.Grid.Text(col, row), "A");
        int dc = 0, dr = 0;
        for (const Direction& d : Directions)
          if (model.Grid.Text(col + d.ColStep, row + d.RowStep) == "B") dc = d.ColStep, dr = d.RowStep;
        steps.insert({dc, dr});
        EXPECT_EQ(model.Grid.Text(col + 4 * dc, row + 4 * dr), "E");
      }
  EXPECT_EQ(steps, (std::set<std::pair<int, int>>{{1, 0}, {0, 1}, {1, 1}}));
}

TEST_F(ConstructionTest, PlaceAnswerCrossingRule) {
  struct Case {
    const char* name;
    std::vector<std::string> rows, owners;
    std::string word;
    int col, row;
    bool placed;  // after enough attempts to try every direction
    std::vector<std::string> rowsAfter;
  };
  const std::vector<Case> cases = {
      // Only "down" fits from (1, 0) in a 3 by 3 grid.
      {"CrossesOnEqualLetter", {"XXX", "DOG", "XXX"}, {"000", "111", "000"}, "NOW", 1, 0, true, {"XNX", "DOG", "XWX"}},
      {"RefusesOtherLetter", {"XXX", "DOG", "XXX"}, {"000", "111", "000"}, "NAW", 1, 0, false, {"XXX", "DOG", "XXX"}},
      // Only "right" fits in one row.
      {"RefusesRunningAlong", {"CATX"}, {"1110"}, "CATS", 0, 0, false, {"CATX"}},
      {"RefusesTwoCellsOfOneAnswerApart", {"CXTX"}, {"1010"}, "CATS", 0, 0, false, {"CXTX"}},
      {"CrossesTwoAnswers", {"CXTX"}, {"1020"}, "CATS", 0, 0, true, {"CATS"}},
      {"OverwritesFreeCellsWithoutComparing", {"QQQQ"}, {"0000"}, "CATS", 0, 0, true, {"CATS"}},
      {"EmptyWordWritesNothing", {"QQ"}, {"00"}, "", 0, 0, true, {"QQ"}},
  };
  for (const Case& c : cases) {
    LoadOwnedGrid(c.rows, c.owners);
    bool placed = false;
    for (int attempt = 0; attempt < 200 && !placed; ++attempt) placed = core.construction.PlaceAnswer(c.word, c.col, c.row, 3);
    EXPECT_EQ(placed, c.placed) << c.name;
    EXPECT_EQ(Rows(), c.rowsAfter) << c.name;
  }
}

TEST_F(ConstructionTest, PlaceAnswerMarksItsCellsWithTheAnswerNumber) {
  LoadOwnedGrid({"XXX", "DOG", "XXX"}, {"000", "111", "000"});
  while (!core.construction.PlaceAnswer("NOW", 1, 0, 2)) {
  }
  EXPECT_EQ(Owners(), (std::vector<std::string>{"020", "121", "020"}));
}

TEST_F(ConstructionTest, StartOutsideTheGridNeverWrites) {
  LoadGrid({"QQ", "QQ"});
  for (const GridPos& start : std::vector<GridPos>{{-1, 0}, {0, -1}, {2, 0}, {0, 2}, {-3, -3}})
    for (int attempt = 0; attempt < 64; ++attempt)
      EXPECT_FALSE(core.construction.PlaceAnswer("AB", start.Col, start.Row, 1)) << start.Col << "," << start.Row;
  EXPECT_EQ(Rows(), (std::vector<std::string>{"QQ", "QQ"}));
}

TEST(ReadingsOfTest, CountsEachPlaceOnce) {
  EXPECT_EQ(ReadingsOf({"CATQ", "QQQQ", "TACQ"}, "CAT"), 2);
  EXPECT_EQ(ReadingsOf({"ABA", "QQQ"}, "ABA"), 1);
  EXPECT_EQ(ReadingsOf({"ABABA"}, "ABA"), 2);
  EXPECT_EQ(ReadingsOf({"CQQ", "QAQ", "QQT"}, "CAT"), 1);
  EXPECT_EQ(ReadingsOf({"QQT", "QAQ", "CQQ"}, "CAT"), 1);
  EXPECT_EQ(ReadingsOf({"AQ", "QA"}, "A"), 2);
  EXPECT_EQ(ReadingsOf({"CA", "QQ"}, "CAT"), 0);
}

const std::vector<std::string> kTenWords = {"CAT", "DOG", "SUN", "HAT", "BED", "CUP", "PEN", "BOX", "EGG", "MAP"};
const std::vector<std::string> kAnimals = {"ANT", "BEE", "COW", "DOE", "EEL", "FOX", "GNU", "HEN", "JAY", "KOI",
                                           "OWL", "PIG", "RAM", "YAK", "ELK", "EMU", "APE", "BAT", "CAT", "DOG"};

// Every answer of a completed construction can be read in one place only, whether a second
// reading would come from filler letters or from the letters of other answers.
TEST_F(ConstructionTest, EveryAnswerReadsOnce) {
  struct Case {
    const char* name;
    std::vector<std::string> answers;
    SizeAnswer size;
    int seeds;
    int leastCompleted;  // constructions of those seeds that must place every answer
  };
  const std::vector<Case> cases = {
      {"TenWords", kTenWords, {WizardChoice::Auto}, 300, 295},
      {"Animals", kAnimals, {WizardChoice::Auto}, 300, 295},
      // A palindrome read both ways is one reading, so it can be placed at all.
      {"Palindromes", {"ABA", "NOON", "LEVEL", "RADAR", "EYE"}, {WizardChoice::Size, 8, 8}, 100, 95},
  };
  for (const Case& c : cases) {
    LoadAnswers(c.answers);
    int completed = 0;
    int twice = 0;
    for (int seed = 1; seed <= c.seeds; ++seed) {
      port.Forget();
      Construct(c.size, static_cast<std::uint32_t>(seed));
      if (!core.construction.Completed()) continue;
      ++completed;
      const auto rows = Rows();
      bool single = true;
      for (const std::string& answer : c.answers) {
        const int readings = ReadingsOf(rows, answer);
        EXPECT_EQ(readings, 1) << c.name << " seed " << seed << " " << answer;
        single = single && readings == 1;
      }
      twice += single ? 0 : 1;
      EXPECT_EQ(core.construction.UnresolvedCells(), 0) << c.name << " seed " << seed;
    }
    EXPECT_GE(completed, c.leastCompleted) << c.name;
    EXPECT_EQ(twice, 0) << c.name << ": constructions with an answer read twice, of " << completed;
  }
}

// An answer that is part of a longer one can always be read inside it as well; such a list can
// still be made, and no answer is read anywhere else.
TEST_F(ConstructionTest, AnswerInsideALongerAnswerCanStillBeMade) {
  LoadAnswers({"CAT", "CATS", "DOG", "EMU"});
  int completed = 0;
  for (std::uint32_t seed = 1; seed <= 50; ++seed) {
    Construct({WizardChoice::Size, 8, 8}, seed);
    if (!core.construction.Completed()) continue;
    ++completed;
    const auto rows = Rows();
    EXPECT_EQ(ReadingsOf(rows, "CAT"), 2) << seed;
    for (const char* answer : {"CATS", "DOG", "EMU"}) EXPECT_EQ(ReadingsOf(rows, answer), 1) << seed << " " << answer;
  }
  EXPECT_GE(completed, 48);
}

}  // namespace
}  // namespace glimmerset
