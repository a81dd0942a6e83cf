// Adding and deleting pages, the current page, and the check-all heading.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditingRig.h"
#include "editing/CellTexts.h"
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
    r.Type(i, u"P" + std::u16string(1, static_cast<char16_t>(u'1' + i)));
  ExpectNoMessage(r.op);
}

// Row order of the grid and of the page list agree with `labels`; the page
// column counts 1..n and only `current` carries the mark.
void ExpectPages(Rig& r, const std::vector<std::string>& labels, int current) {
  ASSERT_EQ(r.Rows(), static_cast<int>(labels.size()));
  for (int i = 0; i < r.Rows(); ++i) {
    const std::string& label = labels[static_cast<std::size_t>(i)];
    EXPECT_EQ(r.Cell(i, Line1Column), std::u16string(label.begin(), label.end())) << i;
    EXPECT_EQ(RecordBytes(r.Page(i)), label) << i;
    EXPECT_EQ(r.Cell(i, PageColumn), NumberCellText(i + 1)) << i;
    EXPECT_EQ(r.Cell(i, MarkColumn), i == current ? u"∽" : u"") << i;
  }
  EXPECT_EQ(r.bench.document.currentPageIndex(), current);
  EXPECT_EQ(r.bench.document.currentRecord(), &r.Page(current));
  ASSERT_FALSE(r.window.selectedRows.empty());
  EXPECT_EQ(r.window.selectedRows.back(), current);
}

TEST(Pages, TheJobHoldsAtMost200Pages) {
  Rig r;
  r.Pages(199);
  r.bench.pages.Add();
  ExpectNoMessage(r.op);
  EXPECT_EQ(r.Rows(), 200);
  EXPECT_EQ(r.bench.document.currentPageIndex(), 199);
  EXPECT_EQ(r.Page(199).creationNo, 200);

  // The window takes the open edit in before it hands Add on: the text typed is
  // in the job before the refusal, which changes nothing more.
  r.window.Type(5, Line1Column, u"typed");
  r.window.CommitOpenEdit();
  r.op.told.clear();
  const Rig::Snapshot before = r.Take();
  const int changes = r.window.jobChanges;
  r.bench.pages.Add();
  ExpectOneMessage(r.op, "Get the MaxPage!");
  r.ExpectUnchanged(before);
  EXPECT_EQ(r.bench.document.currentPageIndex(), 199);
  // Refused before any change: the document has nothing new to tell the window,
  // and what was typed stays.
  EXPECT_EQ(r.window.jobChanges, changes);
  EXPECT_EQ(r.Cell(5, Line1Column), u"typed");
}

TEST(Pages, AddInsertsAfterTheCurrentPageWithThePanelDefaults) {
  Rig r;
  LabelledPages(r, 5);
  r.MakeCurrent(2);
  r.bench.panel.FrameChosen(2);
  r.bench.panel.FontSizeChosen(2);
  r.bench.panel.DirectionChosen(1);
  r.bench.panel.RepeatTextChanged(u"3");
  r.bench.panel.SetRepeatPressed();
  ExpectNoMessage(r.op);

  // An edit still open when Add is pressed is taken over first.
  r.window.Type(0, Line1Column, u"Q");
  r.window.Run([&] { r.bench.pages.Add(); });
  ExpectNoMessage(r.op);
  ExpectPages(r, {"Q", "P2", "P3", "", "P4", "P5"}, 3);
  EXPECT_TRUE(r.grid().IsChecked(3));
  EXPECT_EQ(r.Cell(3, RepeatColumn), u"3");
  EXPECT_EQ(r.Cell(3, FontSizeColumn), u"2");
  EXPECT_EQ(r.Cell(3, FrameColumn), u"Underline");
  EXPECT_EQ(r.Cell(3, DirectionColumn), u"Vertical");
  EXPECT_EQ(r.Cell(3, ZoomColumn), u"전각");
  EXPECT_EQ(r.bench.document.currentColumn(), PageColumn);
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
  r.bench.pages.Add();
  EXPECT_EQ(r.Page(2).creationNo, 8);
  r.MakeCurrent(0);
  r.bench.pages.Delete();
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
    r.bench.pages.Delete();
    ExpectNoMessage(r.op);
    ExpectPages(r, c.left, c.nowCurrent);
  }
}

