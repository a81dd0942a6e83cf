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
  r.engine.SizeChosen(3);
  ExpectNoMessage(r.op);
  EXPECT_EQ(r.engine.controls().mediaSize, 3);
  ExpectEveryPageCarries(r, "TUB", "6");

  r.MakeCurrent(0);
  for (const int size : {0, 1}) {
    SCOPED_TRACE(size);
    const Rig::Snapshot before = r.Take();
    r.engine.SizeChosen(size);
    ExpectOneMessage(r.op,
                     "두줄 인쇄를 하기 위한 매체가 적합하지 않습니다. 2 페이지가 두줄로 설정되어 "
                     "있습니다.！");
    EXPECT_EQ(r.engine.controls().mediaSize, 3);  // back at the current page's size
    r.ExpectUnchanged(before);
  }
  r.engine.SizeChosen(2);
  ExpectNoMessage(r.op);
  EXPECT_EQ(r.engine.controls().mediaSize, 2);
  EXPECT_EQ(r.engine.job().settings.mediaSize, 2);
  ExpectEveryPageCarries(r, "TUB", "5");
}

// Pages kept when a file of another size was added after them carry their own size.
TEST(MediaBar, RefusedSizeShowsTheCurrentPagesSize) {
  Rig r;
  r.Pages(2);
  MakeTwoLinePage(r, 1);
  r.engine.SizeChosen(3);
  r.MakeCurrent(0);
  r.Page(0).sizeCode = FixedText<3>("5");
  ASSERT_EQ(r.engine.job().settings.mediaSize, 3);
  r.engine.SizeChosen(0);
  EXPECT_EQ(r.op.told.size(), 1u);
  EXPECT_EQ(r.engine.controls().mediaSize, 2);
  EXPECT_EQ(r.engine.job().settings.mediaSize, 3);
}

TEST(MediaBar, RefusedSizeShowsTheJobsSizeWhenThePageCarriesNoTubeSize) {
  Rig r;
  r.Pages(2);
  MakeTwoLinePage(r, 1);
  r.MakeCurrent(0);
  r.Page(0).sizeCode = FixedText<3>("12");  // as a damaged label file may leave it
  r.engine.SizeChosen(0);
  EXPECT_EQ(r.op.told.size(), 1u);
  EXPECT_EQ(r.engine.controls().mediaSize, 1);
}

TEST(MediaBar, MaterialChangeIsNeverRefused) {
  Rig r;
  MakeTwoLinePage(r, 0);
  r.engine.MaterialChosen(Label);
  r.engine.SizeChosen(2);
  ExpectNoMessage(r.op);
  EXPECT_EQ(r.engine.job().settings.sizeCode, (std::array<char, 3>{'1', '2', 0}));
  ExpectEveryPageCarries(r, "LAB", "12");
  EXPECT_EQ(r.engine.controls().mediaSize, 2);

  struct Case {
    int material;
    const char* code;
  } const cases[] = {{Tube, "TUB"}, {HeatShrinkTube, "STU"}};
  for (const Case& c : cases) {
    r.engine.SizeChosen(3);
    r.engine.MaterialChosen(c.material);
    ExpectNoMessage(r.op);
    EXPECT_EQ(r.engine.controls().material, c.material);
    EXPECT_EQ(r.engine.controls().mediaSize, 1);
    EXPECT_EQ(r.engine.job().settings.mediaSize, 1);
    ExpectEveryPageCarries(r, c.code, "4");
  }
}

TEST(MediaBar, JobWideBoxesLeaveThePagesAlone) {
  Rig r;
  r.Pages(2);
  const Rig::Snapshot before = r.Take();
  // The density box starts at the item of the density the job sends.
  EXPECT_EQ(r.engine.controls().density, 7);
  EXPECT_EQ(r.engine.job().settings.density, 8);
  r.engine.DensityChosen(6);
  EXPECT_EQ(r.engine.job().settings.density, 7);
  EXPECT_EQ(r.engine.controls().density, 6);

  struct Case {
    int index;
    char cutMode;
  } const cuts[] = {{0, 'N'}, {1, 'C'}, {2, 'L'}, {5, 'C'}};
  for (const Case& c : cuts) {
    r.engine.CuttingChosen(c.index);
    EXPECT_EQ(r.engine.job().settings.cutMode, c.cutMode);
  }
  r.engine.MarginChosen(20);
  r.engine.AlignmentChosen(1);
  r.engine.CopiesChosen(9);
  r.engine.RepeatModeChosen(false);
  const JobSettings& s = r.engine.job().settings;
  EXPECT_EQ(s.margin, 20);
  EXPECT_EQ(s.alignment, 1);
  EXPECT_EQ(s.copies, 10);
  EXPECT_EQ(s.repeatMode, Sequential);
  EXPECT_FALSE(r.engine.controls().continuous);
  ExpectNoMessage(r.op);
  for (int i = 0; i < r.Rows(); ++i) {
    EXPECT_TRUE(testing::Attributes(r.Page(i)) == testing::Attributes(before.pages[i])) << i;
  }
}

}  // namespace
}  // namespace q5300
