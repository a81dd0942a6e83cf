// One application object for every window test, on the offscreen platform
// unless another one is asked for.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/Application.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("Q5300_DEVICE")) qputenv("Q5300_DEVICE", "virtual");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  q5300::ui::SetUpApplication();
  return RUN_ALL_TESTS();
}
