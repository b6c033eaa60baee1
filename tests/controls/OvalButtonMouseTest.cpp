// The oval button's press, move, release and leave rules, and its accelerator.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <vector>

#include "controls/OvalButton.h"

namespace {

enum class Action { Move, Press, Release, Leave };

struct Step {
  Action action;
  QPoint position;
  Qt::MouseButton button = Qt::LeftButton;
  bool pressedAfter = false;
};

struct MouseCase {
  const char* name;
  std::vector<Step> steps;
  int clicks;
};

void deliver(QWidget* widget, const Step& step) {
  if (step.action == Action::Leave) {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &leave);
    return;
  }
  QEvent::Type type = QEvent::MouseMove;
  Qt::MouseButton button = Qt::NoButton;
  Qt::MouseButtons held = Qt::NoButton;
  if (step.action == Action::Press) {
    type = QEvent::MouseButtonPress;
    button = step.button;
    held = step.button;
  } else if (step.action == Action::Release) {
    type = QEvent::MouseButtonRelease;
    button = step.button;
  }
  QMouseEvent event(type, QPointF(step.position), widget->mapToGlobal(QPointF(step.position)), button, held,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &event);
}

// A 97 by 25 button: its centre is well inside the ellipse, (2, 1) is a corner of the rectangle
// outside it, and (120, 12) lies outside the control.
const QPoint Centre(48, 12);
const QPoint Corner(2, 1);
const QPoint Outside(120, 12);

class OvalButtonMouse : public ::testing::TestWithParam<MouseCase> {};

TEST_P(OvalButtonMouse, PressesAndClicksAsTheRulesSay) {
  TOvalButton button("Find");
  button.resize(97, 25);
  QSignalSpy clicks(&button, &TOvalButton::clicked);
  int index = 0;
  for (const Step& step : GetParam().steps) {
    deliver(&button, step);
    EXPECT_EQ(button.isPressed(), step.pressedAfter) << "after step " << index;
    ++index;
  }
  EXPECT_EQ(clicks.count(), GetParam().clicks);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OvalButtonMouse,
    ::testing::Values(
        MouseCase{"PressReleaseInside",
                  {{Action::Move, Centre}, {Action::Press, Centre, Qt::LeftButton, true}, {Action::Release, Centre}},
                  1},
        MouseCase{"PressWithoutPriorMove", {{Action::Press, Centre, Qt::LeftButton, true}, {Action::Release, Centre}}, 1},
        MouseCase{"PressInCornerOutsideEllipse",
                  {{Action::Move, Corner}, {Action::Press, Corner}, {Action::Release, Corner}},
                  0},
        MouseCase{"MoveOutsideBeforeReleaseClicksNothing",
                  {{Action::Move, Centre},
                   {Action::Press, Centre, Qt::LeftButton, true},
                   {Action::Move, Outside},
                   {Action::Release, Outside}},
                  0},
        MouseCase{"ReleaseInCornerAfterPressInsideClicks",
                  {{Action::Move, Centre},
                   {Action::Press, Centre, Qt::LeftButton, true},
                   {Action::Move, Corner, Qt::LeftButton, true},
                   {Action::Release, Corner}},
                  1},
        // Once the button has come up, a move back inside sees the pointer there again.
        MouseCase{"OutAndBackWhileHeldThenReleaseInsideClicks",
                  {{Action::Move, Centre},
                   {Action::Press, Centre, Qt::LeftButton, true},
                   {Action::Move, Outside},
                   {Action::Move, Centre},
                   {Action::Release, Centre}},
                  1},
        MouseCase{"LeaveWhileHeldClicksNothing",
                  {{Action::Move, Centre},
                   {Action::Press, Centre, Qt::LeftButton, true},
                   {Action::Leave, Centre},
                   {Action::Release, Centre}},
                  0},
        MouseCase{"RightButtonIgnored",
                  {{Action::Move, Centre},
                   {Action::Press, Centre, Qt::RightButton},
                   {Action::Release, Centre, Qt::RightButton}},
                  0},
        MouseCase{"MiddleButtonClicks",
                  {{Action::Move, Centre},
                   {Action::Press, Centre, Qt::MiddleButton, true},
                   {Action::Release, Centre, Qt::MiddleButton}},
                  1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OvalButtonMouseDisabled, ADisabledButtonCannotBePressedOrClicked) {
  TOvalButton button("Find");
  button.setEnabled(false);
  QSignalSpy clicks(&button, &TOvalButton::clicked);
  deliver(&button, {Action::Move, Centre});
  deliver(&button, {Action::Press, Centre});
  EXPECT_FALSE(button.isPressed());
  deliver(&button, {Action::Release, Centre});
  EXPECT_EQ(clicks.count(), 0);
}

TEST(OvalButtonHitTest, FollowsTheInscribedEllipse) {
  TOvalButton button;
  button.resize(100, 40);
  struct Probe {
    QPoint point;
    bool inside;
  };
  const Probe probes[] = {{{50, 20}, true},  {{1, 20}, true},   {{98, 20}, true},  {{50, 0}, true},
                          {{50, 39}, true},  {{0, 0}, false},   {{99, 39}, false}, {{5, 3}, false},
                          {{94, 36}, false}, {{100, 20}, false}, {{-1, 20}, false}};
  for (const Probe& probe : probes)
    EXPECT_EQ(button.hitTest(probe.point), probe.inside) << probe.point.x() << "," << probe.point.y();
}

struct AcceleratorCase {
  const char* name;
  QString caption;
  bool enabled;
  Qt::Key key;
  int clicks;
};

class OvalButtonAccelerator : public ::testing::TestWithParam<AcceleratorCase> {};

TEST_P(OvalButtonAccelerator, AltAndTheMarkedLetterClicksAnEnabledButton) {
  QWidget window;
  window.resize(200, 100);
  auto* button = new TOvalButton(GetParam().caption, &window);
  button->setEnabled(GetParam().enabled);
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QSignalSpy clicks(button, &TOvalButton::clicked);
  QTest::keyClick(&window, GetParam().key, Qt::AltModifier);
  EXPECT_EQ(clicks.count(), GetParam().clicks);
}

INSTANTIATE_TEST_SUITE_P(Cases, OvalButtonAccelerator,
                         ::testing::Values(AcceleratorCase{"MarkedLetter", "E&xit", true, Qt::Key_X, 1},
                                           AcceleratorCase{"OtherLetter", "E&xit", true, Qt::Key_E, 0},
                                           AcceleratorCase{"Disabled", "E&xit", false, Qt::Key_X, 0},
                                           AcceleratorCase{"NoMarker", "Exit", true, Qt::Key_E, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OvalButtonAccelerator, FollowsACaptionChange) {
  QWidget window;
  auto* button = new TOvalButton("E&xit", &window);
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QSignalSpy clicks(button, &TOvalButton::clicked);
  button->setCaption("&Find");
  QTest::keyClick(&window, Qt::Key_X, Qt::AltModifier);
  EXPECT_EQ(clicks.count(), 0);
  QTest::keyClick(&window, Qt::Key_F, Qt::AltModifier);
  EXPECT_EQ(clicks.count(), 1);
}

}  // namespace
