#include "printer/Clock.h"

#include <thread>

namespace q5300 {

std::chrono::milliseconds SystemClock::Now() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
}

void SystemClock::Wait(std::chrono::milliseconds duration) {
  if (duration > std::chrono::milliseconds::zero()) std::this_thread::sleep_for(duration);
}

}  // namespace q5300
