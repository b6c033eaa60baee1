#include <gtest/gtest.h>

#include <QLabel>

#include "DialogTestHelpers.h"
#include "controls/OvalButton.h"
#include "ui/demoUnit.h"

namespace {

using dialogtest::ClickCentre;

TEST(DialogDemoTest, LooksAndTexts) {
  TDemoForm form{nullptr, "All about one actress", "The films of one actor"};
  EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(form.size(), QSize(373, 261));
  EXPECT_EQ(form.windowTitle(), "The Glimmerset Demos");
  EXPECT_EQ(form.palette().color(QPalette::Window), QColor(0, 128, 0));
  const char* captions[] = {"Citys", "Actress", "Family", "Simple", "Movies"};
  const char* topics[] = {"Find capital citys across theworld", "All about one actress", "Who is in your family",
                          "As easy as it gets", "The films of one actor"};
  const int tops[] = {16, 64, 112, 160, 208};
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(form.DemoButtons[i]->caption(), captions[i]);
    EXPECT_EQ(form.DemoButtons[i]->geometry(), QRect(24, tops[i], 50, 40));
    EXPECT_EQ(form.DemoButtons[i]->faceColor(), QColor(0, 0, 128));
    EXPECT_EQ(form.DemoButtons[i]->textColor(), QColor(Qt::white));
    EXPECT_EQ(form.Labels[i]->text(), topics[i]);
    EXPECT_EQ(form.Labels[i]->pos(), QPoint(92, tops[i] + 14));
  }
  EXPECT_EQ(form.OvalButton11->caption(), "Return to Glimmerset");
  EXPECT_EQ(form.OvalButton11->geometry(), QRect(232, 112, 129, 41));
  EXPECT_EQ(form.OvalButton11->faceColor(), QColor(128, 0, 128));
}

TEST(DialogDemoTest, EachButtonLoadsItsDemoAndTheChooserStaysOpen) {
  std::vector<int> loaded;
  TDemoForm form{[&loaded](int tag) { loaded.push_back(tag); }, "a", "b"};
  form.show();
  for (std::size_t i : {2u, 0u, 4u, 1u, 3u}) {
    ClickCentre(form.DemoButtons[i]);
    EXPECT_TRUE(form.isVisible());
  }
  EXPECT_EQ(loaded, (std::vector<int>{3, 1, 5, 2, 4}));
  ClickCentre(form.OvalButton11);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(loaded.size(), 5u);
}

}  // namespace
