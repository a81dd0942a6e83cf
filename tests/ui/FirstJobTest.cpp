// The README's first job, step by step as a new user takes it: one page with a
// running number, the preview, a print to the virtual printer, a save.
#include <gtest/gtest.h>

#include <QPushButton>

#include "WindowRig.h"
#include "editing/NumberingChoice.h"
#include "printer/PrintedLabels.h"
#include "printer/TempDir.h"
#include "ui/PreviewStrip.h"
#include "ui/PagePanel.h"

namespace q5300::ui::test {
namespace {

TEST(FirstJob, OnePageWithARunningNumberPreviewedPrintedAndSaved) {
  q5300::test::TempDir dir;
  WindowRig rig;
  ASSERT_TRUE(rig.shown);

  // "W-" in the first line, ended with Tab: Enter would go on to a new page.
  ASSERT_TRUE(rig.OpenEditor(0, Line1Column));
  rig.TypeAndEnd(QStringLiteral("W-"), Qt::Key_Tab);
  ASSERT_TRUE(Eventually([&] { return rig.grid()->openEditor() == nullptr; }));

  // "넘버링 설정": numbers from 1 to 12.
  rig.op.numbering = [](NumberingChoice& dialog) {
    dialog.TextChanged(NumBox::Start, u"1");
    dialog.TextChanged(NumBox::End, u"12");
    return dialog.Accept().ok();
  };
  rig.window->pagePanel()->numbering()->click();
  EXPECT_EQ(rig.window->pageStatus()->text(),
            QStringLiteral("Page 1: 17.3 of 20.0 mm (208 / 240 dots) · 12 labels"));

  rig.grid()->setFocus();
  QTest::keyClick(rig.grid(), Qt::Key_F5);
  ASSERT_TRUE(Eventually([&] { return rig.window->preview()->layout().TotalLabels() == 12; }));

  QTest::keyClick(rig.grid(), Qt::Key_P, Qt::ControlModifier);
  // The printer's work runs beside the window; the job reports back on the event loop.
  ASSERT_TRUE(Eventually(
      [&] { return rig.bench().printing.phase() == PrintController::Phase::FinalMessage; }));
  ASSERT_EQ(rig.printer->packets().size(), 1u);
  std::vector<std::string> labels;
  ForEachPrintedLabel(rig.printer->packets()[0], [&](const std::string& label) {
    labels.push_back(label);
    return true;
  });
  ASSERT_EQ(labels.size(), 12u);
  EXPECT_EQ(labels.front(), "W-1");
  EXPECT_EQ(labels.back(), "W-12");

  // The status popup stands inside the window: the window keeps the keyboard.
  EXPECT_TRUE(rig.window->isActiveWindow());
  rig.op.files.push_back((dir.path() / "wires").string());
  QTest::keyClick(rig.grid(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "wires.qxk"));
  EXPECT_EQ(ShownTitle(*rig.window), QStringLiteral("wires.qxk — Q5300_V1.04"));
  EXPECT_TRUE(rig.op.told.empty()) << rig.op.told.front().text;
}

}  // namespace
}  // namespace q5300::ui::test
