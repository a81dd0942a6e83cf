#pragma once

#include "editing/Workbench.h"
#include "printer/TimerQueue.h"

namespace q5300::testing {

// Runs the armed timers until none is left, as the window's event loop would;
// false when they never stop.
inline bool RunTimers(TimerQueue& timers, Workbench& bench) {
  for (int guard = 0; guard < 100; ++guard) {
    const auto id = timers.WaitForNext();
    if (!id) return true;
    bench.printing.TimerFired(*id);
  }
  return false;
}

}  // namespace q5300::testing
