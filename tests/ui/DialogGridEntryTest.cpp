#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "DialogTestHelpers.h"
#include "RecordingPort.h"
#include "core/EnterGrid.h"
#include "ui/gridentry.h"

namespace {

using dialogtest::ClickCentre;
using dialogtest::TypeLine;
using glimmerset::testing::RecordingPort;

class DialogGridEntryTest : public ::testing::Test {
 protected:
  DialogGridEntryTest() {
    enter.Begin();
    form.show();
  }
  QStringList Rows() const {
    QStringList rows;
    for (int r = 0; r < session.Model.Grid.RowCount(); ++r)
      rows << QString::fromStdString(session.Model.Grid.RowText(r));
    return rows;
  }

  RecordingPort port;
  glimmerset::Session session{port};
  glimmerset::EnterGrid enter{session};
  bool regular = true;
  TGridEntryForm form{session, enter.EntryColumns, [this] { return regular; }};
};

TEST_F(DialogGridEntryTest, ControlsAndCaptions) {
  EXPECT_EQ(form.windowTitle(), "Grid Entry");
  EXPECT_EQ(form.size(), QSize(276, 133));
  EXPECT_EQ(form.Label1->text(), "Enter row and Press RETURN");
  EXPECT_EQ(form.Button1->text(), "Accept");
  EXPECT_EQ(form.New->text(), "New Grid");
  EXPECT_EQ(form.Button2->text(), "Cancel");
  EXPECT_TRUE(form.Rowofchars->text().isEmpty());
}

TEST_F(DialogGridEntryTest, TypedRowsFillTheGridAndAcceptEndsWithOk) {
  QTest::keyClicks(form.Rowofchars, "abcd");
  EXPECT_EQ(form.counter->text(), "4");
  QTest::keyClick(form.Rowofchars, Qt::Key_Return);
  EXPECT_TRUE(form.Rowofchars->text().isEmpty());
  for (const char* row : {"efgh", "ijkl"}) TypeLine(form.Rowofchars, row);
  EXPECT_EQ(Rows(), (QStringList{"ABCD", "EFGH", "IJKL"}));
  EXPECT_EQ(session.Model.Status[glimmerset::SizePanel], "3 Rows:  4 Cols:");
  EXPECT_TRUE(session.Model.GridPresent);
  EXPECT_TRUE(port.messages.empty());

  TypeLine(form.Rowofchars, "mnopqr");  // too long: refused and cut
  EXPECT_EQ(port.messages, std::vector<std::string>{"I think you made a mistake, Too many Letters, Truncated 4 required"});
  EXPECT_EQ(form.Rowofchars->text(), "mnop");
  QTest::keyClick(form.Rowofchars, Qt::Key_Return);  // the cut text is now right
  EXPECT_EQ(Rows().size(), 4);
  EXPECT_EQ(Rows().last(), "MNOP");

  ClickCentre(form.Button1);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.result(), QDialog::Accepted);
  enter.Finish(form.result() == QDialog::Accepted);
  EXPECT_TRUE(session.Model.Commands.EditGridEnabled);
  EXPECT_EQ(enter.EntryColumns, 0);
}

TEST_F(DialogGridEntryTest, FreeFormRowsFollowTheOptionAtEachReturn) {
  regular = false;
  for (const char* row : {"abcde", "fghijklm", "nop"}) TypeLine(form.Rowofchars, row);
  EXPECT_EQ(Rows(), (QStringList{"ABCDE", "FGHIJKLM", "NOP"}));
  EXPECT_EQ(session.Model.Layout.WordBoxWidth, 80);
  regular = true;  // now rows must have the 8 columns fixed so far
  TypeLine(form.Rowofchars, "qrs");
  EXPECT_EQ(port.messages, std::vector<std::string>{"I think you made a mistake, Not enough Letters 8 required"});
  EXPECT_EQ(form.Rowofchars->text(), "qrs");
}

TEST_F(DialogGridEntryTest, NewGridThenAnotherWidth) {
  for (const char* row : {"abc", "def"}) TypeLine(form.Rowofchars, row);
  ClickCentre(form.New);
  EXPECT_TRUE(form.isVisible());
  EXPECT_FALSE(session.Model.GridPresent);
  EXPECT_EQ(enter.EntryColumns, 0);
  TypeLine(form.Rowofchars, "vwxyz");
  EXPECT_EQ(Rows(), QStringList{"VWXYZ"});
  EXPECT_TRUE(port.messages.empty());
}

TEST_F(DialogGridEntryTest, CancelWaysLeaveTheTypedRowsHidden) {
  struct Case {
    const char* name;
    std::function<void(TGridEntryForm&)> close;
  };
  const Case cases[] = {
      {"Cancel button", [](TGridEntryForm& f) { ClickCentre(f.Button2); }},
      {"Escape in the row box", [](TGridEntryForm& f) { QTest::keyClick(f.Rowofchars, Qt::Key_Escape); }},
      {"window close", [](TGridEntryForm& f) { f.close(); }},
  };
  for (const auto& c : cases) {
    RecordingPort localPort;
    glimmerset::Session local{localPort};
    glimmerset::EnterGrid localEnter{local};
    localEnter.Begin();
    TGridEntryForm dialog{local, localEnter.EntryColumns, [] { return true; }};
    dialog.show();
    for (const char* row : {"abc", "def", "ghi"}) TypeLine(dialog.Rowofchars, row);
    c.close(dialog);
    EXPECT_FALSE(dialog.isVisible()) << c.name;
    EXPECT_EQ(dialog.result(), QDialog::Rejected) << c.name;
    localEnter.Finish(dialog.result() == QDialog::Accepted);
    EXPECT_FALSE(local.Model.GridPresent) << c.name;
    EXPECT_EQ(local.Model.Grid.RowCount(), 3) << c.name;
    EXPECT_FALSE(local.Model.Commands.EditGridEnabled) << c.name;
  }
}

TEST_F(DialogGridEntryTest, LimitMessageEmptiesTheBox) {
  TypeLine(form.Rowofchars, QString(41, 'z'));
  EXPECT_EQ(port.messages, std::vector<std::string>{glimmerset::EntryLimitMessage});
  EXPECT_TRUE(form.Rowofchars->text().isEmpty());
  EXPECT_EQ(enter.EntryColumns, 0);
}

// After New Grid the next row is typed straight away: the keyboard stays with the row box.
TEST_F(DialogGridEntryTest, AfterNewGridTypingGoesToTheRowBox) {
  ASSERT_TRUE(dialogtest::Activate(&form));
  TypeLine(form.Rowofchars, "abc");
  ClickCentre(form.New);
  EXPECT_EQ(QApplication::focusWidget(), form.Rowofchars);
  dialogtest::TypeWhereTheFocusIs("wxyz");
  EXPECT_EQ(form.Rowofchars->text(), "wxyz");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(Rows(), QStringList{"WXYZ"});
}

}  // namespace
