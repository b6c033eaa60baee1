#include <gtest/gtest.h>

#include "RecordingPort.h"
#include "core/AnswerEntry.h"

namespace glimmerset {
namespace {

using testing::RecordingPort;
using Words = std::vector<std::string>;

class AnswerEntryTest : public ::testing::Test {
 protected:
  KeyOutcome Type(const std::string& text, int key = ReturnKey) {
    entry.WordText = text;
    return entry.AnswerNameKeyDown(key);
  }

  RecordingPort port;
  Session session{port};
  AnswerEntry entry{session};
};

TEST_F(AnswerEntryTest, ReturnAcceptsOrRefusesAWord) {
  struct Case {
    std::string typed;
    Words listAfter;
    std::string message;  // empty: none
    std::string boxAfter;
    std::string counter;
  };
  const Case cases[] = {
      {"cat", {"CAT"}, "", "", "1 Words"},
      {"Cat", {"CAT"}, "You already have that word", "Cat", "1 Words"},
      {"R2d2", {"CAT", "R2D2"}, "", "", "2 Words"},
      {"it's", {"CAT", "R2D2", "IT'S"}, "", "", "3 Words"},
      {" dog", {"CAT", "R2D2", "IT'S"}, "Spaces are not allowed in answers", " dog", "3 Words"},
      {"dog ", {"CAT", "R2D2", "IT'S"}, "Spaces are not allowed in answers", "dog ", "3 Words"},
      {"do g", {"CAT", "R2D2", "IT'S"}, "Spaces are not allowed in answers", "do g", "3 Words"},
      {"   ", {"CAT", "R2D2", "IT'S"}, "", "   ", "3 Words"},
      {"", {"CAT", "R2D2", "IT'S"}, "", "", "3 Words"},
      {"x", {"CAT", "R2D2", "IT'S"}, "Answers must contain at least two characters", "x", "3 Words"},
      {"\tx\t", {"CAT", "R2D2", "IT'S"}, "Answers must contain at least two characters", "\tx\t", "3 Words"},
  };
  for (const auto& c : cases) {
    port.Forget();
    EXPECT_EQ(Type(c.typed), KeyOutcome::Handled);
    EXPECT_EQ(entry.List(), c.listAfter) << c.typed;
    EXPECT_EQ(port.messages, c.message.empty() ? Words{} : Words{c.message}) << c.typed;
    EXPECT_EQ(entry.WordText, c.boxAfter) << c.typed;
    EXPECT_EQ(entry.CounterText, c.counter) << c.typed;
  }
}

TEST_F(AnswerEntryTest, SelectedItemIsReplacedInPlace) {
  for (const char* w : {"ONE", "TWO", "THREE"}) Type(w);
  entry.AnswersListClick(1);
  EXPECT_EQ(entry.WordText, "TWO");
  Type("twx");
  EXPECT_EQ(entry.List(), (Words{"ONE", "TWX", "THREE"}));
  EXPECT_EQ(entry.Selected, -1);
  EXPECT_EQ(entry.WordText, "");
  entry.AnswersListClick(2);
  Type("THREE");  // unchanged word: a duplicate
  EXPECT_EQ(port.messages, Words{"You already have that word"});
  EXPECT_EQ(entry.List(), (Words{"ONE", "TWX", "THREE"}));
}

TEST_F(AnswerEntryTest, FortyWordsAtMost) {
  for (int i = 0; i < 40; ++i) Type("W" + std::to_string(i));
  ASSERT_EQ(entry.List().size(), 40u);
  ASSERT_TRUE(port.messages.empty());
  entry.CounterText = "stale";
  Type("EXTRA");
  EXPECT_EQ(port.messages, Words{"Maximum 40 Answers Allowed"});
  EXPECT_EQ(entry.List().size(), 40u);
  EXPECT_EQ(entry.WordText, "");
  EXPECT_EQ(entry.CounterText, "40 Words");
  port.Forget();
  entry.AnswersListClick(39);
  Type("EXTRA");  // replacing is still allowed
  EXPECT_TRUE(port.messages.empty());
  EXPECT_EQ(entry.List().back(), "EXTRA");
  EXPECT_EQ(entry.List().size(), 40u);
}

TEST_F(AnswerEntryTest, EscapeDeleteAndOtherKeys) {
  for (const char* w : {"ONE", "TWO", "THREE"}) Type(w);
  EXPECT_EQ(Type("abc", DeleteKey), KeyOutcome::PassToEdit);  // nothing selected: nothing removed
  EXPECT_EQ(entry.List().size(), 3u);
  entry.AnswersListClick(0);
  EXPECT_EQ(entry.AnswerNameKeyDown(DeleteKey), KeyOutcome::PassToEdit);
  EXPECT_EQ(entry.List(), (Words{"TWO", "THREE"}));
  EXPECT_EQ(entry.Selected, -1);
  EXPECT_EQ(entry.CounterText, "3 Words");  // not refreshed by Delete
  EXPECT_EQ(entry.AnswerNameKeyDown(EscapeKey), KeyOutcome::CloseDialog);
  EXPECT_EQ(entry.AnswerNameKeyDown('A'), KeyOutcome::PassToEdit);
  EXPECT_EQ(entry.List(), (Words{"TWO", "THREE"}));
}

TEST_F(AnswerEntryTest, RefillClearAllAndTakeBack) {
  session.Model.Answers = {{"PARIS", colours::Green}, {"ROME", std::nullopt}};
  session.Model.AnswerCount = 2;
  entry.CounterText = "9 Words";
  entry.Selected = 1;
  entry.Refill();
  EXPECT_EQ(entry.List(), (Words{"PARIS", "ROME"}));
  EXPECT_EQ(entry.Selected, -1);
  EXPECT_EQ(entry.CounterText, "9 Words");  // left as the last use left it
  Type("bratislava");
  TakeBackAnswers(session);
  EXPECT_EQ(session.Model.AnswerCount, 3);
  EXPECT_EQ(session.Model.Status[WordsPanel], "3 Answers");
  EXPECT_EQ(session.Model.Answers,
            (std::vector<AnswerLine>{{"PARIS", std::nullopt}, {"ROME", std::nullopt}, {"BRATISLAVA", std::nullopt}}));
  EXPECT_TRUE(session.Model.Commands.AnswerListVisible);
  EXPECT_EQ(session.Model.Layout.WordBoxWidth, 240);
  EXPECT_EQ(session.Model.Layout.AnswerListWidth, 240);

  entry.ClearAll();
  EXPECT_TRUE(entry.List().empty());
  TakeBackAnswers(session);
  EXPECT_EQ(session.Model.AnswerCount, 0);
  EXPECT_EQ(session.Model.Answers.size(), 3u);  // the shown lines stay
  EXPECT_EQ(session.Model.Status[WordsPanel], "3 Answers");
}

TEST(TakeBackAnswersTest, WordBoxAndListWidthsFollowTheLongestAnswer) {
  struct Case {
    std::size_t longest;
    int width;
  };
  for (const Case c : {Case{8, 192}, Case{20, 300}, Case{2, 48}}) {
    RecordingPort port;
    Session session{port};
    session.Model.AnswersList = {"AB", std::string(c.longest, 'Q')};
    TakeBackAnswers(session);
    EXPECT_EQ(session.Model.Layout.WordBoxWidth, c.width);
    EXPECT_EQ(session.Model.Layout.AnswerListWidth, c.width);
    EXPECT_TRUE(port.SawChange(ModelChange::ListLayout));
    EXPECT_TRUE(port.SawChange(ModelChange::AnswerList));
  }
}

}  // namespace
}  // namespace glimmerset
