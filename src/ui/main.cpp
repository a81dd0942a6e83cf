// The Q5300 control program: one window over the editing engine.
#include <QApplication>
#include <QTimer>

#include "ui/OrvelTestDlg.h"
#include "ui/Theme.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  InitQ5300Resources();
  QApplication::setApplicationName(QStringLiteral("Q5300 Application"));
  QApplication::setApplicationDisplayName(QStringLiteral("Q5300"));
  QApplication::setDesktopFileName(QStringLiteral("io.github.q5300.Q5300"));
  QFont font = QApplication::font();
  font.setFamilies(q5300::ui::TextFamilies());
  QApplication::setFont(font);

  q5300::ui::OrvelTestDlg window;
  window.StartUp();
  window.showMaximized();
  return QApplication::exec();
}
