#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTimer>

#include "WindowRig.h"
#include "printer/TempDir.h"
#include "printer/VirtualPrinter.h"
#include "support/FakeOperator.h"
#include "ui/MediaBar.h"
#include "ui/LabelGrid.h"
#include "ui/MainWindow.h"
#include "ui/PagePanel.h"

namespace q5300::ui {
namespace {

TEST(WindowStart, OneEmptyPageAndTheStartStateOfTheControls) {
  testing::FakeOperator op;
  MainWindow window(&op);
  window.StartUp();
  EXPECT_EQ(test::ShownTitle(window), "Q5300_V1.04");
  EXPECT_EQ(window.grid()->model()->rowCount(), 1);
  EXPECT_EQ(window.grid()->model()->index(0, 1).data().toString(), QString::fromUtf8("∽"));
  EXPECT_EQ(window.mediaBar()->size()->currentText(), "4.0");
  EXPECT_EQ(window.mediaBar()->cutting()->currentText(), QString::fromUtf8("하프커팅"));
  // The item of the density the job sends: density = item + 1.
  EXPECT_EQ(window.mediaBar()->density()->currentText(), "7");
  EXPECT_EQ(window.bench().document.job().settings.density, 8);
  EXPECT_EQ(window.mediaBar()->copies()->currentText(), "1");
  EXPECT_TRUE(window.pagePanel()->currentPage()->isChecked());
  EXPECT_TRUE(window.pagePanel()->setLength()->isChecked());
  EXPECT_EQ(window.pagePanel()->lengthEdit()->text(), "20");
  EXPECT_EQ(window.pagePanel()->fontSize()->currentText(), "4");
  EXPECT_TRUE(window.pagePanel()->continuous()->isChecked());
  EXPECT_EQ(window.bench().document.grid().GetHeaderCheckState(CheckColumn), CheckedBox);
  EXPECT_TRUE(window.bench().document.grid().IsChecked(0));
  EXPECT_EQ(window.bench().document.currentPageIndex(), 0);
  EXPECT_FALSE(window.bench().document.modified());
}

TEST(WindowStart, TheDeviceCheckSpeaksOnceTheWindowShowsCentredOnIt) {
  ManualClock clock;
  auto printer = std::make_unique<VirtualPrinter>(clock);
  printer->RefuseOpen(OpenStatus::NoDevice);
  // The window's own message boxes.
  MainWindow window(nullptr, std::move(printer));
  QStringList texts;
  QList<QPoint> offsets;
  test::ModalWatch watch([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box == nullptr) return;
    texts << box->text();
    offsets << test::OnScreen(box).center() - test::OnScreen(&window).center();
    box->accept();
  });
  window.StartUp();
  // Whatever was queued at start has run, and the printer's worker is idle:
  // nothing is said before the window is on the screen.
  bool looped = false;
  QTimer::singleShot(0, [&] { looped = true; });
  ASSERT_TRUE(test::Eventually([&] { return looped; }));
  ASSERT_TRUE(test::Eventually([&] { return !window.bench().printing.busy(); }));
  EXPECT_TRUE(texts.isEmpty()) << texts.join(u'|').toStdString();

  // Off the screen's middle, with room around it for the boxes.
  window.setGeometry(0, 0, 760, 520);
  window.show();
  // No printer, and nothing on USB at all: how to try the program without one.
  ASSERT_TRUE(test::Eventually([&] { return texts.size() == 2; }, 30000));
  EXPECT_TRUE(texts[0].startsWith(QStringLiteral("Unsuccessfully to open the serial port")));
  EXPECT_TRUE(texts[1].contains(QStringLiteral("Q5300_DEVICE=virtual")));
  for (const QPoint offset : offsets) {
    // The test platform puts a dialog's frame where a window system puts the dialog.
    EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << "," << offset.y();
  }
  // The window stays usable: a page can be added.
  window.action(Command::Add)->trigger();
  EXPECT_EQ(window.bench().document.grid().rowCount(), 2);
}

TEST(WindowStart, ALabelFileNamedAtStartOpensInPlaceOfTheEmptyPage) {
  q5300::test::TempDir dir;
  const std::string file = (dir.path() / "job.qxk").string();
  {
    test::WindowRig saving;
    saving.bench().pages.CommitCellEdit(0, Line1Column, u"케이블 A", false);
    saving.op.files = {file};
    saving.bench().files.Save();
  }
  test::WindowRig rig(QString::fromStdString(file));
  ASSERT_TRUE(test::Eventually(
      [&] { return rig.document().grid().CellText(0, Line1Column) == u"케이블 A"; }));
  EXPECT_EQ(rig.document().grid().rowCount(), 1);
  EXPECT_FALSE(rig.document().modified());
  EXPECT_TRUE(rig.op.asked.empty());
  EXPECT_TRUE(rig.op.told.empty());

  // The opened job is where its history starts: Ctrl+Z has nothing to take back,
  // and the job stays the file's, saved, under its name.
  EXPECT_FALSE(rig.window->undoAction()->isEnabled());
  rig.grid()->setFocus();
  QTest::keyClick(rig.grid(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(rig.document().grid().CellText(0, Line1Column), u"케이블 A");
  EXPECT_EQ(rig.document().jobPath(), file);
  EXPECT_FALSE(rig.window->isWindowModified());
  EXPECT_TRUE(rig.window->windowTitle().startsWith(QStringLiteral("job.qxk")));

  // Open of the toolbar on the job it starts with: the same.
  test::WindowRig fresh;
  fresh.op.files = {file};
  fresh.window->action(Command::Open)->trigger();
  ASSERT_EQ(fresh.document().grid().CellText(0, Line1Column), u"케이블 A");
  EXPECT_FALSE(fresh.document().canUndo());
  // A job with the operator's work in it is kept to come back to.
  fresh.bench().pages.CommitCellEdit(0, Line1Column, u"mine", false);
  fresh.op.files = {file};
  fresh.op.yesNo = {true};
  fresh.window->action(Command::Open)->trigger();
  ASSERT_TRUE(fresh.document().canUndo());
  fresh.window->undoAction()->trigger();
  EXPECT_EQ(fresh.document().grid().CellText(0, Line1Column), u"mine");
}

}  // namespace
}  // namespace q5300::ui
