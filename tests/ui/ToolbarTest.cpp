// The toolbar's commands reach their handlers; closing never loses work by a
// slip; the window stays live while a print's final message stands.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTimer>
#include <QToolBar>
#include <filesystem>
#include <functional>

#include "WindowRig.h"
#include "printer/TempDir.h"
#include "ui/MediaBar.h"
#include "ui/StatusPopupWindow.h"
#include "ui/PagePanel.h"

namespace q5300::ui::test {
namespace {

void Press(MainWindow& window, Command command) {
  auto* bar = window.findChild<QToolBar*>(QStringLiteral("toolbar"));
  ASSERT_NE(bar, nullptr);
  QWidget* button = bar->widgetForAction(window.action(command));
  ASSERT_NE(button, nullptr);
  QTest::mouseClick(button, Qt::LeftButton);
}

TEST(Toolbar, TwelveCommandsWithTheirCaptionsInOrder) {
  WindowRig rig;
  auto* bar = rig.window->findChild<QToolBar*>(QStringLiteral("toolbar"));
  ASSERT_NE(bar, nullptr);
  QStringList captions;
  for (QAction* action : bar->actions()) {
    if (!action->isSeparator()) captions << action->text();
  }
  EXPECT_EQ(captions.join(u'|'), QStringLiteral("열기|저장|가져오기|추가|삭제|윗첨자|아래첨자|"
                                                "미리보기|인쇄|전기기호|SaveU|나가기"));
  EXPECT_EQ(bar->iconSize(), QSize(32, 32));
  EXPECT_EQ(bar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
}

TEST(Toolbar, EveryCommandReachesItsHandler) {
  struct Case {
    Command command;
    std::function<void(WindowRig&)> before;
    std::function<bool(WindowRig&)> done;
  };
  auto nothing = [](WindowRig&) {};
  auto oneDialog = [](WindowRig& r) { return r.op.dialogs.size() == 1; };
  const Case cases[] = {
      {Command::Open, nothing, oneDialog},
      {Command::Save, nothing, oneDialog},
      {Command::SaveU, nothing, oneDialog},
      {Command::Import, nothing,
       [](WindowRig& r) { return r.op.dialogs.size() == 1 && r.op.told.size() == 1; }},
      {Command::Add, nothing, [](WindowRig& r) { return r.document().grid().rowCount() == 2; }},
      {Command::Delete, [](WindowRig& r) { r.bench().pages.Add(); },
       [](WindowRig& r) { return r.document().grid().rowCount() == 1; }},
      {Command::Superscript, nothing,
       [](WindowRig& r) { return r.document().grid().CellText(0, Line1Column) == u"\uE051"; }},
      {Command::Subscript, nothing,
       [](WindowRig& r) { return r.document().grid().CellText(0, Line1Column) == u"\uE052"; }},
      {Command::Preview, nothing, [](WindowRig& r) { return r.document().previewShown(); }},
      {Command::Print, [](WindowRig& r) { r.Line1(u"A"); },
       [](WindowRig& r) { return r.printer->packets().size() == 1; }},
      {Command::Symbols, nothing, [](WindowRig& r) { return r.op.pickerRuns == 1; }},
      {Command::Exit, nothing, [](WindowRig& r) { return !r.window->isVisible(); }},
  };
  for (const Case& c : cases) {
    WindowRig rig;
    ASSERT_TRUE(rig.shown);
    c.before(rig);
    QSignalSpy run(rig.window.get(), &MainWindow::commandRun);
    Press(*rig.window, c.command);
    ASSERT_EQ(run.count(), 1) << static_cast<int>(c.command);
    EXPECT_EQ(run.at(0).at(0).value<Command>(), c.command);
    EXPECT_TRUE(Eventually([&] { return c.done(rig); })) << static_cast<int>(c.command);
  }
}

TEST(Closing, EscapeLeavesTheWindowOpen) {
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  rig.Line1(u"work");
  for (QWidget* target :
       {static_cast<QWidget*>(rig.window.get()), static_cast<QWidget*>(rig.grid()),
        static_cast<QWidget*>(rig.window->mediaBar())}) {
    QTest::keyClick(target, Qt::Key_Escape);
  }
  QTest::qWait(10);
  EXPECT_TRUE(rig.window->isVisible());
  EXPECT_TRUE(rig.op.asked.empty());
}

TEST(Closing, TheCloseBoxAndExitAskBeforeUnsavedWorkIsLost) {
  q5300::test::TempDir dir;
  const std::filesystem::path file = dir.path() / "job.qxk";
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  rig.Line1(u"work");

  rig.op.saveAnswers = {SaveAnswer::Stay};
  EXPECT_FALSE(rig.window->close());
  EXPECT_TRUE(rig.window->isVisible());
  // The save dialog cancelled: nothing saved, nothing closed.
  rig.op.saveAnswers = {SaveAnswer::Save};
  Press(*rig.window, Command::Exit);
  EXPECT_TRUE(rig.window->isVisible());
  // Exit reads the panel's edits first: an empty length keeps the window, without a question.
  rig.window->pagePanel()->lengthEdit()->selectAll();
  QTest::keyClick(rig.window->pagePanel()->lengthEdit(), Qt::Key_Backspace);
  Press(*rig.window, Command::Exit);
  EXPECT_TRUE(rig.window->isVisible());
  EXPECT_EQ(rig.op.asked.size(), 2u);
  ASSERT_EQ(rig.op.told.size(), 1u);
  EXPECT_EQ(rig.op.told[0].text, "Please enter a number.");
  QTest::keyClicks(rig.window->pagePanel()->lengthEdit(), QStringLiteral("20"));

  rig.op.saveAnswers = {SaveAnswer::Save};
  rig.op.files = {file.string()};
  Press(*rig.window, Command::Exit);
  EXPECT_FALSE(rig.window->isVisible());
  EXPECT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(rig.op.asked.size(), 3u);
  EXPECT_EQ(rig.op.asked.back().text, "변경된 내용이 저장되지 않았습니다. 저장하시겠습니까?");

  WindowRig other;
  other.Line1(u"thrown away");
  other.op.saveAnswers = {SaveAnswer::Discard};
  EXPECT_TRUE(other.window->close());
}

TEST(Printing, TheWindowKeepsWorkingWhileTheFinalMessageStands) {
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  rig.Line1(u"A");
  Press(*rig.window, Command::Print);
  // The printer's work runs beside the window; its report comes back on the event loop.
  ASSERT_TRUE(Eventually(
      [&] { return rig.bench().printing.phase() == PrintController::Phase::FinalMessage; }));
  EXPECT_TRUE(rig.window->statusPopup()->isVisible());
  EXPECT_TRUE(rig.window->statusPopup()->label()->text().startsWith(QStringLiteral("모든 인쇄")));
  // The status line names the printer the job went to.
  EXPECT_EQ(rig.window->printerNote()->text(), QStringLiteral("Printer: the virtual printer."));

  bool looped = false;
  QTimer::singleShot(0, [&] { looped = true; });
  EXPECT_TRUE(Eventually([&] { return looped; }));
  Press(*rig.window, Command::Add);
  EXPECT_EQ(rig.document().grid().rowCount(), 2);
  EXPECT_EQ(rig.bench().printing.phase(), PrintController::Phase::FinalMessage);
  EXPECT_TRUE(rig.window->statusPopup()->isVisible());
  EXPECT_TRUE(rig.op.told.empty());
}

}  // namespace
}  // namespace q5300::ui::test
