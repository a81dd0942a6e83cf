#pragma once

#include <chrono>

namespace q5300 {

// Time as the print flow sees it: the pauses after a packet and after the end
// command, and the time stamps of what the virtual printer receives.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::chrono::milliseconds Now() const = 0;
  // Blocks the calling thread for `duration`.
  virtual void Wait(std::chrono::milliseconds duration) = 0;
};

// Real time.
class SystemClock final : public Clock {
 public:
  std::chrono::milliseconds Now() const override;
  void Wait(std::chrono::milliseconds duration) override;
};

// Time that moves only when told: a wait of 5 s takes no time at all.
class ManualClock final : public Clock {
 public:
  std::chrono::milliseconds Now() const override { return now_; }
  void Wait(std::chrono::milliseconds duration) override { now_ += duration; }
  void Advance(std::chrono::milliseconds duration) { now_ += duration; }

 private:
  std::chrono::milliseconds now_{0};
};

}  // namespace q5300
