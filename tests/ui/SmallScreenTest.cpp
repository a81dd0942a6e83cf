// The window fits the screens people have: 1280 x 720, and 1600 x 1000 at twice
// the scale (800 x 500 points), each with room for a title bar and a panel.
// Shrunk to its smallest, every command stays within reach.
#include <gtest/gtest.h>

#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "WindowRig.h"
#include "ui/MediaBar.h"
#include "ui/PreviewStrip.h"
#include "ui/PagePanel.h"

namespace q5300::ui::test {
namespace {

// True when `widget` shows, wholly inside the window's client area.
bool InsideWindow(QWidget* widget, QWidget* window) {
  if (!widget->isVisible()) return false;
  const QRect area(widget->mapTo(window, QPoint(0, 0)), widget->size());
  return window->rect().contains(area);
}

TEST(SmallScreen, TheSmallestWindowFitsTwiceTheScaleOnSixteenHundredByThousand) {
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  const QSize smallest = rig.window->minimumSizeHint();
  EXPECT_LE(smallest.width(), 800);
  EXPECT_LE(smallest.height(), 440);
}

TEST(SmallScreen, AtItsSmallestEveryCommandAndTheStatusLineAreWithinReach) {
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  for (int i = 0; i < 12; ++i) rig.bench().pages.Add();
  rig.window->resize(rig.window->minimumSizeHint());
  QTest::qWait(50);
  QWidget* window = rig.window.get();
  ASSERT_LE(window->width(), 800);
  ASSERT_LE(window->height(), 440);

  // Commands that do not fit on the toolbar are behind its extension button.
  auto* bar = window->findChild<QToolBar*>(QStringLiteral("toolbar"));
  auto* more = bar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
  int hidden = 0;
  for (QAction* action : bar->actions()) {
    if (action->isSeparator()) continue;
    QWidget* button = bar->widgetForAction(action);
    if (button == nullptr || !InsideWindow(button, window)) ++hidden;
  }
  if (hidden > 0) {
    ASSERT_NE(more, nullptr);
    EXPECT_TRUE(InsideWindow(more, window)) << hidden << " commands out of reach";
  }
  EXPECT_TRUE(InsideWindow(rig.window->mediaBar()->copies(), window));
  EXPECT_EQ(rig.window->mediaBar()->rows(), 2);
  EXPECT_TRUE(InsideWindow(rig.window->pageStatus(), window));
  EXPECT_TRUE(InsideWindow(rig.window->jobStatus(), window));
  EXPECT_TRUE(InsideWindow(rig.window->preview(), window));
  EXPECT_GE(rig.window->preview()->height(), 100);
  // The grid shows a few rows and scrolls to the others.
  EXPECT_GE(rig.grid()->viewport()->height(), 3 * rig.grid()->rowHeight(0));
  // The page panel scrolls to its last control.
  QScrollArea* panel = rig.window->pagePanelScroll();
  EXPECT_TRUE(InsideWindow(panel, window));
  EXPECT_GT(panel->verticalScrollBar()->maximum(), 0);
  panel->ensureWidgetVisible(rig.window->pagePanel()->sequential());
  EXPECT_TRUE(panel->viewport()->rect().contains(
      QRect(rig.window->pagePanel()->sequential()->mapTo(panel->viewport(), QPoint(0, 0)),
            rig.window->pagePanel()->sequential()->size())));
}

TEST(SmallScreen, ALargeWindowShowsTheWholePanelAndTheMediaBarInOneRow) {
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  rig.window->resize(1400, 900);
  QTest::qWait(50);
  EXPECT_EQ(rig.window->mediaBar()->rows(), 1);
  EXPECT_EQ(rig.window->pagePanelScroll()->verticalScrollBar()->maximum(), 0);
  // The grid is as high as the panel; the preview strip takes what is left.
  EXPECT_EQ(rig.grid()->height(), rig.window->pagePanel()->sizeHint().height());
  EXPECT_GT(rig.window->preview()->height(), 110);
}

}  // namespace
}  // namespace q5300::ui::test
