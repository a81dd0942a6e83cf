// The preview's marker stands on the current page: it follows every click and
// key that makes another row current, without waiting for the preview command.
#include <gtest/gtest.h>

#include "WindowRig.h"
#include "ui/PreviewStrip.h"

namespace q5300::ui::test {
namespace {

// The page whose start the preview's marker points at, or -1.
int MarkedPage(WindowRig& rig) {
  const PreviewLayout& layout = rig.window->preview()->layout();
  const std::vector<int64_t> markers = layout.VisibleMarkers(0, INT64_MAX / 4);
  if (markers.size() != 1) return -1;
  for (int page = 0; page < rig.document().grid().rowCount(); ++page) {
    if (layout.PageStart(page) == markers[0]) return page;
  }
  return -1;
}

TEST(PreviewMarker, FollowsTheCurrentRow) {
  WindowRig rig;
  ASSERT_TRUE(rig.shown);
  for (int row = 0; row < 4; ++row) {
    if (row > 0) rig.bench().pages.Add();
    rig.bench().pages.CommitCellEdit(row, Line1Column, u"W-" + std::u16string(1, static_cast<char16_t>(u'1' + row)),
                                     false);
  }
  rig.window->action(Command::Preview)->trigger();
  ASSERT_TRUE(rig.document().previewShown());
  ASSERT_EQ(MarkedPage(rig), rig.document().currentPageIndex());

  for (const int row : {0, 2, 1, 3}) {
    rig.Click(row, PageColumn);
    EXPECT_EQ(MarkedPage(rig), row) << "after a click on row " << row;
  }
  rig.grid()->setFocus();
  QTest::keyClick(rig.grid(), Qt::Key_Up);
  ASSERT_TRUE(Eventually([&] { return rig.document().currentPageIndex() == 2; }));
  EXPECT_EQ(MarkedPage(rig), 2) << "after the up key";
}

}  // namespace
}  // namespace q5300::ui::test
