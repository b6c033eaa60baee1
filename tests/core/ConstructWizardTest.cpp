#include <gtest/gtest.h>

#include "core/ConstructWizard.h"

namespace glimmerset {
namespace {

class ConstructWizardTest : public ::testing::Test {
 protected:
  ConstructWizard Open(int suggested) {
    memory.WizardSize = suggested;
    ConstructWizard wizard{memory};
    wizard.FormActivate();
    return wizard;
  }
  WizardMemory memory;
};

TEST_F(ConstructWizardTest, WalksReportTheLastBranchEntered) {
  using Click = void (ConstructWizard::*)();
  struct Case {
    std::vector<Click> clicks;
    WizardChoice choice;
    std::int32_t stored;
  };
  const Case cases[] = {
      {{&ConstructWizard::AutoBtnClick, &ConstructWizard::ContBtnClick}, WizardChoice::Auto, 0},
      {{&ConstructWizard::SizeBtnClick, &ConstructWizard::ContBtnClick}, WizardChoice::Size, 1},
      {{&ConstructWizard::AutoBtnClick, &ConstructWizard::BackBtn1Click, &ConstructWizard::SizeBtnClick,
        &ConstructWizard::ContBtnClick},
       WizardChoice::Size, 1},
      {{&ConstructWizard::SizeBtnClick, &ConstructWizard::BackBtn1Click, &ConstructWizard::AutoBtnClick,
        &ConstructWizard::ContBtnClick},
       WizardChoice::Auto, 0},
      {{&ConstructWizard::OvalButton3Click}, WizardChoice::Cancelled, -1},
      {{&ConstructWizard::SizeBtnClick, &ConstructWizard::OvalButton3Click}, WizardChoice::Cancelled, -1},
      {{&ConstructWizard::AutoBtnClick, &ConstructWizard::CloseWithoutButton}, WizardChoice::Cancelled, -1},
      {{&ConstructWizard::CloseWithoutButton}, WizardChoice::Cancelled, -1},
  };
  for (const auto& c : cases) {
    memory.WizardChoice = 1;  // left from an earlier use
    ConstructWizard wizard = Open(12);
    for (Click click : c.clicks) (wizard.*click)();
    wizard.CloseWithoutButton();  // the window's own close after a button is no second answer
    EXPECT_TRUE(wizard.Closed);
    EXPECT_EQ(memory.WizardChoice, c.stored);
    const SizeAnswer answer = wizard.Answer();
    EXPECT_EQ(answer.Choice, c.choice);
    if (c.choice != WizardChoice::Cancelled) {
      EXPECT_EQ(answer.Horizontal, 12);
      EXPECT_EQ(answer.Vertical, 12);
    }
  }
}

TEST_F(ConstructWizardTest, PagesAndTabsFollowTheWalk) {
  ConstructWizard wizard = Open(9);
  EXPECT_EQ(wizard.Page, WizardPage::Choice);
  EXPECT_EQ(wizard.TabVisible, (std::array<bool, 3>{true, false, false}));
  wizard.AutoBtnClick();
  EXPECT_EQ(wizard.Page, WizardPage::Auto);
  EXPECT_EQ(wizard.TabVisible, (std::array<bool, 3>{false, true, false}));
  wizard.BackBtn1Click();
  EXPECT_EQ(wizard.Page, WizardPage::Choice);
  EXPECT_EQ(wizard.TabVisible, (std::array<bool, 3>{true, false, false}));
  EXPECT_EQ(memory.WizardChoice, 0);  // Back leaves the choice
  wizard.SizeBtnClick();
  EXPECT_EQ(wizard.Page, WizardPage::Size);
  EXPECT_EQ(wizard.TabVisible, (std::array<bool, 3>{false, false, true}));
  EXPECT_FALSE(wizard.Closed);
}

TEST_F(ConstructWizardTest, SizeNumbersStayBetweenTheSuggestedSizeAndForty) {
  struct Case {
    int suggested;
    int minimum;
  };
  for (const Case c : {Case{12, 12}, Case{40, 40}, Case{45, 40}, Case{3, 3}}) {
    ConstructWizard wizard = Open(c.suggested);
    wizard.SizeBtnClick();
    EXPECT_EQ(wizard.Horizontal.Minimum, c.minimum);
    EXPECT_EQ(wizard.Horizontal.Position, c.minimum);
    EXPECT_EQ(wizard.Vertical.Position, c.minimum);
    wizard.Step(wizard.Horizontal, -1);
    EXPECT_EQ(wizard.Horizontal.Position, c.minimum);
    for (int i = 0; i < 50; ++i) wizard.Step(wizard.Vertical, +1);
    EXPECT_EQ(wizard.Vertical.Position, 40);
    wizard.ContBtnClick();
    EXPECT_EQ(wizard.Answer().Horizontal, c.minimum);
    EXPECT_EQ(wizard.Answer().Vertical, 40);
  }
}

TEST_F(ConstructWizardTest, TypedNumbersCountOnlyWithinTheRange) {
  ConstructWizard wizard = Open(12);
  struct Case {
    std::string typed;
    int position;
  };
  const Case cases[] = {{"15", 15}, {"2", 15}, {"41", 15}, {"40", 40}, {"abc", 40}, {"", 40},
                        {"13x", 40}, {"-12", 40}, {"12", 12}, {" 20", 12}};
  for (const auto& c : cases) EXPECT_EQ(wizard.TypeHorizontal(c.typed), c.position) << c.typed;
  EXPECT_EQ(wizard.TypeVertical("33"), 33);
  wizard.SizeBtnClick();
  wizard.ContBtnClick();
  EXPECT_EQ(wizard.Answer().Horizontal, 12);
  EXPECT_EQ(wizard.Answer().Vertical, 33);
}

TEST_F(ConstructWizardTest, ComingBackResetsNumbersAndPageButKeepsTheChoice) {
  ConstructWizard wizard = Open(12);
  wizard.SizeBtnClick();
  wizard.TypeHorizontal("20");
  wizard.Step(wizard.Vertical, +3);
  wizard.FormActivate();
  EXPECT_EQ(wizard.Page, WizardPage::Choice);
  EXPECT_EQ(wizard.TabVisible, (std::array<bool, 3>{true, false, false}));
  EXPECT_EQ(wizard.Horizontal.Position, 12);
  EXPECT_EQ(wizard.Vertical.Position, 12);
  EXPECT_EQ(memory.WizardChoice, 1);
}

}  // namespace
}  // namespace glimmerset
