#pragma once

#include <QTimer>
#include <functional>

#include "printer/TimerService.h"

namespace q5300::ui {

// The window's timers: each fires once on the event loop and hands its id on.
class QtTimers final : public TimerService {
 public:
  // Every delay is multiplied by `timeScale`: 1 in the program; a window test
  // runs a job's waits faster (or holds them) on the same timers and event loop.
  explicit QtTimers(std::function<void(TimerId)> fired, double timeScale = 1.0);

  void Arm(TimerId id, std::chrono::milliseconds delay) override;
  void Stop(TimerId id) override;
  bool IsArmed(TimerId id) const;

 private:
  QTimer& TimerFor(TimerId id);
  const QTimer& TimerFor(TimerId id) const;

  double timeScale_;
  QTimer continue_;
  QTimer finalMessage_;
};

}  // namespace q5300::ui
