#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "DialogTestHelpers.h"
#include "ui/aerros.h"

namespace {

using dialogtest::ClickCentre;

TEST(DialogAllowedTest, TypedTextBecomesANumberFromZeroTo999) {
  struct Case {
    const char* text;
    int value;
  };
  const Case cases[] = {{"12", 12}, {"0", 0}, {"999", 999}, {"1000", 999}, {"123456789012", 999},
                        {"-4", 0},  {"", 0},  {"abc", 0},   {"7x", 0},     {" 42 ", 42}};
  for (const auto& c : cases) EXPECT_EQ(AllowedErrorsFromText(c.text), c.value) << c.text;
}

TEST(DialogAllowedTest, LooksAndOpensWithTheCurrentNumber) {
  TAllowed dialog{10};
  EXPECT_EQ(dialog.windowTitle(), "Allowed Errors");
  EXPECT_EQ(dialog.size(), QSize(425, 118));
  EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(0, 128, 0));
  EXPECT_EQ(dialog.Label1->text(), "Enter the number of wrongs selections allowed in Game mode ");
  EXPECT_EQ(dialog.Label1->font().family(), "Arial");
  EXPECT_EQ(dialog.Label1->font().pixelSize(), 13);
  EXPECT_EQ(dialog.Button1->text(), "OK");
  EXPECT_EQ(dialog.Button1->size(), QSize(89, 34));
  EXPECT_EQ(dialog.SpinEdit1->minimum(), 0);
  EXPECT_EQ(dialog.SpinEdit1->maximum(), 999);
  EXPECT_EQ(dialog.Value(), 10);
}

TEST(DialogAllowedTest, TypedValuesAndOk) {
  struct Case {
    const char* typed;
    int value;
  };
  for (const Case c : {Case{"25", 25}, Case{"1500", 999}, Case{"abc", 0}, Case{"", 0}}) {
    TAllowed dialog{10};
    dialog.show();
    dialog.SpinEdit1->selectAll();
    QTest::keyClick(dialog.SpinEdit1, Qt::Key_Delete);
    QTest::keyClicks(dialog.SpinEdit1, c.typed);
    ClickCentre(dialog.Button1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.typed;
    EXPECT_EQ(dialog.Value(), c.value) << c.typed;
  }
}

TEST(DialogAllowedTest, ClosingAnotherWayIsNotOk) {
  TAllowed dialog{10};
  dialog.show();
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

// RETURN in the number field does what OK does; Escape there closes without the number.
TEST(DialogAllowedTest, ReturnIsOkAndEscapeIsClosing) {
  struct Case {
    Qt::Key key;
    int result;
  };
  for (const Case c : {Case{Qt::Key_Return, QDialog::Accepted}, Case{Qt::Key_Enter, QDialog::Accepted},
                       Case{Qt::Key_Escape, QDialog::Rejected}}) {
    TAllowed dialog{10};
    ASSERT_TRUE(dialogtest::Activate(&dialog));
    ASSERT_EQ(QApplication::focusWidget(), dialog.SpinEdit1);
    dialog.SpinEdit1->selectAll();
    dialogtest::TypeWhereTheFocusIs("37");
    QTest::keyClick(QApplication::focusWidget(), c.key);
    EXPECT_FALSE(dialog.isVisible()) << c.key;
    EXPECT_EQ(dialog.result(), c.result) << c.key;
    if (c.result == QDialog::Accepted) EXPECT_EQ(dialog.Value(), 37);
  }
}

}  // namespace
