// Test program entry: a QGuiApplication for the tests of the printed pages, then every GoogleTest test.
#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
