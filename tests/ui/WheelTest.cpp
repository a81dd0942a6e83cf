// A wheel turned over the page panel or the media bar scrolls the panel and
// changes no page: a combo box or spin box takes the wheel only while it has
// the focus, which a wheel turn does not give it.
#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include "WindowRig.h"

namespace q5300::ui::test {
namespace {

// One notch of the wheel, towards the user (down the panel), over the middle of `widget`.
void TurnWheel(QWidget* widget) {
  const QPointF at = QRectF(widget->rect()).center();
  QWheelEvent turn(at, widget->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(widget, &turn);
}

// What a box shows.
QString ValueOf(QWidget* box) {
  if (auto* combo = qobject_cast<QComboBox*>(box)) return combo->currentText();
  return qobject_cast<QAbstractSpinBox*>(box)->text();
}

TEST(Wheel, OverABoxNobodyClickedItScrollsThePanelAndChangesNothing) {
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  // Low enough that the page panel scrolls.
  rig.window->resize(1280, 600);
  ASSERT_TRUE(Eventually([&] { return rig.window->height() == 600; }));
  QScrollBar* panelBar = rig.window->pagePanelScroll()->verticalScrollBar();
  ASSERT_GT(panelBar->maximum(), 0) << "the panel does not scroll at this height";

  std::vector<QWidget*> boxes;
  for (QComboBox* box : rig.window->findChildren<QComboBox*>()) boxes.push_back(box);
  for (QAbstractSpinBox* box : rig.window->findChildren<QAbstractSpinBox*>()) {
    boxes.push_back(box);
  }
  ASSERT_GE(boxes.size(), 11u);  // the media bar's seven and the page panel's four
  rig.grid()->setFocus();
  const std::vector<Page> pagesBefore(rig.document().pages().begin(), rig.document().pages().end());
  const JobSettings settingsBefore = rig.document().job().settings;
  const auto unchanged = [&] {
    return rig.document().job().settings == settingsBefore &&
           std::equal(pagesBefore.begin(), pagesBefore.end(), rig.document().pages().begin(),
                      rig.document().pages().end());
  };
  for (QWidget* box : boxes) {
    if (!box->isVisible()) continue;
    SCOPED_TRACE(box->objectName().toStdString());
    // Qt gives a box that takes the focus by the wheel the focus as soon as a
    // real turn (one the window system delivers) reaches it, before the box or
    // any filter sees the turn, which then changes its value; the turns sent
    // here are never given that. So no box takes the focus by the wheel.
    EXPECT_EQ(box->focusPolicy(), Qt::StrongFocus);
    const QString value = ValueOf(box);
    const bool inPanel = rig.window->pagePanelScroll()->isAncestorOf(box);
    panelBar->setValue(0);
    TurnWheel(box);
    EXPECT_EQ(ValueOf(box), value);
    EXPECT_FALSE(box->hasFocus());
    if (inPanel) {
      EXPECT_GT(panelBar->value(), 0) << "the panel did not scroll";
    }
  }
  EXPECT_TRUE(unchanged());

  // A box the operator chose takes the wheel.
  QComboBox* frame = rig.window->findChild<QComboBox*>(QStringLiteral("frame"));
  ASSERT_NE(frame, nullptr);
  frame->setFocus();
  ASSERT_TRUE(Eventually([&] { return frame->hasFocus(); }));
  const int index = frame->currentIndex();
  TurnWheel(frame);
  EXPECT_NE(frame->currentIndex(), index);
}

}  // namespace
}  // namespace q5300::ui::test
