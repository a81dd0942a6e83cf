#include "preview/StripScroll.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace q5300 {
namespace {

TEST(StripScroll, StepsThatWouldPassAnEndDoNothing) {
  // A drawing of 3000 pixels in a strip of 1000: positions 0..2000, pages of 100.
  const ScrollRange range = StripScrollRange(3000, 1000);
  ASSERT_EQ(range.maximum, 2000);
  ASSERT_EQ(range.pageSize, 100);
  const struct {
    int64_t from;
    ScrollAction action;
    int64_t drag;
    int64_t to;
  } cases[] = {
      {500, ScrollAction::LineLeft, 0, 499},    {500, ScrollAction::LineRight, 0, 501},
      {0, ScrollAction::LineLeft, 0, 0},        {2000, ScrollAction::LineRight, 0, 2000},
      {500, ScrollAction::PageLeft, 0, 400},    {1900, ScrollAction::PageRight, 0, 2000},
      {1950, ScrollAction::PageRight, 0, 1950}, {50, ScrollAction::PageLeft, 0, 50},
      {500, ScrollAction::Drag, 1234, 1234},    {500, ScrollAction::Drag, 9999, 2000},
      {500, ScrollAction::Drag, -3, 0},         {500, ScrollAction::ToStart, 0, 0},
      {500, ScrollAction::ToEnd, 0, 2000},      {500, ScrollAction::Released, 0, 500},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ScrollTo(range, c.from, c.action, c.drag), c.to)
        << c.from << " action " << static_cast<int>(c.action);
  }
  EXPECT_EQ(StripScrollRange(800, 1000).maximum, 0);
}

TEST(StripScroll, FollowsTheCurrentPageWhenTheDrawingChanges) {
  FollowMemory memory;
  NoteCurrentPage(memory, 4000);
  EXPECT_EQ(FollowCurrentPage(memory, 900, 1000), std::nullopt);  // fits into the strip
  EXPECT_EQ(FollowCurrentPage(memory, 9000, 1000), 4000);
  EXPECT_EQ(FollowCurrentPage(memory, 9000, 1000), std::nullopt);  // nothing changed since
  NoteCurrentPage(memory, std::nullopt);  // no current page: the last one's position stays
  EXPECT_EQ(FollowCurrentPage(memory, 9000, 1000), std::nullopt);
  NoteCurrentPage(memory, 8500);
  EXPECT_EQ(FollowCurrentPage(memory, 9000, 1000), 8000);  // as far as the range goes
  NoteCurrentPage(memory, -10);                            // the first page
  EXPECT_EQ(FollowCurrentPage(memory, 9000, 1000), 0);

  // Billions of pixels: the position is exact.
  const int64_t huge = int64_t{7} << 40;
  NoteCurrentPage(memory, huge - 5000);
  EXPECT_EQ(FollowCurrentPage(memory, huge, 1920), huge - 5000);
}

TEST(StripScroll, ScrollBarValuesMapToStripPositions) {
  const ScrollBarScale small(StripScrollRange(50'000, 1000));
  EXPECT_EQ(small.unit, 1);
  EXPECT_EQ(small.barMaximum, 49'000);
  EXPECT_EQ(small.barPageStep, 100);
  EXPECT_EQ(small.FromBar(small.ToBar(12'345)), 12'345);

  for (const int64_t content : {(int64_t{1} << 30) + 1921, int64_t{7'000'000'000'000}}) {
    const ScrollRange range = StripScrollRange(content, 1920);
    const ScrollBarScale bar(range);
    EXPECT_GT(bar.unit, 1);
    EXPECT_LE(bar.barMaximum, ScrollBarScale::MaxBarValue);
    EXPECT_GE(bar.barPageStep, 1);
    EXPECT_EQ(bar.FromBar(bar.barMaximum), range.maximum);
    EXPECT_EQ(bar.ToBar(range.maximum), bar.barMaximum);
    EXPECT_EQ(bar.FromBar(0), 0);
    for (const int value : {1, 12'345, bar.barMaximum / 2, bar.barMaximum - 1}) {
      EXPECT_EQ(bar.ToBar(bar.FromBar(value)), value);
      EXPECT_LT(bar.FromBar(value), range.maximum);
    }
    const int64_t position = range.maximum / 3;
    EXPECT_LE(bar.FromBar(bar.ToBar(position)), position);
    EXPECT_GT(bar.FromBar(bar.ToBar(position)), position - bar.unit);
  }
}

}  // namespace
}  // namespace q5300
