// A request to stop reaches the event loop once; a second one stops the program at once.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <csignal>

#include "QuitOnSignal.h"

namespace glimmerset::app {
namespace {

class QuitOnSignalTest : public ::testing::TestWithParam<int> {};

TEST_P(QuitOnSignalTest, TheRequestArrivesOnTheEventLoopNotInsideTheSignal) {
  int calls = 0;
  QuitOnSignal quit([&] { ++calls; });
  ASSERT_EQ(std::raise(GetParam()), 0);
  EXPECT_EQ(calls, 0);  // the handler only wakes the loop
  QCoreApplication::processEvents();
  EXPECT_EQ(calls, 1);
  QCoreApplication::processEvents();
  EXPECT_EQ(calls, 1);
}

TEST_P(QuitOnSignalTest, ASecondRequestEndsTheProgramByThatSignal) {
  const int number = GetParam();
  EXPECT_EXIT(
      {
        QuitOnSignal quit([] {});
        std::raise(number);
        std::raise(number);
        std::exit(0);
      },
      ::testing::KilledBySignal(number), "");
}

TEST(QuitOnSignalLifetimeTest, TheFormerHandlerComesBackWhenItGoes) {
  static int former = 0;
  const auto previous = std::signal(SIGHUP, [](int) { ++former; });
  { QuitOnSignal quit([] {}); }
  std::raise(SIGHUP);
  EXPECT_EQ(former, 1);
  std::signal(SIGHUP, previous);
}

INSTANTIATE_TEST_SUITE_P(StopSignals, QuitOnSignalTest, ::testing::Values(SIGTERM, SIGINT, SIGHUP));

}  // namespace
}  // namespace glimmerset::app
