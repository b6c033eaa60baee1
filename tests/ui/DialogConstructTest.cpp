#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>

#include "DialogTestHelpers.h"
#include "controls/OvalButton.h"
#include "ui/Construct.h"
#include "ui/ConstructPort.h"

namespace {

using dialogtest::ClickCentre;
using glimmerset::WizardChoice;

class DialogConstructTest : public ::testing::Test {
 protected:
  DialogConstructTest() { memory.WizardSize = 12; }
  std::vector<bool> Tabs(const TConstructWiz& wizard) const {
    return {wizard.Wizard->isTabVisible(0), wizard.Wizard->isTabVisible(1), wizard.Wizard->isTabVisible(2)};
  }
  glimmerset::WizardMemory memory;
};

TEST_F(DialogConstructTest, LooksAndTexts) {
  TConstructWiz wizard{memory};
  EXPECT_TRUE(wizard.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(wizard.size(), QSize(413, 218));
  EXPECT_EQ(wizard.pos(), QPoint(236, 305));
  EXPECT_EQ(wizard.Wizard->tabText(0), "Choose the method required");
  EXPECT_EQ(wizard.Wizard->tabText(1), "Auto");
  EXPECT_EQ(wizard.Wizard->tabText(2), "Size");
  EXPECT_EQ(wizard.Memo2->text(), "Choose Auto to have Glimmerset \nconstruct a grid to fit your Answerlist.");
  EXPECT_EQ(wizard.Memo3->text(),
            "Glimmerset will Automaticaly Construct \na Grid which will just fit your longest answer word \n"
            "in a Horizontal or Verical direction.\n ");
  EXPECT_EQ(wizard.Label1->text(), "Horizontal Size");
  EXPECT_EQ(wizard.Label2->text(), "Vertical Size");
  struct Expected {
    TOvalButton* button;
    const char* caption;
    QColor face;
    QPoint place;
  };
  const Expected buttons[] = {
      {wizard.AutoBtn, "Auto", QColor(255, 0, 0), {16, 40}},       {wizard.SizeBtn, "Size", QColor(0, 128, 0), {16, 88}},
      {wizard.OvalButton3, "Cancel", QColor(0, 255, 255), {296, 152}}, {wizard.OvalButton4, "Cancel", QColor(0, 128, 128), {112, 160}},
      {wizard.OvalButton1, "Back", QColor(0, 128, 0), {208, 160}},  {wizard.ContBtn, "Continue...", QColor(0, 255, 255), {304, 160}},
      {wizard.OvalButton5, "Cancel", QColor(0, 128, 128), {112, 160}}, {wizard.BackBtn1, "Back", QColor(0, 128, 0), {208, 160}},
      {wizard.OvalButton2, "Continue...", QColor(0, 255, 255), {304, 160}},
  };
  for (const auto& b : buttons) {
    EXPECT_EQ(b.button->caption(), b.caption);
    EXPECT_EQ(b.button->faceColor(), b.face) << b.caption;
    EXPECT_EQ(b.button->pos(), b.place) << b.caption;
    EXPECT_EQ(b.button->size(), QSize(89, 25));
  }
}

TEST_F(DialogConstructTest, ButtonWalks) {
  struct Case {
    const char* name;
    std::function<void(TConstructWiz&)> walk;
    WizardChoice choice;
    int rows;
    int cols;
  };
  const Case cases[] = {
      {"Auto, Continue", [](TConstructWiz& w) { ClickCentre(w.AutoBtn); ClickCentre(w.ContBtn); }, WizardChoice::Auto, 12, 12},
      {"Auto, Back, Size, Continue",
       [](TConstructWiz& w) {
         ClickCentre(w.AutoBtn);
         ClickCentre(w.OvalButton1);
         ClickCentre(w.SizeBtn);
         QTest::keyClick(w.HSize, Qt::Key_Up);
         QTest::keyClick(w.HSize, Qt::Key_Up);
         QTest::keyClick(w.VSize, Qt::Key_Down);  // stops at the minimum
         ClickCentre(w.OvalButton2);
       },
       WizardChoice::Size, 14, 12},
      {"Size, change, Back, Auto, Continue",
       [](TConstructWiz& w) {
         ClickCentre(w.SizeBtn);
         QTest::keyClick(w.VSize, Qt::Key_Up);
         ClickCentre(w.BackBtn1);
         ClickCentre(w.AutoBtn);
         ClickCentre(w.ContBtn);
       },
       WizardChoice::Auto, 12, 12},
      {"Cancel on the choice page", [](TConstructWiz& w) { ClickCentre(w.OvalButton3); }, WizardChoice::Cancelled, 0, 0},
      {"Cancel on the Auto page", [](TConstructWiz& w) { ClickCentre(w.AutoBtn); ClickCentre(w.OvalButton4); },
       WizardChoice::Cancelled, 0, 0},
      {"Cancel on the Size page", [](TConstructWiz& w) { ClickCentre(w.SizeBtn); ClickCentre(w.OvalButton5); },
       WizardChoice::Cancelled, 0, 0},
      {"Escape", [](TConstructWiz& w) { ClickCentre(w.SizeBtn); QTest::keyClick(&w, Qt::Key_Escape); },
       WizardChoice::Cancelled, 0, 0},
      {"window close", [](TConstructWiz& w) { ClickCentre(w.AutoBtn); w.close(); }, WizardChoice::Cancelled, 0, 0},
  };
  for (const auto& c : cases) {
    memory.WizardChoice = 0;
    TConstructWiz wizard{memory};
    wizard.show();
    c.walk(wizard);
    EXPECT_FALSE(wizard.isVisible()) << c.name;
    const glimmerset::SizeAnswer answer = wizard.Answer();
    EXPECT_EQ(answer.Choice, c.choice) << c.name;
    if (c.choice == WizardChoice::Cancelled) continue;
    EXPECT_EQ(answer.Horizontal, c.rows) << c.name;
    EXPECT_EQ(answer.Vertical, c.cols) << c.name;
  }
}

TEST_F(DialogConstructTest, TabsFollowThePages) {
  TConstructWiz wizard{memory};
  wizard.show();
  EXPECT_EQ(Tabs(wizard), (std::vector<bool>{true, false, false}));
  ClickCentre(wizard.SizeBtn);
  EXPECT_EQ(Tabs(wizard), (std::vector<bool>{false, false, true}));
  EXPECT_EQ(wizard.Wizard->currentWidget(), wizard.SizePage);
  EXPECT_EQ(wizard.HSize->value(), 12);
  EXPECT_EQ(wizard.HSize->minimum(), 12);
  EXPECT_EQ(wizard.VSize->maximum(), 40);
  ClickCentre(wizard.BackBtn1);
  EXPECT_EQ(Tabs(wizard), (std::vector<bool>{true, false, false}));
  EXPECT_EQ(wizard.Wizard->currentWidget(), wizard.ChoicePage);
}

TEST_F(DialogConstructTest, TypedNumbersOutsideTheRangeAreNotTaken) {
  TConstructWiz wizard{memory};
  wizard.show();
  ClickCentre(wizard.SizeBtn);
  wizard.HSize->selectAll();
  QTest::keyClicks(wizard.HSize, "2");
  QTest::keyClick(wizard.HSize, Qt::Key_Return);
  wizard.VSize->selectAll();
  QTest::keyClicks(wizard.VSize, "30");
  QTest::keyClick(wizard.VSize, Qt::Key_Return);
  EXPECT_EQ(wizard.HSize->value(), 12);
  ClickCentre(wizard.OvalButton2);
  EXPECT_EQ(wizard.Answer().Choice, WizardChoice::Size);
  EXPECT_EQ(wizard.Answer().Horizontal, 12);
  EXPECT_EQ(wizard.Answer().Vertical, 30);
}

TEST_F(DialogConstructTest, ComingBackToTheWizardStartsItsPagesAgain) {
  TConstructWiz wizard{memory};
  wizard.show();
  ClickCentre(wizard.SizeBtn);
  QTest::keyClick(wizard.HSize, Qt::Key_Up);
  QEvent activate(QEvent::WindowActivate);
  QCoreApplication::sendEvent(&wizard, &activate);
  EXPECT_EQ(wizard.Wizard->currentWidget(), wizard.ChoicePage);
  EXPECT_EQ(wizard.HSize->value(), 12);
  EXPECT_EQ(memory.WizardChoice, 1);
}

TEST(DialogConstructPortTest, RunConstructWizardAnswersFromTheModalWindow) {
  struct Case {
    int suggested;
    const char* button;  // object to click on the open wizard
    WizardChoice choice;
    int size;
  };
  for (const Case c : {Case{9, "Size", WizardChoice::Size, 9}, Case{45, "Size", WizardChoice::Size, 40},
                       Case{9, "Cancel", WizardChoice::Cancelled, 0}}) {
    QTimer::singleShot(0, [c] {
      auto* wizard = qobject_cast<TConstructWiz*>(QApplication::activeModalWidget());
      ASSERT_NE(wizard, nullptr);
      if (QString(c.button) == "Size") {
        ClickCentre(wizard->SizeBtn);
        ClickCentre(wizard->OvalButton2);
      } else {
        ClickCentre(wizard->OvalButton3);
      }
    });
    const glimmerset::SizeAnswer answer = RunConstructWizard(c.suggested, nullptr);
    EXPECT_EQ(answer.Choice, c.choice);
    EXPECT_EQ(glimmerset::ProgramWizardMemory().WizardSize, c.suggested);
    if (c.choice == WizardChoice::Size) {
      EXPECT_EQ(answer.Horizontal, c.size);
      EXPECT_EQ(answer.Vertical, c.size);
    }
  }
}

}  // namespace
