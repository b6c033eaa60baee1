// The event pump lets pending events run, but not on every call.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include "ui/EventPump.h"

namespace glimmerset::ui {
namespace {

TEST(WordsEventPumpTest, PendingEventsRunOnlyWhenACallLetsThemAndTheMirrorIsRefreshedFirst) {
  int refreshes = 0;
  int timerRuns = 0;
  EventPump pump([&] { ++refreshes; });
  QTimer::singleShot(0, [&] { ++timerRuns; });
  // Until a call runs them, the pending events wait; the call that does refreshes first.
  while (!pump.Pump()) EXPECT_EQ(timerRuns, 0);
  EXPECT_EQ(timerRuns, 1);
  EXPECT_EQ(refreshes, 1);
}

}  // namespace
}  // namespace glimmerset::ui
