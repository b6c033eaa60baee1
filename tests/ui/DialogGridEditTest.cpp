#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include "DialogTestHelpers.h"
#include "RecordingPort.h"
#include "ui/EditUnit.h"

namespace {

using dialogtest::ClickCentre;
using dialogtest::TypeLine;
using glimmerset::testing::RecordingPort;

class DialogGridEditTest : public ::testing::Test {
 protected:
  void Open(int rows, int cols) {
    session.Model.Grid.SetSize(rows, cols);
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < cols; ++c) session.Model.Grid.SetText(c, r, std::string(1, static_cast<char>('A' + (r + c) % 26)));
    session.Model.ResetHighlights(true);
    form.show();
  }
  QString Row(int r) const { return QString::fromStdString(session.Model.Grid.RowText(r)); }

  RecordingPort port;
  glimmerset::Session session{port};
  TGridEdit form{session};
};

TEST_F(DialogGridEditTest, OpeningShowsRowOneAndTheCounts) {
  Open(15, 15);
  EXPECT_EQ(form.windowTitle(), "Grid Edit");
  EXPECT_EQ(form.size(), QSize(366, 172));
  EXPECT_EQ(form.Label2->text(), "Select the Row you want to Edit");
  EXPECT_EQ(form.Label3->text(), "Hit <RETURN> to Apply Changes");
  EXPECT_TRUE(form.Label2->font().bold());
  EXPECT_EQ(form.CurrentRow->minimum(), 1);
  EXPECT_EQ(form.CurrentRow->maximum(), 20);
  EXPECT_EQ(form.CurrentRow->value(), 1);
  EXPECT_EQ(form.Rowofchars->text(), Row(0));
  EXPECT_EQ(form.counter->text(), "15");
  EXPECT_EQ(form.ColDisp->text(), "15");
  EXPECT_EQ(form.RowDisp->text(), "15");
  EXPECT_FALSE(form.DeleteBtn->isEnabled());
  EXPECT_EQ(form.DeleteBtn->text(), "Delete Row");
  EXPECT_EQ(form.Button1->text(), "Close");
}

TEST_F(DialogGridEditTest, TypedRowsAreAppliedAndTheWidthHoldsAfterAMessage) {
  Open(4, 6);
  form.Rowofchars->clear();
  TypeLine(form.Rowofchars, "wxy");
  EXPECT_EQ(Row(0), "WXY");
  EXPECT_EQ(session.Model.Grid.ColCount(), 3);
  EXPECT_EQ(form.counter->text(), "3");
  EXPECT_EQ(form.CurrentRow->value(), 2);
  EXPECT_EQ(form.Rowofchars->text(), Row(1));

  form.Rowofchars->clear();
  TypeLine(form.Rowofchars, QString(21, 'k'));
  EXPECT_EQ(port.messages, std::vector<std::string>{glimmerset::EditLimitMessage});
  // The message box closing makes the dialog active again: no second set-up.
  QEvent activate(QEvent::WindowActivate);
  QCoreApplication::sendEvent(&form, &activate);
  EXPECT_EQ(form.CurrentRow->value(), 2);
  form.Rowofchars->clear();
  TypeLine(form.Rowofchars, "abcdef");
  EXPECT_EQ(Row(1), "ABC");  // cut to the three columns fixed before the message
  EXPECT_EQ(form.ColDisp->text(), "3");
}

TEST_F(DialogGridEditTest, SpinBoxChoosesRowsAndDeleteRemovesTheLast) {
  Open(10, 4);
  QTest::keyClick(form.Rowofchars, Qt::Key_A);
  EXPECT_EQ(form.ColDisp->text(), QString::number(Row(0).size() + 1));
  form.CurrentRow->setValue(4);
  EXPECT_EQ(form.Rowofchars->text(), Row(3));
  EXPECT_FALSE(form.DeleteBtn->isEnabled());
  ClickCentre(form.DeleteBtn);  // disabled: nothing happens
  EXPECT_TRUE(port.messages.empty());
  form.CurrentRow->setValue(10);
  EXPECT_TRUE(form.DeleteBtn->isEnabled());
  const QString ninth = Row(8);
  ClickCentre(form.DeleteBtn);
  EXPECT_EQ(session.Model.Grid.RowCount(), 9);
  EXPECT_EQ(form.CurrentRow->value(), 9);
  EXPECT_EQ(form.Rowofchars->text(), ninth);
  EXPECT_EQ(form.RowDisp->text(), "9");
  EXPECT_EQ(session.Model.Layout.GridHeight, 9 * 22);

  form.CurrentRow->setValue(12);
  form.Rowofchars->setText("pq");
  QTest::keyClick(form.Rowofchars, Qt::Key_Return);
  EXPECT_EQ(session.Model.Grid.RowCount(), 12);
  EXPECT_EQ(form.RowDisp->text(), "12");
  EXPECT_EQ(Row(11).left(2), "PQ");
  EXPECT_EQ(Row(10), "");
  EXPECT_EQ(form.CurrentRow->value(), 13);
  EXPECT_FALSE(form.DeleteBtn->isEnabled());
}

TEST_F(DialogGridEditTest, CloseAndEscapeCloseTheDialog) {
  Open(3, 3);
  ClickCentre(form.Button1);
  EXPECT_FALSE(form.isVisible());
  TGridEdit second{session};
  second.show();
  QTest::keyClick(second.Rowofchars, Qt::Key_Escape);
  EXPECT_FALSE(second.isVisible());
  EXPECT_EQ(session.Model.Grid.RowText(0), "ABC");
}

// The spin arrows choose the row; what is typed next goes to the row box, not the spin box.
TEST_F(DialogGridEditTest, AfterTheSpinArrowsTypingGoesToTheRowBox) {
  Open(5, 3);
  ASSERT_TRUE(dialogtest::Activate(&form));
  QStyleOptionSpinBox option;
  option.initFrom(form.CurrentRow);
  option.subControls = QStyle::SC_SpinBoxUp;
  const QRect up = form.CurrentRow->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, form.CurrentRow);
  QTest::mouseClick(form.CurrentRow, Qt::LeftButton, {}, up.center());
  ASSERT_EQ(form.CurrentRow->value(), 2);
  EXPECT_EQ(QApplication::focusWidget(), form.Rowofchars);
  form.Rowofchars->clear();
  dialogtest::TypeWhereTheFocusIs("xyz");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(Row(1), "XYZ");
  EXPECT_EQ(form.CurrentRow->value(), 3);
}

}  // namespace
