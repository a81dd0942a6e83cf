#pragma once

#include <gtest/gtest.h>

#include <string>

#include "editing/Engine.h"
#include "printer/TimerQueue.h"
#include "printer/VirtualPrinter.h"
#include "support/FakeGrid.h"
#include "support/FakeOperator.h"

namespace q5300::testing {

// An engine after start-up with a printer attached: one empty current page and
// no message shown yet.
class CommandFixture : public ::testing::Test {
 protected:
  CommandFixture()
      : timers(clock), printer(clock), engine(op, gridActions, timers, printer, clock) {
    gridActions.Attach(engine);
    engine.StartUp();
    op.told.clear();
  }

  PageRecord& page() { return *engine.currentRecord(); }
  GridModel& grid() { return engine.grid(); }
  const std::u16string& Line1() { return grid().CellText(0, Line1Column); }
  const std::u16string& Line2() { return grid().CellText(0, Line2Column); }
  void SetLines(std::u16string line1, std::u16string line2) {
    grid().SetCellText(0, Line1Column, std::move(line1));
    grid().SetCellText(0, Line2Column, std::move(line2));
  }

  FakeOperator op;
  FakeGrid gridActions;
  ManualClock clock;
  TimerQueue timers;
  VirtualPrinter printer;
  Engine engine;
};

}  // namespace q5300::testing
