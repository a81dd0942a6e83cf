#include "data/Job.h"

#include <gtest/gtest.h>


namespace q5300 {
namespace {

class JobTest : public ::testing::Test {
 protected:
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

TEST_F(JobTest, MaterialChoiceTakesItem1WithoutACheck) {
  struct Case {
    int index;
    const char* material;
    const char* size;
    double previewMm;
  } const cases[] = {{1, "LAB", "9", 9.0}, {2, "STU", "4", 6.5}, {0, "TUB", "4", 6.5}};
  for (const auto& c : cases) {
    job.ChooseMediaSize(3, /*twoLinePages=*/0);  // away from item 1 first
    EXPECT_TRUE(job.ChooseMaterial(c.index));
    EXPECT_EQ(job.settings.material, c.index);
    EXPECT_EQ(job.settings.mediaSize, 1);
    EXPECT_EQ(FieldText(job.settings.materialCode), c.material);
    EXPECT_EQ(FieldText(job.settings.sizeCode), c.size);
    EXPECT_EQ(PreviewWidthMm(job.settings.material, job.settings.mediaSize), c.previewMm);
    PageRecord page;
    job.CarryMediaCodesInto(page);
    EXPECT_EQ(FieldText(page.materialCode), c.material);
    EXPECT_EQ(FieldText(page.sizeCode), c.size);
  }
  EXPECT_FALSE(job.ChooseMaterial(3));
}

TEST_F(JobTest, SmallTubeSizesAreRefusedForTwoLinePages) {
  ASSERT_FALSE(job.ChooseMediaSize(3, 2));  // "6.0"
  EXPECT_EQ(FieldText(job.settings.sizeCode), "6");
  for (int index : {0, 1}) {
    const auto refusal = job.ChooseMediaSize(index, 2);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->text,
              "두줄 인쇄를 하기 위한 매체가 적합하지 않습니다. 2 페이지가 두줄로 설정되어 있습니다.！");
    EXPECT_EQ(refusal->caption, "Prompt");
    EXPECT_EQ(job.settings.mediaSize, 3);
    EXPECT_EQ(FieldText(job.settings.sizeCode), "6");
  }
  EXPECT_FALSE(job.ChooseMediaSize(2, 2));
  EXPECT_EQ(FieldText(job.settings.sizeCode), "5");
  EXPECT_FALSE(job.ChooseMediaSize(0, 0));  // no two-line page: 3.0 is taken
  EXPECT_EQ(FieldText(job.settings.sizeCode), "3");
}

TEST_F(JobTest, LabelSizesAreNeverRefused) {
  job.ChooseMaterial(Label);
  struct Case {
    int index;
    const char* code;
  } const cases[] = {{0, "6"}, {1, "9"}, {2, "12"}, {7, "12"}};
  for (const auto& c : cases) {
    EXPECT_FALSE(job.ChooseMediaSize(c.index, 2));
    EXPECT_EQ(FieldText(job.settings.sizeCode), c.code);
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

}  // namespace
}  // namespace q5300
