#include <gtest/gtest.h>

#include "editing/Engine.h"
#include "printer/TimerQueue.h"
#include "printer/VirtualPrinter.h"
#include "support/FakeGrid.h"
#include "support/FakeOperator.h"

namespace q5300 {
namespace {

TEST(EngineStart, OneEmptyCurrentPageAndTheDeviceCheck) {
  testing::FakeOperator op;
  testing::FakeGrid grid;
  ManualClock clock;
  TimerQueue timers(clock);
  VirtualPrinter printer(clock);
  printer.RefuseOpen(OpenStatus::NoDevice);
  Engine engine(op, grid, timers, printer, clock);
  grid.Attach(engine);
  engine.StartUp();

  EXPECT_EQ(engine.grid().rowCount(), 1);
  EXPECT_EQ(engine.job().pages.size(), 1);
  EXPECT_EQ(engine.currentPageIndex(), 0);
  EXPECT_EQ(engine.currentRecord(), engine.job().pages.first());
  EXPECT_EQ(engine.currentRecord()->creationNo, 1);
  EXPECT_EQ(engine.grid().CellText(0, MarkColumn), u"∽");
  EXPECT_EQ(engine.grid().CellText(0, PageColumn), u"1");
  EXPECT_EQ(engine.grid().CellText(0, FontSizeColumn), u"4");
  EXPECT_EQ(engine.grid().CellText(0, DirectionColumn), u"Horizontal");
  EXPECT_TRUE(engine.grid().IsChecked(0));
  EXPECT_EQ(engine.grid().GetHeaderCheckState(CheckColumn), CheckedBox);
  ASSERT_EQ(op.told.size(), 2u);
  EXPECT_EQ(op.told[0].caption, "Q5300 Application");
  EXPECT_EQ(op.told[0].icon, MessageIcon::Warning);
  EXPECT_EQ(op.told[0].text,
            "Unsuccessfully to open the serial port,\rmake sure that the printer has the correct "
            "connect to the PC!");
  // Then how to try the program without a printer.
  EXPECT_EQ(op.told[1].caption, "Q5300 Application");
  EXPECT_NE(op.told[1].text.find("Q5300_DEVICE=virtual:/tmp/q5300-out q5300"), std::string::npos);
}

TEST(EngineStart, APrinterThatIsThereGetsNoHintOfTheVirtualPrinter) {
  for (const OpenStatus status : {OpenStatus::NoPermission, OpenStatus::Opened}) {
    testing::FakeOperator op;
    testing::FakeGrid grid;
    ManualClock clock;
    TimerQueue timers(clock);
    VirtualPrinter printer(clock);
    if (status != OpenStatus::Opened) printer.RefuseOpen(status);
    Engine engine(op, grid, timers, printer, clock);
    grid.Attach(engine);
    engine.StartUp();
    for (const Message& m : op.told) {
      EXPECT_EQ(m.text.find("Q5300_DEVICE"), std::string::npos) << m.text;
    }
  }
}

}  // namespace
}  // namespace q5300
