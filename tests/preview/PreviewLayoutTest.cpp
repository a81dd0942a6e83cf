#include "preview/PreviewLayout.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "PreviewJob.h"

namespace q5300 {
namespace {

using testing::PreviewJob;

std::vector<std::u16string> Texts(const PreviewLayout& layout, int page) {
  std::vector<std::u16string> texts;
  for (int64_t k = 0; k < layout.LabelCount(page); ++k) texts.push_back(layout.Label(page, k).text);
  return texts;
}

std::vector<int> Values(const PreviewLayout& layout, int page) {
  std::vector<int> values;
  for (int64_t k = 0; k < layout.LabelCount(page); ++k) {
    values.push_back(layout.Label(page, k).value.value_or(-1));
  }
  return values;
}

TEST(PreviewLabels, RepeatModesOrderTheCopiesOfANumberedPage) {
  struct Case {
    uint8_t mode;
    std::vector<int> values;
    std::vector<int64_t> repetitions;
  };
  const Case cases[] = {
      {Continuous, {1, 1, 2, 2, 3, 3}, {0, 1, 0, 1, 0, 1}},
      {Sequential, {1, 2, 3, 1, 2, 3}, {0, 0, 0, 1, 1, 1}},
  };
  for (const Case& c : cases) {
    PreviewJob job;
    job.settings.repeatMode = c.mode;
    job.AddNumbered("N\x12", &PageRecord::numNumber, "1", "3", 2);
    const PreviewLayout layout = job.Layout();
    ASSERT_EQ(layout.LabelCount(0), 6);
    EXPECT_EQ(Values(layout, 0), c.values);
    std::vector<int64_t> repetitions;
    for (int64_t k = 0; k < 6; ++k) repetitions.push_back(layout.Label(0, k).repetition);
    EXPECT_EQ(repetitions, c.repetitions);
    EXPECT_EQ(layout.Label(0, 2).text, c.mode == Continuous ? u"N2" : u"N3");
  }
}

TEST(PreviewLabels, EveryNumberingKindWritesItsDigits) {
  struct Case {
    uint8_t PageRecord::*flag;
    const char* start;
    const char* end;
    std::vector<std::u16string> texts;
  };
  const Case cases[] = {
      {&PageRecord::numNumber, "5", "3", {u"#5", u"#4", u"#3"}},  // a descending run
      {&PageRecord::numNumber, "9", "10", {u"#9", u"#10"}},
      {&PageRecord::numNumber, "99", "100", {u"#99", u"#100"}},
      {&PageRecord::numFixed, "7", "8", {u"#007", u"#008"}},
      {&PageRecord::numHex2, "254", "255", {u"#FE", u"#FF"}},
      {&PageRecord::numHex1, "9", "10", {u"#9", u"#A"}},
      {&PageRecord::numUpper, "Y", "Z", {u"#Y", u"#Z"}},
      {&PageRecord::numLower, "c", "a", {u"#c", u"#b", u"#a"}},
  };
  for (const Case& c : cases) {
    PreviewJob job;
    job.AddNumbered("#\x14", c.flag, c.start, c.end);
    EXPECT_EQ(Texts(job.Layout(), 0), c.texts) << c.start << ".." << c.end;
  }
}

TEST(PreviewLabels, NumberedPageWithoutPlaceholderRepeatsItsText) {
  PreviewJob job;
  PageRecord& r = job.AddNumbered("AB", &PageRecord::numNumber, "1", "3", 2);
  ASSERT_EQ(r.numCount, 3);
  const PreviewLayout layout = job.Layout();
  EXPECT_EQ(Texts(layout, 0), std::vector<std::u16string>(6, u"AB"));
  EXPECT_FALSE(layout.Label(0, 5).value.has_value());
}

TEST(PreviewLabels, PagesWithoutLabelsStillCarryTheMarker) {
  PreviewJob job;
  job.Add("A");
  PageRecord& unchecked = job.Add("B");
  unchecked.isChecked = 0;
  unchecked.isCurrent = 1;
  job.Add("");  // an empty page
  job.Add("C");
  const PreviewLayout layout = job.Layout();
  EXPECT_EQ(layout.LabelCount(1), 0);
  EXPECT_EQ(layout.LabelCount(2), 0);
  // "A" is 10 pixels wide: cursor 10, box 14..24, tick 28.
  EXPECT_EQ(layout.PageStart(1), 28);
  EXPECT_EQ(layout.PageStart(3), 28);
  EXPECT_EQ(layout.currentPageX(), 8);
  EXPECT_EQ(layout.VisibleMarkers(0, 100), std::vector<int64_t>{28});
  EXPECT_EQ(layout.contentWidth(), 28 + 18 + 10);

  PreviewJob empty;
  EXPECT_EQ(empty.Layout().contentWidth(), 20);
  EXPECT_FALSE(empty.Layout().currentPageX().has_value());
}

TEST(PreviewLabels, PageWithoutFontSizeTakesTheSizeOfThePageDrawnBefore) {
  PreviewJob job;
  const struct {
    uint8_t fontSize;
    bool checked;
    int expected;  // character pixels at 96 dpi; -1 for a page not drawn
  } pages[] = {{0, true, 9},  {6, true, 20}, {0, true, 20}, {1, false, -1},
               {9, true, 20}, {1, true, 5},  {0, true, 5}};
  for (const auto& p : pages) {
    PageRecord& r = job.Add("X");
    r.fontSize = p.fontSize;
    r.isChecked = p.checked ? 1 : 0;
  }
  const PreviewLayout layout = job.Layout();
  for (int i = 0; i < layout.pageCount(); ++i) {
    if (pages[i].expected < 0) {
      EXPECT_EQ(layout.LabelCount(i), 0);
      continue;
    }
    const VisibleLabel label = layout.LabelAt(i, 0, 50);
    EXPECT_EQ(label.characterPixels, pages[i].expected) << "page " << i;
    // The fixed measure makes the line as high as the characters.
    EXPECT_EQ(label.box.bottom - label.box.top, pages[i].expected);
  }
}

TEST(PreviewLabels, BoxesAndTicksFollowEachOther) {
  PreviewJob job;
  job.Add("ABC").repeatCount = 2;
  PageRecord& set = job.Add("ABCDEFGHIJKLMNOP");  // 160 pixels of text in a 20 mm box
  set.autoLength = 0;
  set.limitDots = 240;
  job.Add(
         "AB\x1A"
         "CDE")
      .frame = 'F';
  const PreviewLayout layout = job.Layout();
  const int mid = 50;

  const VisibleLabel first = layout.LabelAt(0, 0, mid);
  // Font size 4 at 96 dpi: trunc(40 * 96 / 300) = 12 pixels.
  EXPECT_EQ(first.box, (LabelBox{14, mid - 6, 44, mid + 6}));
  EXPECT_EQ(first.tickX, 48);
  EXPECT_EQ(layout.LabelAt(0, 1, mid).box.left, 52);  // 4 pixels right of the tick

  const VisibleLabel setLength = layout.LabelAt(1, 0, mid);
  EXPECT_EQ(setLength.box.left, 90);
  EXPECT_EQ(setLength.box.right - setLength.box.left, 240 * 96 / 300);

  const VisibleLabel twoLines = layout.LabelAt(2, 0, mid);
  EXPECT_TRUE(twoLines.twoLineBox);
  EXPECT_EQ(twoLines.line1, u"AB");
  EXPECT_EQ(twoLines.line2, u"CDE");
  EXPECT_EQ(twoLines.box.right - twoLines.box.left, 30);  // the wider line
  EXPECT_EQ(twoLines.box.top, mid - 12);
  EXPECT_EQ(twoLines.box.bottom, mid + 12);
  EXPECT_EQ(twoLines.frame, 'F');
  EXPECT_EQ(layout.contentWidth(), twoLines.tickX + 10);
}

TEST(PreviewLabels, TwoLinePageWithoutSeparatorDrawsOneLine) {
  PreviewJob job;
  job.Add("ABCD").twoLines = 1;
  const VisibleLabel label = job.Layout().LabelAt(0, 0, 50);
  EXPECT_FALSE(label.twoLineBox);
  EXPECT_EQ(label.line1, u"ABCD");
  EXPECT_EQ(label.box.top, 50 - 12 / 2);
}

TEST(PreviewLabels, TextIsTrimmedBeforeTheNumberGoesIn) {
  PreviewJob job;
  job.AddNumbered("  \x12 A ", &PageRecord::numNumber, "1", "1");
  const PreviewLayout layout = job.Layout();
  EXPECT_EQ(layout.Label(0, 0).text, u"1 A");
}

TEST(PreviewLabels, LayoutOutlivesTheRecordsItWasTakenFrom) {
  std::optional<PreviewLayout> layout;
  {
    PreviewJob job;
    job.AddNumbered("N\x12", &PageRecord::numNumber, "1", "3");
    layout.emplace(job.Layout());
    job.pages.Clear();
  }
  EXPECT_EQ(layout->Label(0, 2).text, u"N3");
  EXPECT_EQ(layout->VisibleLabels(0, 1000, 50).size(), 3u);
}

TEST(PreviewLabels, VisibleLabelsTakeTheTickOnTheLeftEdge) {
  PreviewJob job;
  job.Add("AB").repeatCount = 5;  // cursors 10, 38, 66, 94, 122; ticks 28 further
  const PreviewLayout layout = job.Layout();
  const auto indexes = [&](int64_t x0, int64_t x1) {
    std::vector<int64_t> out;
    for (const VisibleLabel& l : layout.VisibleLabels(x0, x1, 50)) out.push_back(l.index);
    return out;
  };
  EXPECT_EQ(indexes(66, 67), (std::vector<int64_t>{1, 2}));  // label 1's tick is at 66
  EXPECT_EQ(indexes(67, 94), (std::vector<int64_t>{2}));
  EXPECT_EQ(indexes(0, 10), std::vector<int64_t>{});
  EXPECT_EQ(indexes(150, 1000), (std::vector<int64_t>{4}));
  EXPECT_EQ(indexes(151, 1000), std::vector<int64_t>{});
}

}  // namespace
}  // namespace q5300
