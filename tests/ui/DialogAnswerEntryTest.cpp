#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "DialogTestHelpers.h"
#include "RecordingPort.h"
#include "ui/AnswerEntry.h"

namespace {

using dialogtest::ClickCentre;
using dialogtest::TypeLine;
using glimmerset::testing::RecordingPort;
using Words = std::vector<std::string>;

class DialogAnswerEntryTest : public ::testing::Test {
 protected:
  QStringList Items() const {
    QStringList items;
    for (int i = 0; i < form.AnswersList->count(); ++i) items << form.AnswersList->item(i)->text();
    return items;
  }
  void ClickItem(int row) {
    const QRect place = form.AnswersList->visualItemRect(form.AnswersList->item(row));
    QTest::mouseClick(form.AnswersList->viewport(), Qt::LeftButton, Qt::KeyboardModifiers(), place.center());
  }

  RecordingPort port;
  glimmerset::Session session{port};
  TAnswersEntry form{session};
};

TEST_F(DialogAnswerEntryTest, ControlsAndCaptions) {
  EXPECT_EQ(form.windowTitle(), "AnswersEntry");
  EXPECT_EQ(form.size(), QSize(287, 289));
  EXPECT_EQ(form.Label3->text(), "Hit <RETURN> to Accept Word");
  EXPECT_EQ(form.counter->text(), "0 Words");
  EXPECT_EQ(form.Button2->text(), "Clear All");
  EXPECT_EQ(form.Button1->text(), "Close");
}

TEST_F(DialogAnswerEntryTest, TypingCorrectingAndRemovingWords) {
  session.Model.Answers = {{"PARIS", std::nullopt}, {"ROME", std::nullopt}};
  form.Refill();
  form.show();
  EXPECT_EQ(Items(), (QStringList{"PARIS", "ROME"}));
  EXPECT_EQ(form.counter->text(), "0 Words");  // only an accepted RETURN refreshes it

  TypeLine(form.AnswerName, "cat");
  TypeLine(form.AnswerName, "r2d2");
  EXPECT_EQ(Items(), (QStringList{"PARIS", "ROME", "CAT", "R2D2"}));
  EXPECT_EQ(form.counter->text(), "4 Words");
  EXPECT_TRUE(form.AnswerName->text().isEmpty());

  TypeLine(form.AnswerName, "Cat");
  TypeLine(form.AnswerName, " dog");
  EXPECT_EQ(port.messages, (Words{"You already have that word", "Spaces are not allowed in answers"}));
  EXPECT_EQ(form.AnswerName->text(), "Cat dog");  // kept each time, the second typed after the first

  form.AnswerName->clear();
  ClickItem(1);
  EXPECT_EQ(form.AnswerName->text(), "ROME");
  QTest::keyClick(form.AnswerName, Qt::Key_Backspace);
  TypeLine(form.AnswerName, "A");
  EXPECT_EQ(Items(), (QStringList{"PARIS", "ROMA", "CAT", "R2D2"}));
  EXPECT_EQ(form.AnswersList->selectedItems().size(), 0);

  ClickItem(0);
  QTest::keyClick(form.AnswerName, Qt::Key_Home);
  QTest::keyClick(form.AnswerName, Qt::Key_Delete);
  EXPECT_EQ(Items(), (QStringList{"ROMA", "CAT", "R2D2"}));
  EXPECT_EQ(form.AnswerName->text(), "ARIS");  // the key also did its work in the box
  EXPECT_EQ(form.counter->text(), "4 Words");

  ClickCentre(form.Button2);
  EXPECT_TRUE(Items().isEmpty());
  EXPECT_TRUE(session.Model.AnswersList.empty());
  ClickCentre(form.Button1);
  EXPECT_FALSE(form.isVisible());
  glimmerset::TakeBackAnswers(session);
  EXPECT_EQ(session.Model.AnswerCount, 0);
  EXPECT_EQ(session.Model.Answers.size(), 2u);  // the main window's lines stay
}

TEST_F(DialogAnswerEntryTest, EscapeClosesAndTheListIsTakenBack) {
  form.Refill();
  form.show();
  for (const char* w : {"lion", "tiger", "zebra"}) TypeLine(form.AnswerName, w);
  QTest::keyClick(form.AnswerName, Qt::Key_Escape);
  EXPECT_FALSE(form.isVisible());
  glimmerset::TakeBackAnswers(session);
  EXPECT_EQ(session.Model.AnswerCount, 3);
  EXPECT_EQ(session.Model.Status[glimmerset::WordsPanel], "3 Answers");
  ASSERT_EQ(session.Model.Answers.size(), 3u);
  EXPECT_EQ(session.Model.Answers[1].Text, "TIGER");
  EXPECT_EQ(session.Model.Layout.WordBoxWidth, 120);

  // The same dialog again: the list is refilled, the count label stays as it was.
  session.Model.Answers = {{"ONE", std::nullopt}};
  form.Refill();
  form.show();
  EXPECT_EQ(Items(), QStringList{"ONE"});
  EXPECT_EQ(form.counter->text(), "3 Words");
}

TEST_F(DialogAnswerEntryTest, RunShowsModallyAndTakesTheWordsBack) {
  session.Model.Answers = {{"ALPHA", std::nullopt}};
  QTimer::singleShot(0, &form, [this] {
    TypeLine(form.AnswerName, "beta");
    ClickCentre(form.Button1);
  });
  form.Run();
  EXPECT_EQ(session.Model.AnswerCount, 2);
  EXPECT_EQ(session.Model.Answers.back().Text, "BETA");
  EXPECT_TRUE(session.Model.Commands.AnswerListVisible);
}

TEST_F(DialogAnswerEntryTest, FortyWordsAtMost) {
  for (int i = 0; i < 40; ++i) session.Model.Answers.push_back({"W" + std::to_string(i), std::nullopt});
  form.Refill();
  form.show();
  TypeLine(form.AnswerName, "extra");
  EXPECT_EQ(port.messages, Words{"Maximum 40 Answers Allowed"});
  EXPECT_EQ(form.AnswersList->count(), 40);
  EXPECT_EQ(form.counter->text(), "40 Words");
  EXPECT_TRUE(form.AnswerName->text().isEmpty());
}

// After Clear All the next word is typed straight away: the keyboard stays with the word box.
TEST_F(DialogAnswerEntryTest, AfterClearAllTypingGoesToTheWordBox) {
  ASSERT_TRUE(dialogtest::Activate(&form));
  TypeLine(form.AnswerName, "cat");
  ClickCentre(form.Button2);
  EXPECT_EQ(QApplication::focusWidget(), form.AnswerName);
  dialogtest::TypeWhereTheFocusIs("dog");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(Items(), QStringList{"DOG"});
}

}  // namespace
