#pragma once

#include <chrono>

namespace q5300 {

enum class TimerId {
  Continue = 1,      // carries a long print job on, packet by packet
  FinalMessage = 2,  // ends the job once the final message has stood long enough
};

// Timers of the main window. The window implements them with its own timers;
// a TimerQueue serves the command-line program and the tests.
class TimerService {
 public:
  virtual ~TimerService() = default;
  // Arms `id` to fire once after `delay`; a pending arming of the same id is replaced.
  virtual void Arm(TimerId id, std::chrono::milliseconds delay) = 0;
  virtual void Stop(TimerId id) = 0;
};

}  // namespace q5300
