// The preview strip with the largest job the printer takes: scrolling over a
// drawing billions of pixels wide and following the current page.
#include <gtest/gtest.h>

#include <QImage>
#include <QScrollBar>
#include <QTest>

#include "preview/PreviewGeometry.h"
#include "ui/PreviewStrip.h"
#include "ui/Theme.h"

namespace q5300::ui {
namespace {

// 200 pages, each 200 copies of the numbers 0 to 999: 40 million labels.
PreviewSnapshot LargestJob(int currentPage) {
  PreviewSnapshot snapshot;
  PreviewPage page;
  page.checked = page.hasText = page.hasNumbering = true;
  page.text = u"\uCC28\uB2E8\uAE30 7-\x12";
  page.fontSize = 4;
  page.repeatCount = 200;
  page.kind = NumberKind::Number;
  page.run = {0, 999};
  page.numCount = 1000;
  snapshot.pages.assign(200, page);
  if (currentPage >= 0) snapshot.pages[static_cast<std::size_t>(currentPage)].current = true;
  return snapshot;
}

class LargestJobStrip : public ::testing::Test {
 protected:
  void SetUp() override {
    view.resize(1000, 110);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  }
  int64_t Width() const { return view.surface()->width(); }
  int64_t LastPosition() const { return view.layout().contentWidth() - Width(); }
  QImage Shown() const { return view.surface()->grab().toImage(); }
  int Mid() const {
    return BandGeometry(view.dpi(), view.mediaWidthMm(), view.surface()->height()).mid;
  }

  q5300::ui::PreviewStrip view;
};

bool IsInk(QRgb c) {
  return std::max({qRed(c), qGreen(c), qBlue(c)}) < 128;
}

TEST_F(LargestJobStrip, ScrollBarCoversADrawingBillionsOfPixelsWideInStripPixels) {
  view.SetPreviewPages(LargestJob(0));
  const PreviewLayout& layout = view.layout();
  ASSERT_EQ(layout.TotalLabels(), 40'000'000);
  ASSERT_GT(layout.contentWidth(), int64_t{1} << 32);
  QScrollBar& bar = *view.scrollBar();
  EXPECT_LE(bar.maximum(), ScrollBarScale::MaxBarValue);
  EXPECT_GT(bar.maximum(), ScrollBarScale::MaxBarValue / 2);

  // Steps are strip pixels: a tenth of the strip, one pixel.
  bar.triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(view.position(), Width() / 10);
  bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(view.position(), Width() / 10 + 1);
  bar.triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(view.position(), Width() / 10);

  // The thumb (or the wheel over the bar) at half way shows the middle of the job.
  const int64_t unit = ScrollBarScale(StripScrollRange(layout.contentWidth(), Width())).unit;
  bar.setValue(bar.maximum() / 2);
  EXPECT_NEAR(static_cast<double>(view.position()), static_cast<double>(LastPosition() / 2),
              static_cast<double>(unit));

  bar.triggerAction(QAbstractSlider::SliderToMaximum);
  EXPECT_EQ(view.position(), LastPosition());
  EXPECT_EQ(bar.value(), bar.maximum());
  // A page step that would pass the end does nothing; a line step back is one pixel.
  bar.triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(view.position(), LastPosition());
  bar.triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(view.position(), LastPosition() - 1);
  bar.triggerAction(QAbstractSlider::SliderToMinimum);
  EXPECT_EQ(view.position(), 0);
  EXPECT_EQ(bar.value(), 0);
}

TEST_F(LargestJobStrip, ScrollingToTheEndShowsTheJobsLastLabel) {
  view.SetPreviewPages(LargestJob(0));
  view.scrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
  ASSERT_EQ(view.position(), LastPosition());

  const PreviewLayout& layout = view.layout();
  const VisibleLabel last = layout.LabelAt(199, layout.LabelCount(199) - 1, Mid());
  EXPECT_EQ(last.content.text, u"\uCC28\uB2E8\uAE30 7-999");
  const int tick = static_cast<int>(last.tickX - view.position());
  const int boxLeft = static_cast<int>(last.box.left - view.position());
  ASSERT_GE(boxLeft, 0);

  // The last tick, the room after it with the band's end, and the label's text.
  const QImage shown = Shown();
  const int mid = Mid();
  EXPECT_EQ(tick, shown.width() - EndRoom);
  EXPECT_TRUE(IsInk(shown.pixel(tick, mid)));
  EXPECT_EQ(shown.pixel(tick + 1, mid), qRgb(255, 255, 0));
  EXPECT_EQ(shown.pixel(shown.width() - BandInset, mid), ApplicationBackground.rgb());
  int ink = 0;
  for (int x = boxLeft; x < tick; ++x) {
    for (int y = last.box.top; y < last.box.bottom; ++y) ink += IsInk(shown.pixel(x, y)) ? 1 : 0;
  }
  EXPECT_GT(ink, 20);
}

TEST_F(LargestJobStrip, FollowingPutsTheCurrentPagesMarkerTwentyPixelsFromTheLeftEdge) {
  for (const int page : {150, 199, 7}) {
    SCOPED_TRACE(page);
    view.SetPreviewPages(LargestJob(page));
    view.FollowCurrentPage();
    EXPECT_EQ(view.position(), view.layout().PageStart(page) - MarkerLead);

    const QImage shown = Shown();
    for (int x = MarkerLead; x <= MarkerLead + MarkerWidth; ++x) {
      EXPECT_TRUE(IsInk(shown.pixel(x, MarkerTop))) << x;
    }
    EXPECT_FALSE(IsInk(shown.pixel(MarkerLead - 1, MarkerTop)));
    EXPECT_EQ(shown.pixel(MarkerLead + MarkerWidth / 2, MarkerTop + 4), qRgb(255, 0, 0));
    EXPECT_TRUE(IsInk(shown.pixel(MarkerLead + MarkerWidth / 2, MarkerBottom)));
  }
}

TEST_F(LargestJobStrip, FollowsOnItsOwnOnlyWhenTheDrawingIsWiderThanTheStrip) {
  PreviewSnapshot small;
  PreviewPage page;
  page.checked = page.hasText = page.current = true;
  page.text = u"MCC-1";
  page.repeatCount = 3;
  small.pages.push_back(page);
  view.SetPreviewPages(small);
  view.FollowCurrentPage();
  EXPECT_EQ(view.position(), 0);
  EXPECT_EQ(view.scrollBar()->maximum(), 0);

  // The strip's own timer brings a far page into view.
  view.SetPreviewPages(LargestJob(120));
  const int64_t target = view.layout().PageStart(120) - MarkerLead;
  for (int waits = 0; waits < 150 && view.position() != target; ++waits) QTest::qWait(20);
  EXPECT_EQ(view.position(), target);
}

}  // namespace
}  // namespace q5300::ui
