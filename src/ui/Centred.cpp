#include "ui/Centred.h"

#include <QScreen>
#include <algorithm>

namespace q5300::ui {

void CentreOnWindow(QWidget& dialog) {
  const QWidget* parent = dialog.parentWidget();
  if (parent == nullptr) return;
  const QWidget* window = parent->window();
  QRect place(QPoint(0, 0), dialog.size());
  place.moveCenter(QRect(window->mapToGlobal(QPoint(0, 0)), window->size()).center());
  if (const QScreen* screen = window->screen()) {
    const QRect room = screen->availableGeometry();
    place.moveLeft(std::max(room.left(), std::min(place.left(), room.right() + 1 - place.width())));
    place.moveTop(std::max(room.top(), std::min(place.top(), room.bottom() + 1 - place.height())));
  }
  // A window that exists takes its position without the frame: the window
  // system puts the frame around it.
  dialog.move(place.topLeft());
}

}  // namespace q5300::ui
