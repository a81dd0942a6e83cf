#pragma once

// An engine as the window has it, with the operator and the grid played by the
// test, on the manual clock and the virtual printer. Fixtures derive from it.
#include "editing/Engine.h"
#include "printer/Clock.h"
#include "printer/TimerQueue.h"
#include "printer/VirtualPrinter.h"
#include "support/FakeGrid.h"
#include "support/FakeOperator.h"
#include "support/RunTimers.h"

namespace q5300::testing {

struct EngineParts {
  FakeOperator op;
  FakeGrid grid;
  ManualClock clock;
  TimerQueue timers{clock};
  VirtualPrinter printer{clock};
  Engine engine{op, grid, timers, printer, clock};

  // The armed timers run until none is left; false when they never stop.
  bool RunTimers() { return testing::RunTimers(timers, engine); }
};

}  // namespace q5300::testing
