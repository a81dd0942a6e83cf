#include <gtest/gtest.h>

#include "editing/Workbench.h"
#include "support/WorkbenchRig.h"

namespace q5300 {
namespace {

TEST(WorkbenchStart, OneEmptyCurrentPageAndTheDeviceCheck) {
  testing::WorkbenchParts parts;
  parts.printer.RefuseOpen(OpenStatus::NoDevice);
  parts.bench.StartUp();
  const JobDocument& document = parts.bench.document;
  testing::FakeOperator& op = parts.op;

  EXPECT_EQ(document.grid().rowCount(), 1);
  EXPECT_EQ(document.pageCount(), 1);
  EXPECT_EQ(document.currentPageIndex(), 0);
  EXPECT_EQ(document.currentRecord(), &document.PageAt(0)->printer());
  EXPECT_EQ(document.currentRecord()->creationNo, 1);
  EXPECT_EQ(document.grid().CellText(0, MarkColumn), u"∽");
  EXPECT_EQ(document.grid().CellText(0, PageColumn), u"1");
  EXPECT_EQ(document.grid().CellText(0, FontSizeColumn), u"4");
  EXPECT_EQ(document.grid().CellText(0, DirectionColumn), u"Horizontal");
  EXPECT_TRUE(document.grid().IsChecked(0));
  EXPECT_EQ(document.grid().GetHeaderCheckState(CheckColumn), CheckedBox);
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

TEST(WorkbenchStart, APrinterThatIsThereGetsNoHintOfTheVirtualPrinter) {
  for (const OpenStatus status : {OpenStatus::NoPermission, OpenStatus::Opened}) {
    testing::WorkbenchParts parts;
    if (status != OpenStatus::Opened) parts.printer.RefuseOpen(status);
    parts.bench.StartUp();
    for (const Message& m : parts.op.told) {
      EXPECT_EQ(m.text.find("Q5300_DEVICE"), std::string::npos) << m.text;
    }
  }
}

}  // namespace
}  // namespace q5300
