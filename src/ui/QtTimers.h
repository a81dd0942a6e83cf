#pragma once

#include <QTimer>
#include <functional>

#include "printer/TimerService.h"

namespace q5300::ui {

// The window's timers: each fires once on the event loop and hands its id on.
class QtTimers final : public TimerService {
 public:
  explicit QtTimers(std::function<void(TimerId)> fired);

  void Arm(TimerId id, std::chrono::milliseconds delay) override;
  void Stop(TimerId id) override;
  bool IsArmed(TimerId id) const;

 private:
  QTimer& TimerFor(TimerId id);
  const QTimer& TimerFor(TimerId id) const;

  QTimer continue_;
  QTimer finalMessage_;
};

}  // namespace q5300::ui
