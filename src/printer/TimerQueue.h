#pragma once

#include <array>
#include <chrono>
#include <optional>

#include "printer/Clock.h"
#include "printer/TimerService.h"

namespace q5300 {

// Timers without a window: deadlines on a clock. The command-line program waits
// on real time; tests use a manual clock and a 20-second job runs in no time.
class TimerQueue final : public TimerService {
 public:
  explicit TimerQueue(Clock& clock) : clock_(clock) {}

  void Arm(TimerId id, std::chrono::milliseconds delay) override;
  void Stop(TimerId id) override;

  bool IsArmed(TimerId id) const { return deadline(id).has_value(); }
  std::optional<std::chrono::milliseconds> deadline(TimerId id) const;
  bool empty() const;

  // Waits on the clock until the earliest armed timer is due, disarms it and
  // returns it; nothing when no timer is armed.
  std::optional<TimerId> WaitForNext();

 private:
  static std::size_t Slot(TimerId id);

  Clock& clock_;
  std::array<std::optional<std::chrono::milliseconds>, 2> deadlines_;
};

}  // namespace q5300
