#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "WindowRig.h"
#include "printer/TempDir.h"
#include "printer/VirtualPrinter.h"
#include "support/FakeOperator.h"
#include "ui/MediaBar.h"
#include "ui/MyListCtrl.h"
#include "ui/OrvelTestDlg.h"
#include "ui/PagePanel.h"

namespace q5300::ui {
namespace {

TEST(WindowStart, OneEmptyPageAndTheStartStateOfTheControls) {
  testing::FakeOperator op;
  OrvelTestDlg window(&op);
  window.StartUp();
  EXPECT_EQ(test::ShownTitle(window), "Q5300_V1.04");
  EXPECT_EQ(window.grid()->model()->rowCount(), 1);
  EXPECT_EQ(window.grid()->model()->index(0, 1).data().toString(), QString::fromUtf8("∽"));
  EXPECT_EQ(window.mediaBar()->size()->currentText(), "4.0");
  EXPECT_EQ(window.mediaBar()->cutting()->currentText(), QString::fromUtf8("하프커팅"));
  // The item of the density the job sends: density = item + 1.
  EXPECT_EQ(window.mediaBar()->density()->currentText(), "7");
  EXPECT_EQ(window.engine().job().settings.density, 8);
  EXPECT_EQ(window.mediaBar()->copies()->currentText(), "1");
  EXPECT_TRUE(window.pagePanel()->currentPage()->isChecked());
  EXPECT_TRUE(window.pagePanel()->setLength()->isChecked());
  EXPECT_EQ(window.pagePanel()->lengthEdit()->text(), "20");
  EXPECT_EQ(window.pagePanel()->fontSize()->currentText(), "4");
  EXPECT_TRUE(window.pagePanel()->continuous()->isChecked());
  EXPECT_EQ(window.engine().grid().GetHeaderCheckState(CheckColumn), CheckedBox);
  EXPECT_TRUE(window.engine().grid().IsChecked(0));
  EXPECT_EQ(window.engine().currentPageIndex(), 0);
  EXPECT_FALSE(window.engine().modified());
}

TEST(WindowStart, TheDeviceCheckSpeaksOnceTheWindowRuns) {
  testing::FakeOperator op;
  ManualClock clock;
  auto printer = std::make_unique<VirtualPrinter>(clock);
  printer->RefuseOpen(OpenStatus::NoDevice);
  OrvelTestDlg window(&op, std::move(printer));
  window.StartUp();
  EXPECT_TRUE(op.told.empty());
  ASSERT_TRUE(test::Eventually([&] { return !op.told.empty(); }));
  EXPECT_EQ(op.told[0].caption, "Q5300 Application");
  // The window stays usable: a page can be added.
  window.action(Command::Add)->trigger();
  EXPECT_EQ(window.engine().grid().rowCount(), 2);
}

TEST(WindowStart, ALabelFileNamedAtStartOpensInPlaceOfTheEmptyPage) {
  q5300::test::TempDir dir;
  const std::string file = (dir.path() / "job.qxk").string();
  {
    test::WindowRig saving;
    saving.engine().grid().SetCellText(0, Line1Column, u"케이블 A");
    saving.engine().CellEdited(0, Line1Column);
    saving.op.files = {file};
    saving.engine().Save();
  }
  test::WindowRig rig(QString::fromStdString(file));
  ASSERT_TRUE(test::Eventually(
      [&] { return rig.engine().grid().CellText(0, Line1Column) == u"케이블 A"; }));
  EXPECT_EQ(rig.engine().grid().rowCount(), 1);
  EXPECT_FALSE(rig.engine().modified());
  EXPECT_TRUE(rig.op.asked.empty());
  EXPECT_TRUE(rig.op.told.empty());
}

}  // namespace
}  // namespace q5300::ui
