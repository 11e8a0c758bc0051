// Tests that need widgets share one application object.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  // Widgets are drawn offscreen: no display is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