TEST(Pages, DeletingTheOnlyPageEmptiesItAndKeepsItsSettings) {
  Rig r;
  r.FontSize(0, 3);
  r.TypeLines(0, u"AB", u"CD");
  r.bench.panel.FrameChosen(1);
  r.bench.panel.RepeatTextChanged(u"9");
  r.bench.panel.SetRepeatPressed();
  r.EditPage(0, [](PageRecord& p) {
    p.numNumber = 1;
    SetField(p.numStart, "1");
  });
  const PageId id = r.bench.document.PageAt(0)->id;
  ExpectNoMessage(r.op);

  r.bench.pages.Delete();
  ExpectNoMessage(r.op);
  ASSERT_EQ(r.Rows(), 1);
  ASSERT_EQ(r.bench.document.PageAt(0)->id, id);
  EXPECT_EQ(r.Page(0).textLength, 0);
  EXPECT_EQ(r.Page(0).text, (std::array<uint8_t, 41>{}));
  const PageRecord* const page = &r.Record(0);
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
  r.bench.panel.SizeChosen(0);
  ExpectNoMessage(r.op);
  EXPECT_EQ(FieldText(page->sizeCode), "3");
}

TEST(Pages, WithoutACurrentPageNothingIsDeletedAndAddAppends) {
  for (const int invalid : {-1, 3}) {
    SCOPED_TRACE(invalid);
    Rig r;
    LabelledPages(r, 3);
    r.MakeCurrent(1);
    r.bench.pages.SetCurrentPage(invalid);
    EXPECT_EQ(r.bench.document.currentPageIndex(), -1);
    EXPECT_EQ(r.bench.document.currentRecord(), nullptr);
    EXPECT_EQ(r.Cell(1, MarkColumn), u"");  // no page is current, none is marked

    const Rig::Snapshot before = r.Take();
    r.bench.pages.Delete();
    r.bench.panel.FrameChosen(1);
    r.bench.panel.FontSizeChosen(2);
    ExpectNoMessage(r.op);
    r.ExpectUnchanged(before);

    r.bench.pages.Add();
    ExpectNoMessage(r.op);
    ExpectPages(r, {"P1", "P2", "P3", ""}, 3);
    EXPECT_EQ(r.Page(3).creationNo, 4);
  }
}

TEST(Pages, FirstHeadingTicksOrClearsEveryRow) {
  Rig r;
  r.Pages(3);
  r.SetChecked(1, false);
  const auto checks = [&] {
    return std::vector<bool>{r.grid().IsChecked(0), r.grid().IsChecked(1), r.grid().IsChecked(2)};
  };
  r.bench.pages.HeadingClicked(0);
  EXPECT_EQ(r.grid().GetHeaderCheckState(CheckColumn), EmptyBox);
  EXPECT_EQ(checks(), std::vector<bool>(3, false));
  r.bench.pages.HeadingClicked(PageColumn);
  EXPECT_EQ(r.grid().GetHeaderCheckState(CheckColumn), EmptyBox);
  r.bench.pages.HeadingClicked(0);
  EXPECT_EQ(r.grid().GetHeaderCheckState(CheckColumn), CheckedBox);
  EXPECT_EQ(checks(), std::vector<bool>(3, true));
  r.Edit([](JobEdit& e) { e.SetHeaderCheck(NoBox); });
  r.bench.pages.HeadingClicked(0);
  EXPECT_EQ(r.grid().GetHeaderCheckState(CheckColumn), NoBox);
  EXPECT_EQ(checks(), std::vector<bool>(3, true));
}

}  // namespace
}  // namespace q5300
