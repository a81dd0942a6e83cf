#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "NaiveWalk.h"
#include "preview/PreviewLayout.h"

namespace q5300 {
namespace {

// Digits and A-F share one advance, as in the preview's faces; other characters
// differ, so that letter numbering and mixed texts give labels of many widths.
class VaryingMeasure final : public TextMeasure {
 public:
  Extent Measure(std::u16string_view text, int pixelHeight, bool vertical) override {
    ++calls;
    int width = 0;
    for (const char16_t c : text) {
      const bool digit = (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F');
      width += digit ? 7 : 3 + c % 5;
      if (vertical) width += 2;
    }
    return {width, pixelHeight + 3};
  }
  int calls = 0;
};

PreviewPage RandomPage(std::mt19937& rng) {
  auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
  static const std::u16string Alphabet = u"ab Z\x12\x14\x1A-~";
  PreviewPage page;
  page.checked = pick(0, 5) != 0;
  page.current = pick(0, 6) == 0;
  page.hasText = pick(0, 8) != 0;
  for (int n = pick(0, 6); n > 0; --n) page.text.push_back(Alphabet[pick(0, 9)]);
  page.twoLines = pick(0, 2) == 0;
  page.fontSize = static_cast<uint8_t>(pick(0, 8));
  page.vertical = pick(0, 3) == 0;
  page.frame = "NFL"[pick(0, 2)];
  page.boxLengthDots = pick(0, 2) == 0 ? pick(72, 600) : 0;
  page.repeatCount = pick(0, 3);
  page.hasNumbering = pick(0, 3) != 0;
  page.kind = static_cast<NumberKind>(pick(0, 5));
  // Runs that start or end next to the places where the digit count, the sign or
  // a letter's printability changes.
  static const int Boundaries[] = {-10, 0, 10, 16, 100, 256, 1000, 10000, 0x20, 0x7F, 'a'};
  const int anchor = Boundaries[pick(0, 10)];
  page.run.start = anchor + pick(-14, 14);
  page.run.end = pick(0, 1) == 0 ? anchor + pick(-1, 1) : page.run.start + pick(-14, 14);
  const int straight = static_cast<int>(page.run.StraightLength());
  // Now and then a count that does not match the range, as a stale record has.
  page.numCount = pick(0, 4) == 0 ? pick(0, 30) : straight;
  return page;
}

void ExpectSameStrip(const PreviewLayout& layout, const testing::NaiveStrip& naive) {
  ASSERT_EQ(static_cast<std::size_t>(layout.pageCount()), naive.pageStarts.size());
  EXPECT_EQ(layout.contentWidth(), naive.contentWidth);
  EXPECT_EQ(layout.currentPageX(), naive.currentPageX);
  int64_t total = 0;
  for (int p = 0; p < layout.pageCount(); ++p) {
    EXPECT_EQ(layout.PageStart(p), naive.pageStarts[static_cast<std::size_t>(p)]) << "page " << p;
    total += layout.LabelCount(p);
  }
  ASSERT_EQ(total, static_cast<int64_t>(naive.labels.size()));
  constexpr int Mid = 40;
  for (const testing::NaiveLabel& expected : naive.labels) {
    SCOPED_TRACE(::testing::Message() << "page " << expected.page << " label " << expected.index);
    const VisibleLabel label = layout.LabelAt(expected.page, expected.index, Mid);
    EXPECT_EQ(label.content.text, expected.text);
    EXPECT_EQ(label.content.value, expected.value);
    EXPECT_EQ(label.content.repetition, expected.repetition);
    EXPECT_EQ(layout.LabelX(expected.page, expected.index), expected.cursorX);
    EXPECT_EQ(label.box.right - label.box.left, expected.boxWidth);
    EXPECT_EQ(label.lineHeight, expected.lineHeight);
    EXPECT_EQ(label.characterPixels, expected.characterPixels);
  }
}

void ExpectSameWindows(const PreviewLayout& layout, const testing::NaiveStrip& naive,
                       std::mt19937& rng) {
  const int64_t width = naive.contentWidth;
  std::uniform_int_distribution<int64_t> x(-5, width + 5);
  for (int n = 0; n < 12; ++n) {
    const int64_t x0 = x(rng);
    const int64_t x1 = x0 + std::uniform_int_distribution<int64_t>(1, 120)(rng);
    std::vector<std::pair<int, int64_t>> expected;
    for (const testing::NaiveLabel& l : naive.labels) {
      const int64_t tick = l.cursorX + l.boxWidth + 8;
      if (tick >= x0 && l.cursorX < x1) expected.emplace_back(l.page, l.index);
    }
    std::vector<std::pair<int, int64_t>> actual;
    for (const VisibleLabel& l : layout.VisibleLabels(x0, x1, 40)) {
      actual.emplace_back(l.page, l.index);
    }
    EXPECT_EQ(actual, expected) << "window " << x0 << ".." << x1;
  }
}

TEST(PreviewWalk, LayoutMatchesTheLabelByLabelWalkOnRandomJobs) {
  std::mt19937 rng(20240611);
  for (int job = 0; job < 400; ++job) {
    SCOPED_TRACE(::testing::Message() << "job " << job);
    PreviewSnapshot snapshot;
    snapshot.repeatMode = job % 2 == 0 ? Continuous : Sequential;
    const int pages = std::uniform_int_distribution<int>(0, 6)(rng);
    for (int p = 0; p < pages; ++p) snapshot.pages.push_back(RandomPage(rng));
    const int dpi = job % 3 == 0 ? 120 : 96;
    VaryingMeasure measure;
    const PreviewLayout layout(snapshot, dpi, measure);
    const testing::NaiveStrip naive = testing::NaiveWalk(snapshot, dpi, measure);
    ExpectSameStrip(layout, naive);
    ExpectSameWindows(layout, naive, rng);
    if (::testing::Test::HasFailure()) break;
  }
}

// 200 pages of 200 copies of 0..999: the largest job the printer takes.
PreviewSnapshot LargestJob(uint8_t repeatMode) {
  PreviewSnapshot snapshot;
  snapshot.repeatMode = repeatMode;
  PreviewPage page;
  page.checked = page.hasText = page.hasNumbering = true;
  page.text = u"W-\x12";
  page.fontSize = 4;
  page.repeatCount = 200;
  page.kind = NumberKind::Number;
  page.run = {0, 999};
  page.numCount = 1000;
  snapshot.pages.assign(200, page);
  snapshot.pages.back().current = true;
  return snapshot;
}

TEST(PreviewWalk, LargestJobIsLaidOutFromAFewMeasurements) {
  // One pass: 10 one-digit, 90 two-digit, 900 three-digit numbers after "W-",
  // each label its text plus 8 pixels, at 7 pixels a character.
  int64_t pass = 0;
  for (int v = 0; v < 1000; ++v) {
    const int chars = 2 + (v < 10 ? 1 : v < 100 ? 2 : 3);
    pass += 3 + 'W' % 5 + 3 + '-' % 5 + (chars - 2) * 7 + 8;
  }
  const int64_t page = 200 * pass;
  for (const uint8_t mode : {Continuous, Sequential}) {
    VaryingMeasure measure;
    const PreviewLayout layout(LargestJob(mode), 96, measure);
    EXPECT_LE(measure.calls, 3 * 200);
    EXPECT_EQ(layout.TotalLabels(), 40'000'000);
    EXPECT_EQ(layout.PageStart(100), 10 + 100 * page);
    EXPECT_EQ(layout.PageStart(199), 10 + 199 * page);
    EXPECT_EQ(layout.currentPageX(), 10 + 199 * page - 20);
    EXPECT_EQ(layout.contentWidth(), 10 + 200 * page + 10);

    const LabelContent last = layout.Label(199, 199'999);
    EXPECT_EQ(last.text, u"W-999");
    EXPECT_EQ(last.repetition, 199);
    const int64_t middle = mode == Continuous ? 500 * 200 + 7 : 7 * 1000 + 500;
    EXPECT_EQ(layout.Label(100, middle).text, u"W-500");
    EXPECT_EQ(layout.Label(100, middle).repetition, 7);

    // The strip's last 1920 pixels end with the job's last tick, label after label.
    const int64_t end = layout.contentWidth();
    const std::vector<VisibleLabel> labels = layout.VisibleLabels(end - 1920, end, 40);
    ASSERT_FALSE(labels.empty());
    EXPECT_EQ(labels.back().page, 199);
    EXPECT_EQ(labels.back().index, 199'999);
    EXPECT_EQ(labels.back().tickX, end - 10);
    for (std::size_t i = 1; i < labels.size(); ++i) {
      EXPECT_EQ(labels[i].box.left, labels[i - 1].tickX + 4);
    }
  }
}

}  // namespace
}  // namespace q5300
