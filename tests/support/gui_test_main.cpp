#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

// Test entry point for window tests: a QApplication on the offscreen platform unless the
// environment asks for another one.
int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
