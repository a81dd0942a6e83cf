// The media bar as the window drives it: what the boxes show and what reaches the pages.
#include <gtest/gtest.h>

#include <string>

#include "EditingRig.h"

namespace q5300 {
namespace {

using testing::ExpectNoMessage;
using testing::ExpectOneMessage;
using testing::Rig;

void MakeTwoLinePage(Rig& r, int row) {
  r.FontSize(row, 3);
  r.TypeLines(row, u"A", u"B");
}

void ExpectEveryPageCarries(Rig& r, std::string_view material, std::string_view size) {
  for (int i = 0; i < r.Rows(); ++i) {
    EXPECT_EQ(FieldText(r.Page(i).materialCode), material) << i;
    EXPECT_EQ(FieldText(r.Page(i).sizeCode), size) << i;
  }
}

TEST(MediaBar, SmallTubeSizesAreRefusedWhilePagesHaveTwoLines) {
  Rig r;
  r.Pages(3);
  MakeTwoLinePage(r, 1);
  MakeTwoLinePage(r, 2);
  r.bench.panel.SizeChosen(3);
  ExpectNoMessage(r.op);
  EXPECT_EQ(r.bench.document.controls().mediaSize, 3);
  ExpectEveryPageCarries(r, "TUB", "6");

  r.MakeCurrent(0);
  for (const int size : {0, 1}) {
    SCOPED_TRACE(size);
    const Rig::Snapshot before = r.Take();
    r.bench.panel.SizeChosen(size);
    ExpectOneMessage(r.op,
                     "두줄 인쇄를 하기 위한 매체가 적합하지 않습니다. 2 페이지가 두줄로 설정되어 "
                     "있습니다.！");
    EXPECT_EQ(r.bench.document.controls().mediaSize, 3);  // the job's size, unchanged
    r.ExpectUnchanged(before);
  }
  r.bench.panel.SizeChosen(2);
  ExpectNoMessage(r.op);
  EXPECT_EQ(r.bench.document.controls().mediaSize, 2);
  EXPECT_EQ(r.job().settings.mediaSize, 2);
  ExpectEveryPageCarries(r, "TUB", "5");
}

// The size box shows the job's size after a refusal, whatever size a page
// carries (one kept when a file of another size was added after it, or a
// damaged file's).
TEST(MediaBar, ARefusedSizeShowsTheJobsSize) {
  for (const char* carried : {"5", "12"}) {
    SCOPED_TRACE(carried);
    Rig r;
    r.Pages(2);
    MakeTwoLinePage(r, 1);
    r.bench.panel.SizeChosen(3);
    r.MakeCurrent(0);
    r.EditPage(0, [&](PageRecord& p) { p.sizeCode = FixedText<3>(carried); });
    r.bench.panel.SizeChosen(0);
    EXPECT_EQ(r.op.told.size(), 1u);
    EXPECT_EQ(r.bench.document.controls().mediaSize, 3);
    EXPECT_EQ(r.job().settings.mediaSize, 3);
  }
}

TEST(MediaBar, MaterialChangeIsNeverRefused) {
  Rig r;
  MakeTwoLinePage(r, 0);
  r.bench.panel.MaterialChosen(Label);
  r.bench.panel.SizeChosen(2);
  ExpectNoMessage(r.op);
  EXPECT_EQ(r.job().settings.sizeCode, (std::array<char, 3>{'1', '2', 0}));
  ExpectEveryPageCarries(r, "LAB", "12");
  EXPECT_EQ(r.bench.document.controls().mediaSize, 2);

  struct Case {
    int material;
    const char* code;
  } const cases[] = {{Tube, "TUB"}, {HeatShrinkTube, "STU"}};
  for (const Case& c : cases) {
    r.bench.panel.SizeChosen(3);
    r.bench.panel.MaterialChosen(c.material);
    ExpectNoMessage(r.op);
    EXPECT_EQ(r.bench.document.controls().material, c.material);
    EXPECT_EQ(r.bench.document.controls().mediaSize, 1);
    EXPECT_EQ(r.job().settings.mediaSize, 1);
    ExpectEveryPageCarries(r, c.code, "4");
  }
}

TEST(MediaBar, JobWideBoxesLeaveThePagesAlone) {
  Rig r;
  r.Pages(2);
  const Rig::Snapshot before = r.Take();
  // The density box starts at the item of the density the job sends.
  EXPECT_EQ(r.bench.document.controls().density, 7);
  EXPECT_EQ(r.job().settings.density, 8);
  r.bench.panel.DensityChosen(6);
  EXPECT_EQ(r.job().settings.density, 7);
  EXPECT_EQ(r.bench.document.controls().density, 6);

  struct Case {
    int index;
    char cutMode;
  } const cuts[] = {{0, 'N'}, {1, 'C'}, {2, 'L'}, {5, 'C'}};
  for (const Case& c : cuts) {
    r.bench.panel.CuttingChosen(c.index);
    EXPECT_EQ(r.job().settings.cutMode, c.cutMode);
  }
  r.bench.panel.MarginChosen(20);
  r.bench.panel.AlignmentChosen(1);
  r.bench.panel.CopiesChosen(9);
  r.bench.panel.RepeatModeChosen(false);
  const JobSettings& s = r.job().settings;
  EXPECT_EQ(s.margin, 20);
  EXPECT_EQ(s.alignment, 1);
  EXPECT_EQ(s.copies, 10);
  EXPECT_EQ(s.repeatMode, Sequential);
  EXPECT_FALSE(r.bench.document.controls().continuous);
  ExpectNoMessage(r.op);
  for (int i = 0; i < r.Rows(); ++i) {
    EXPECT_TRUE(testing::Attributes(r.Page(i)) == testing::Attributes(before.pages[i])) << i;
  }
}

}  // namespace
}  // namespace q5300
