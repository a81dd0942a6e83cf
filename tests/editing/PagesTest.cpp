// Adding and deleting pages, the current page, and the check-all heading.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditingRig.h"
#include "support/RecordText.h"

namespace q5300 {
namespace {

using testing::ExpectNoMessage;
using testing::ExpectOneMessage;
using testing::Rig;

using testing::RecordBytes;

// Pages labelled "P1".."Pn" in their first lines.
void LabelledPages(Rig& r, int count) {
  r.Pages(count);
  for (int i = 0; i < count; ++i)
    r.TypeLine1(i, u"P" + std::u16string(1, static_cast<char16_t>(u'1' + i)));
  ExpectNoMessage(r.op);
}

// Row order of the grid and of the page list agree with `labels`; the page
// column counts 1..n and only `current` carries the mark.
void ExpectPages(Rig& r, const std::vector<std::string>& labels, int current) {
  ASSERT_EQ(r.Rows(), static_cast<int>(labels.size()));
  ASSERT_EQ(r.engine.job().pages.size(), r.Rows());
  for (int i = 0; i < r.Rows(); ++i) {
    const std::string& label = labels[static_cast<std::size_t>(i)];
    EXPECT_EQ(r.Cell(i, Line1Column), std::u16string(label.begin(), label.end())) << i;
    EXPECT_EQ(RecordBytes(r.Page(i)), label) << i;
    EXPECT_EQ(r.Cell(i, PageColumn), NumberCellText(i + 1)) << i;
    EXPECT_EQ(r.Cell(i, MarkColumn), i == current ? u"∽" : u"") << i;
  }
  EXPECT_EQ(r.engine.currentPageIndex(), current);
  EXPECT_EQ(r.engine.currentRecord(), r.engine.job().pages.At(current));
  ASSERT_FALSE(r.ui.selectedRows.empty());
  EXPECT_EQ(r.ui.selectedRows.back(), current);
  EXPECT_EQ(r.engine.job().pages.first()->prev, nullptr);
}

TEST(Pages, TheJobHoldsAtMost200Pages) {
  Rig r;
  r.Pages(199);
  r.engine.Add();
  ExpectNoMessage(r.op);
  EXPECT_EQ(r.Rows(), 200);
  EXPECT_EQ(r.engine.job().pages.size(), 200);
  EXPECT_EQ(r.engine.currentPageIndex(), 199);
  EXPECT_EQ(r.Page(199).creationNo, 200);

  const Rig::Snapshot before = r.Take();
  r.ui.Type(5, Line1Column, u"typed");
  const int focus = r.ui.focusCount;
  r.engine.Add();
  ExpectOneMessage(r.op, "Get the MaxPage!");
  r.ExpectUnchanged(before);
  EXPECT_EQ(r.engine.currentPageIndex(), 199);
  // Refused before the grid takes the focus: the open edit is still open.
  EXPECT_EQ(r.ui.focusCount, focus);
  EXPECT_TRUE(r.ui.openEdit.has_value());
}

TEST(Pages, AddInsertsAfterTheCurrentPageWithThePanelDefaults) {
  Rig r;
  LabelledPages(r, 5);
  r.MakeCurrent(2);
  r.engine.FrameChosen(2);
  r.engine.FontSizeChosen(2);
  r.engine.DirectionChosen(1);
  r.engine.RepeatTextChanged(u"3");
  r.engine.SetRepeatPressed();
  ExpectNoMessage(r.op);

  // An edit still open when Add is pressed is taken over first.
  r.ui.Type(0, Line1Column, u"Q");
  r.engine.Add();
  ExpectNoMessage(r.op);
  ExpectPages(r, {"Q", "P2", "P3", "", "P4", "P5"}, 3);
  EXPECT_TRUE(r.engine.grid().IsChecked(3));
  EXPECT_EQ(r.Cell(3, RepeatColumn), u"3");
  EXPECT_EQ(r.Cell(3, FontSizeColumn), u"2");
  EXPECT_EQ(r.Cell(3, FrameColumn), u"Underline");
  EXPECT_EQ(r.Cell(3, DirectionColumn), u"Vertical");
  EXPECT_EQ(r.Cell(3, ZoomColumn), u"전각");
  EXPECT_EQ(r.engine.grid().currentColumn(), PageColumn);
  const PageRecord& added = r.Page(3);
  EXPECT_EQ(added.repeatCount, 3);
  EXPECT_EQ(added.fontSize, 2);
  EXPECT_EQ(added.frame, 'L');
  EXPECT_EQ(added.direction, (std::array<char, 2>{'1', '3'}));
  EXPECT_EQ(added.isChecked, 1);
  EXPECT_EQ(added.creationNo, 6);
}

TEST(Pages, CreationNumberIsTheRowCountPlusOneAndStays) {
  Rig r;
  EXPECT_EQ(r.Page(0).creationNo, 1);
  r.Pages(7);
  r.MakeCurrent(1);
  r.engine.Add();
  EXPECT_EQ(r.Page(2).creationNo, 8);
  r.MakeCurrent(0);
  r.engine.Delete();
  const std::vector<int> expected = {2, 8, 3, 4, 5, 6, 7};
  for (int i = 0; i < r.Rows(); ++i)
    EXPECT_EQ(r.Page(i).creationNo, expected[static_cast<std::size_t>(i)]) << i;
}

TEST(Pages, DeleteMakesTheNextOrTheNewLastPageCurrent) {
  struct Case {
    int current;
    std::vector<std::string> left;
    int nowCurrent;
  } const cases[] = {
      {4, {"P1", "P2", "P3", "P4"}, 3},
      {1, {"P1", "P3", "P4", "P5"}, 1},
      {0, {"P2", "P3", "P4", "P5"}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.current);
    Rig r;
    LabelledPages(r, 5);
    r.MakeCurrent(c.current);
    r.engine.Delete();
    ExpectNoMessage(r.op);
    ExpectPages(r, c.left, c.nowCurrent);
  }
}

TEST(Pages, DeletingTheOnlyPageEmptiesItAndKeepsItsSettings) {
  Rig r;
  r.FontSize(0, 3);
  r.TypeLines(0, u"AB", u"CD");
  r.engine.FrameChosen(1);
  r.engine.RepeatTextChanged(u"9");
  r.engine.SetRepeatPressed();
  PageRecord* const page = &r.Page(0);
  page->numNumber = 1;
  SetField(page->numStart, "1");
  ExpectNoMessage(r.op);

  r.engine.Delete();
  ExpectNoMessage(r.op);
  ASSERT_EQ(r.Rows(), 1);
  ASSERT_EQ(r.engine.job().pages.first(), page);
  EXPECT_EQ(page->textLength, 0);
  EXPECT_EQ(page->text, (std::array<uint8_t, 41>{}));
  EXPECT_EQ(r.Cell(0, Line1Column), u"");
  EXPECT_EQ(r.Cell(0, Line2Column), u"");
  EXPECT_EQ(r.Cell(0, RepeatColumn), u"9");
  EXPECT_EQ(r.Cell(0, FrameColumn), u"Frame");
  EXPECT_EQ(page->fontSize, 3);
  EXPECT_EQ(page->frame, 'F');
  EXPECT_EQ(page->repeatCount, 9);
  EXPECT_EQ(page->numNumber, 1);
  EXPECT_EQ(FieldText(page->numStart), "1");
  // An emptied page has no second line: small tube sizes are open again.
  EXPECT_EQ(page->twoLines, 0);
  r.engine.SizeChosen(0);
  ExpectNoMessage(r.op);
  EXPECT_EQ(FieldText(page->sizeCode), "3");
}

TEST(Pages, WithoutACurrentPageNothingIsDeletedAndAddAppends) {
  for (const int invalid : {-1, 3}) {
    SCOPED_TRACE(invalid);
    Rig r;
    LabelledPages(r, 3);
    r.MakeCurrent(1);
    r.engine.SetCurrentPage(invalid);
    EXPECT_EQ(r.engine.currentPageIndex(), -1);
    EXPECT_EQ(r.engine.currentRecord(), nullptr);
    EXPECT_EQ(r.Cell(1, MarkColumn), u"∽");  // the marks stay as they were

    const Rig::Snapshot before = r.Take();
    r.engine.Delete();
    r.engine.FrameChosen(1);
    r.engine.FontSizeChosen(2);
    ExpectNoMessage(r.op);
    r.ExpectUnchanged(before);

    r.engine.Add();
    ExpectNoMessage(r.op);
    ExpectPages(r, {"P1", "P2", "P3", ""}, 3);
    EXPECT_EQ(r.Page(3).creationNo, 4);
  }
}

TEST(Pages, FirstHeadingTicksOrClearsEveryRow) {
  Rig r;
  r.Pages(3);
  r.engine.grid().SetChecked(1, false);
  const auto checks = [&] {
    return std::vector<bool>{r.engine.grid().IsChecked(0), r.engine.grid().IsChecked(1),
                             r.engine.grid().IsChecked(2)};
  };
  r.engine.HeadingClicked(0);
  EXPECT_EQ(r.engine.grid().GetHeaderCheckState(CheckColumn), EmptyBox);
  EXPECT_EQ(checks(), std::vector<bool>(3, false));
  r.engine.HeadingClicked(PageColumn);
  EXPECT_EQ(r.engine.grid().GetHeaderCheckState(CheckColumn), EmptyBox);
  r.engine.HeadingClicked(0);
  EXPECT_EQ(r.engine.grid().GetHeaderCheckState(CheckColumn), CheckedBox);
  EXPECT_EQ(checks(), std::vector<bool>(3, true));
  r.engine.grid().SetHeaderCheckState(CheckColumn, NoBox);
  r.engine.HeadingClicked(0);
  EXPECT_EQ(r.engine.grid().GetHeaderCheckState(CheckColumn), NoBox);
  EXPECT_EQ(checks(), std::vector<bool>(3, true));
}

}  // namespace
}  // namespace q5300
