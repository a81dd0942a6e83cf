// One application object for every window test, on the offscreen platform
// unless another one is asked for. A warning from Qt fails the test that runs:
// Qt says so when the window misuses it (a timer started from the printer's
// worker, a widget touched from it), and goes on as if nothing happened.
#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <array>

#include "ui/Application.h"

namespace {

// Messages a platform plugin prints about the platform itself, not about the
// program.
constexpr std::array kPlatformNotes = {
    // The offscreen platform has no window system to pass a window's size
    // limits to (every window shown),
    "This plugin does not support propagateSizeHints()",
    // to raise a window above the others (the status popup alone),
    "This plugin does not support raise()",
    // or to give the keyboard to an open menu (the grid's menu).
    "This plugin does not support grabbing the keyboard",
};

QtMessageHandler previousHandler = nullptr;

void FailOnWarning(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  for (const char* note : kPlatformNotes) {
    if (message == QLatin1String(note)) return;
  }
  if (previousHandler != nullptr) previousHandler(type, context, message);
  if (type != QtWarningMsg && type != QtCriticalMsg) return;
  // Also from another thread: GoogleTest takes failures from any thread and
  // counts them to the test that runs.
  ADD_FAILURE() << "Qt " << (type == QtWarningMsg ? "warning" : "critical") << ": "
                << message.toStdString();
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("Q5300_DEVICE")) qputenv("Q5300_DEVICE", "virtual");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  q5300::ui::SetUpApplication();
  // No translation is installed: the window shows its texts as the sources
  // write them, which is what the tests compare. WindowLanguageTest puts the
  // window into each of its languages itself.
  previousHandler = qInstallMessageHandler(FailOnWarning);
  return RUN_ALL_TESTS();
}
