#pragma once

class QWidget;

namespace q5300::ui {

// A wheel turned over a combo box or spin box that nobody clicked scrolls what
// holds it and changes nothing: such a box takes the wheel only while it has
// the keyboard focus, and a wheel turn never gives it the focus. Applies to the
// boxes under `root` at the time of the call.
void GuardWheel(QWidget* root);

}  // namespace q5300::ui
