#include "data/Job.h"

#include <gtest/gtest.h>

#include "data/GridModel.h"

namespace q5300 {
namespace {

class JobTest : public ::testing::Test {
 protected:
  void AddPages(int n, int twoLinePages = 0) {
    for (int i = 0; i < n; ++i) {
      PageRecord* r = job.pages.AppendRecord(job.defaults, job.settings);
      r->twoLines = i < twoLinePages ? 1 : 0;
    }
  }
  void ExpectEveryPageCarries(std::string_view material, std::string_view size) {
    for (const PageRecord& r : job.pages) {
      EXPECT_EQ(FieldText(r.materialCode), material);
      EXPECT_EQ(FieldText(r.sizeCode), size);
    }
  }
  Job job;
};

TEST_F(JobTest, StartValues) {
  const JobSettings& s = job.settings;
  EXPECT_EQ(s.material, Tube);
  EXPECT_EQ(s.mediaSize, 1);
  EXPECT_EQ(FieldText(s.materialCode), "TUB");
  EXPECT_EQ(FieldText(s.sizeCode), "4");
  EXPECT_EQ(s.cutMode, 'C');
  EXPECT_EQ(s.density, 8);  // not the 7 the density box's start item would give
  EXPECT_EQ(s.copies, 1);
  EXPECT_EQ(s.repeatMode, Continuous);
}

TEST_F(JobTest, MaterialChoiceCarriesItem1IntoEveryPageWithoutACheck) {
  AddPages(3, /*twoLinePages=*/2);
  struct Case {
    int index;
    const char* material;
    const char* size;
    double previewMm;
  } const cases[] = {{1, "LAB", "9", 9.0}, {2, "STU", "4", 6.5}, {0, "TUB", "4", 6.5}};
  for (const auto& c : cases) {
    job.ChooseMediaSize(3, nullptr);  // away from item 1 first
    EXPECT_TRUE(job.ChooseMaterial(c.index));
    EXPECT_EQ(job.settings.material, c.index);
    EXPECT_EQ(job.settings.mediaSize, 1);
    EXPECT_EQ(PreviewWidthMm(job.settings.material, job.settings.mediaSize), c.previewMm);
    ExpectEveryPageCarries(c.material, c.size);
  }
  EXPECT_FALSE(job.ChooseMaterial(3));
}

TEST_F(JobTest, SmallTubeSizesAreRefusedForTwoLinePages) {
  AddPages(4, /*twoLinePages=*/2);
  PageRecord* current = job.pages.At(3);
  ASSERT_FALSE(job.ChooseMediaSize(3, current).refusal);  // "6.0"
  ExpectEveryPageCarries("TUB", "6");

  for (int index : {0, 1}) {
    const SizeChoice choice = job.ChooseMediaSize(index, current);
    ASSERT_TRUE(choice.refusal);
    EXPECT_EQ(choice.refusal->text,
              "두줄 인쇄를 하기 위한 매체가 적합하지 않습니다. 2 페이지가 두줄로 설정되어 있습니다.！");
    EXPECT_EQ(choice.refusal->caption, "Prompt");
    EXPECT_EQ(choice.shownIndex, 3);  // back to the current page's "6.0"
    EXPECT_EQ(job.settings.mediaSize, 3);
    ExpectEveryPageCarries("TUB", "6");
  }
  const SizeChoice five = job.ChooseMediaSize(2, current);
  EXPECT_FALSE(five.refusal);
  EXPECT_EQ(five.shownIndex, 2);
  ExpectEveryPageCarries("TUB", "5");
}

TEST_F(JobTest, LabelSizesAreNeverRefused) {
  AddPages(2, /*twoLinePages=*/2);
  job.ChooseMaterial(Label);
  struct Case {
    int index;
    const char* code;
  } const cases[] = {{0, "6"}, {1, "9"}, {2, "12"}, {7, "12"}};
  for (const auto& c : cases) {
    EXPECT_FALSE(job.ChooseMediaSize(c.index, job.pages.first()).refusal);
    ExpectEveryPageCarries("LAB", c.code);
  }
  EXPECT_EQ(job.settings.sizeCode[2], 0);  // "12" then a zero byte
}

TEST_F(JobTest, BoxIndexMappings) {
  struct Case {
    int index;
    char cut;
  } const cuts[] = {{0, 'N'}, {1, 'C'}, {2, 'L'}, {5, 'C'}};
  for (const auto& c : cuts) {
    job.ChooseCutting(c.index);
    EXPECT_EQ(job.settings.cutMode, c.cut);
  }
  job.ChooseDensity(6);  // the item "6"
  EXPECT_EQ(job.settings.density, 7);
  job.ChooseCopies(9);
  EXPECT_EQ(job.settings.copies, 10);
  job.ChooseMargin(20);
  EXPECT_EQ(job.settings.margin, 20);
  job.ChooseAlignment(1);
  EXPECT_EQ(job.settings.alignment, 1);
  job.ChooseRepeatMode(Sequential);
  EXPECT_EQ(job.settings.repeatMode, 0);
  EXPECT_EQ(MarginItems().size(), 21u);
  EXPECT_EQ(DensityItems()[15], "F");
}

TEST(GridModel, RefusesCellsOutsideTheGrid) {
  GridModel grid;
  ASSERT_TRUE(grid.InsertRow(0));
  EXPECT_FALSE(grid.SetCellText(1, 3, u"x"));
  EXPECT_FALSE(grid.SetCellText(0, 10, u"x"));
  EXPECT_TRUE(grid.SetCellText(0, 3, u"x"));
  EXPECT_EQ(grid.CellText(0, 3), u"x");
  EXPECT_EQ(grid.CellText(5, 3), u"");
  EXPECT_FALSE(grid.SetHeaderCheckState(10, 2));
  EXPECT_EQ(grid.GetHeaderCheckState(-1), -1);
  EXPECT_TRUE(grid.InsertRow(0));  // rows after it move down
  EXPECT_EQ(grid.CellText(1, 3), u"x");
}

}  // namespace
}  // namespace q5300
