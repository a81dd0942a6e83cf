#include "ui/Application.h"

#include <QApplication>

#include "ui/Theme.h"

namespace q5300::ui {

void SetUpApplication() {
  InitQ5300Resources();
  QApplication::setApplicationName(QStringLiteral("Q5300 Application"));
  // No display name: the window system would add it to every caption, and a
  // message box is captioned "Prompt", nothing more.
  QApplication::setDesktopFileName(QStringLiteral("io.github.q5300.Q5300"));
  QFont font = QApplication::font();
  font.setFamilies(TextFamilies());
  QApplication::setFont(font);
}

}  // namespace q5300::ui
