#include "editing/StatusPopup.h"

namespace q5300 {

void StatusPopup::SetUp() {
  initialised_ = true;
  Changed();
}

void StatusPopup::SetStatusText(std::string text) {
  if (!initialised_) return;
  text_ = std::move(text);
  Changed();
}

void StatusPopup::ShowStopButton(bool on) {
  if (on == stopButtonShown_) return;
  stopButtonShown_ = on;
  Changed();
}

void StatusPopup::Show() {
  visible_ = true;
  Changed();
}

void StatusPopup::Hide() {
  visible_ = false;
  Changed();
}

void StatusPopup::PutAway() {
  if (!standing_) Hide();
}

void StatusPopup::StopPressed() {
  stopButtonShown_ = false;
  Changed();
  if (stopHandler_) stopHandler_();
}

void StatusPopup::Changed() {
  if (observer_) observer_();
}

}  // namespace q5300
