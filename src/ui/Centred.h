#pragma once

#include <QShowEvent>
#include <QWidget>

namespace q5300::ui {

// Moves `dialog` into the middle of its parent's window, kept on the screen.
void CentreOnWindow(QWidget& dialog);

// A dialog that opens in the middle of the window it belongs to. Qt places a
// dialog by a guess at the size of window frames, which a maximised window (a
// title bar, no side borders) throws off by tens of points; this one is put in
// place once it has its size, before the window system shows it.
template <typename Dialog>
class Centred final : public Dialog {
 public:
  using Dialog::Dialog;

 protected:
  void showEvent(QShowEvent* event) override {
    Dialog::showEvent(event);
    if (!event->spontaneous()) CentreOnWindow(*this);
  }
};

}  // namespace q5300::ui
