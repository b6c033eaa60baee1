#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include "DialogTestHelpers.h"
#include "RecordingPort.h"
#include "core/EnterGrid.h"
#include "ui/AnswerEntry.h"
#include "ui/EditUnit.h"
#include "ui/gridentry.h"

namespace {

using dialogtest::ClickCentre;
using dialogtest::TypeLine;
using glimmerset::testing::RecordingPort;

// A new user's first puzzle through the dialogs, each opened modally as the main window opens it:
// a 10 by 10 grid typed row by row, one row corrected in the grid edit dialog, five answers.
TEST(DialogRoundTest, TypeAGridCorrectARowAndTypeFiveAnswers) {
  const QStringList rows = {"CATXXXXXXX", "XDOGXXXXXX", "XXXXXXXXXX", "XXXXBIRDXX", "XXXXXXXXXX",
                            "FISHXXXXXX", "XXXXXXXXXX", "XXXXXXXXXX", "XXXXXXXXXX", "XXXXXXXXXX"};
  RecordingPort port;
  glimmerset::Session session{port};
  glimmerset::EnterGrid enter{session};

  enter.Begin();
  {
    TGridEntryForm form{session, enter.EntryColumns, [] { return true; }};
    QTimer::singleShot(0, &form, [&form, &rows] {
      for (const QString& row : rows) TypeLine(form.Rowofchars, row.toLower());
      ClickCentre(form.Button1);
    });
    enter.Finish(form.exec() == QDialog::Accepted);
  }
  ASSERT_EQ(session.Model.Grid.RowCount(), 10);
  ASSERT_EQ(session.Model.Grid.ColCount(), 10);
  EXPECT_TRUE(session.Model.GridPresent);
  EXPECT_TRUE(session.Model.Commands.EditGridEnabled);
  EXPECT_EQ(session.Model.Status[glimmerset::SizePanel], "10 Rows:  10 Cols:");

  {
    TGridEdit form{session};
    QTimer::singleShot(0, &form, [&form] {
      form.CurrentRow->setValue(3);
      form.Rowofchars->setText("xxxxxxmoth");
      QTest::keyClick(form.Rowofchars, Qt::Key_Return);
      ClickCentre(form.Button1);
    });
    form.exec();
  }
  EXPECT_EQ(session.Model.Grid.RowText(2), "XXXXXXMOTH");
  EXPECT_EQ(session.Model.Grid.ColCount(), 10);

  TAnswersEntry answers{session};
  QTimer::singleShot(0, &answers, [&answers] {
    for (const char* word : {"cat", "dog", "bird", "fish", "moth"}) TypeLine(answers.AnswerName, word);
    QTest::keyClick(answers.AnswerName, Qt::Key_Escape);
  });
  answers.Run();
  EXPECT_EQ(session.Model.AnswerCount, 5);
  EXPECT_EQ(session.Model.Status[glimmerset::WordsPanel], "5 Answers");
  ASSERT_EQ(session.Model.Answers.size(), 5u);
  EXPECT_EQ(session.Model.Answers[4].Text, "MOTH");
  EXPECT_TRUE(port.messages.empty());
  for (int r = 0; r < 10; ++r)
    for (int c = 0; c < 10; ++c) EXPECT_NE(session.Model.Grid.Record(c, r), nullptr);
}

}  // namespace
