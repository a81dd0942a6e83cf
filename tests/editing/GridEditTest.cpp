// The window's side of the grid: row clicks, the edit query, committed cell texts,
// and how editing moves on after Enter.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "EditingRig.h"
#include "compile/CodePage.h"
#include "compile/RebuildRecords.h"
#include "support/RecordText.h"

namespace q5300 {
namespace {

using testing::ExpectNoMessage;
using testing::ExpectOneMessage;
using testing::Rig;

using Cell = std::pair<int, int>;

using testing::RecordBytes;

TEST(GridEdit, RowClickLoadsTheClickedPageIntoThePanel) {
  Rig r;
  r.Pages(2);
  r.FontSize(1, 2);
  r.bench.panel.WidthChosen(1);
  r.bench.panel.FrameChosen(1);
  r.bench.panel.DirectionChosen(1);
  r.bench.panel.LengthTextChanged(u"33");
  r.bench.panel.RepeatTextChanged(u"4");
  ExpectNoMessage(r.op);

  r.bench.pages.RowClicked(0, Line1Column);
  ControlsState shown = r.bench.document.controls();
  EXPECT_EQ(shown.fontSize, 4);
  EXPECT_EQ(shown.width, 0);
  EXPECT_EQ(shown.frame, 0);
  EXPECT_EQ(shown.direction, 0);
  // What was typed into the boxes and not set goes with the page it was typed for.
  EXPECT_EQ(shown.lengthText, u"20");
  EXPECT_EQ(shown.repeatText, u"1");
  r.bench.pages.RowClicked(1, RepeatColumn);
  shown = r.bench.document.controls();
  EXPECT_EQ(r.bench.document.currentPageIndex(), 1);
  EXPECT_EQ(shown.fontSize, 2);
  EXPECT_EQ(shown.width, 1);
  EXPECT_EQ(shown.frame, 1);
  EXPECT_EQ(shown.direction, 1);

  // An automatic size shows as such on its page only.
  r.MakeCurrent(0);
  r.bench.panel.FontSizeChosen(0);
  EXPECT_EQ(r.bench.document.controls().fontSize, 0);
  r.bench.pages.RowClicked(1, Line1Column);
  EXPECT_EQ(r.bench.document.controls().fontSize, 2);

  // A row outside the grid is ignored.
  for (const int row : {-1, 2}) {
    const ControlsState before = r.bench.document.controls();
    r.bench.pages.RowClicked(row, Line1Column);
    EXPECT_EQ(r.bench.document.currentPageIndex(), 1);
    EXPECT_EQ(r.bench.document.controls(), before);
  }
}

TEST(GridEdit, SecondLineIsRefusedForALargeFixedSize) {
  struct Case {
    const char* name;
    int size;  // 0: automatic
    bool twoLines;
    int column;
    bool allowed;
  } const cases[] = {
      {"size 4, line 2", 4, false, Line2Column, false},
      {"size 6, line 2", 6, false, Line2Column, false},
      {"size 4, line 1", 4, false, Line1Column, true},
      {"size 4, repeat", 4, false, RepeatColumn, true},
      {"size 3, line 2", 3, false, Line2Column, true},
      {"automatic, line 2", 0, false, Line2Column, true},
      {"two lines at size 4", 4, true, Line2Column, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig r;
    r.FontSize(0, c.size);
    if (c.twoLines) r.TypeLines(0, u"A", u"B");
    r.op.told.clear();
    const Rig::Snapshot before = r.Take();
    r.MakeCurrent(0);
    EXPECT_EQ(r.bench.pages.CellEditQuery(0, c.column), c.allowed);
    if (c.allowed) {
      ExpectNoMessage(r.op);
    } else {
      ExpectOneMessage(r.op,
                       "글꼴크기가 너무 커, 두줄인쇄에 적합하지 않습니다. 1에서 3사이의 글꼴을 "
                       "선택해주세요!");
    }
    r.ExpectUnchanged(before);
    // A text that reaches line 2 some other way (typed into a cell of another
    // row and moved on) is refused when it is committed, the page unchanged.
    if (c.column != Line2Column) continue;
    EXPECT_EQ(r.bench.pages.CommitCellEdit(0, Line2Column, u"X1", false), c.allowed);
    if (!c.allowed) {
      ExpectOneMessage(r.op,
                       "글꼴크기가 너무 커, 두줄인쇄에 적합하지 않습니다. 1에서 3사이의 글꼴을 "
                       "선택해주세요!");
      r.ExpectUnchanged(before);
    }
  }
}

TEST(GridEdit, RepeatCellTakesOneTo200) {
  struct Case {
    std::u16string typed;
    int count;  // 0: refused
  } const cases[] = {
      {u"0", 0}, {u"201", 0}, {u"abc", 0}, {u"-3", 0}, {u"", 0}, {u"200", 200}, {u" 12x", 12},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.typed.begin(), c.typed.end()));
    Rig r;
    r.Pages(2);
    r.MakeCurrent(0);
    r.bench.panel.RepeatTextChanged(u"7");
    r.bench.panel.SetRepeatPressed();
    const Rig::Snapshot before = r.Take();
    r.window.Commit(0, RepeatColumn, c.typed);
    if (c.count == 0) {
      ExpectOneMessage(r.op, " [1-200] 반복, 설정이 잘못 되었습니다!");
      r.ExpectUnchanged(before);
      EXPECT_EQ(r.Cell(0, RepeatColumn), u"7");
      EXPECT_TRUE(r.window.begunEdits.empty());
      EXPECT_EQ(r.bench.document.currentPageIndex(), 0);
      continue;
    }
    ExpectNoMessage(r.op);
    EXPECT_EQ(r.Page(0).repeatCount, c.count);
    EXPECT_EQ(FieldText(r.Page(0).repeatText), std::to_string(c.count));
    EXPECT_EQ(FieldText(r.Page(0).repeatCode), c.count == 200 ? "0200" : "0012");
    EXPECT_EQ(r.window.begunEdits, (std::vector<Cell>{{1, RepeatColumn}}));
  }
}

TEST(GridEdit, JoinedLinesHoldFortyCharactersAndFortyBytes) {
  const auto hangul = [](std::size_t n) { return std::u16string(n, u'가'); };
  const auto letters = [](std::size_t n, char16_t c = u'A') { return std::u16string(n, c); };
  struct Case {
    const char* name;
    std::u16string line1;
    std::u16string line2;
    bool accepted;
    // What the record takes, when it is not the plain code page form of the lines.
    std::string record = {};
  } const cases[] = {
      {"40 letters", std::u16string(40, u'A'), u"", true},
      {"41 characters over two lines", std::u16string(30, u'A'), std::u16string(10, u'B'), false},
      {"39 and 1 letters and the break", std::u16string(39, u'A'), u"B", false},
      {"20 syllables", hangul(20), u"", true},
      {"21 syllables", hangul(21), u"", false},
      {"25 syllables, 50 bytes", hangul(25), u"", false},
      {"19 syllables and a letter", hangul(19), u"A", true},
      {"20 syllables and a letter", hangul(20), u"A", false},
      // The running number's placeholder is one control byte in the record; another
      // placeholder and a marker stay two bytes, as a label file keeps them.
      {"39 letters and a placeholder", letters(39) + u"\uE04D", u"", true,
       std::string(39, 'A') + "\x12"},
      {"40 letters and a placeholder", letters(40) + u"\uE04D", u"", false},
      {"a placeholder on line 2", letters(30), letters(8, u'B') + u"\uE050", true,
       std::string(30, 'A') + "\x1A" + std::string(8, 'B') + "\x18"},
      {"38 letters and two placeholders", letters(38) + u"\uE04D\uE04D", u"", false},
      {"38 letters and a marker", letters(38) + u"\uE051", u"", true,
       std::string(38, 'A') + "\x1C"},
      {"39 letters and a marker", letters(39) + u"\uE051", u"", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig r;
    r.bench.panel.AutoLengthClicked();
    r.Type(0, u"OLD");
    ExpectNoMessage(r.op);
    EXPECT_EQ(r.TypeLines(0, c.line1, c.line2), c.accepted);
    if (!c.accepted) {
      // The page keeps what it had; the text stays with the operator to mend.
      ExpectOneMessage(r.op, "입력 길이 초과!");
      EXPECT_EQ(r.Cell(0, Line1Column), u"OLD");
      EXPECT_EQ(r.Cell(0, Line2Column), u"");
      EXPECT_EQ(RecordBytes(r.Page(0)), "OLD");
      continue;
    }
    EXPECT_EQ(r.Cell(0, Line1Column), c.line1);
    EXPECT_EQ(r.Cell(0, Line2Column), c.line2);
    EXPECT_EQ(r.Page(0).twoLines, c.line2.empty() ? 0 : 1);
    ExpectNoMessage(r.op);
    EXPECT_EQ(RecordBytes(r.Page(0)),
              c.record.empty() ? ToPrinterCodePage(JoinLines(c.line1, c.line2)) : c.record);
  }
}

TEST(GridEdit, TextOverTheSetLengthStaysAndCanBeTakenBack) {
  Rig r;
  r.Type(0, u"ABCDE");  // 200 + 48 dots on a 240-dot page
  ExpectOneMessage(r.op, "입력 길이 초과!");
  EXPECT_EQ(RecordBytes(r.Page(0)), "ABCDE");
  EXPECT_EQ(r.Cell(0, Line1Column), u"ABCDE");

  // An emptied page is not measured by the text it had.
  r.Type(0, u"");
  ExpectNoMessage(r.op);
  EXPECT_EQ(r.Page(0).textLength, 0);
  r.bench.panel.LengthTextChanged(u"10");
  r.bench.panel.SetLengthPressed();
  ExpectNoMessage(r.op);
  EXPECT_EQ(r.Page(0).lengthDots, 120);
  r.Type(0, u"A");
  ExpectNoMessage(r.op);
}

TEST(GridEdit, AutomaticSizeIsFittedToTheNewText) {
  Rig r;
  r.bench.panel.FontSizeChosen(0);
  EXPECT_EQ(r.Page(0).fontSize, 6);
  r.Type(0, u"ABCDE");
  ExpectNoMessage(r.op);
  EXPECT_EQ(r.Page(0).fontSize, 3);
  EXPECT_EQ(r.Cell(0, FontSizeColumn), u"0");
}

TEST(GridEdit, EnterMovesEditingOn) {
  // Row sizes 3, 4, 3, automatic (fitted to 3), 5: only rows 0 and 2 have a fixed
  // size that leaves room for a second line.
  struct Case {
    Cell edited;
    Cell next;
  } const cases[] = {
      {{0, Line1Column}, {1, Line1Column}}, {{1, RepeatColumn}, {2, RepeatColumn}},
      {{0, Line2Column}, {2, Line2Column}}, {{2, Line2Column}, {3, Line1Column}},
      {{3, Line2Column}, {4, Line1Column}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.edited));
    Rig r;
    r.Pages(5);
    const int sizes[] = {3, 4, 3, 0, 5};
    for (int i = 0; i < 5; ++i) r.FontSize(i, sizes[i]);
    r.Type(3, u"ABCDE");
    ASSERT_EQ(r.Page(3).fontSize, 3);
    r.MakeCurrent(c.edited.first);
    r.window.Commit(c.edited.first, c.edited.second, c.edited.second == RepeatColumn ? u"2" : u"A");
    ExpectNoMessage(r.op);
    EXPECT_EQ(r.window.begunEdits, std::vector<Cell>{c.next});
    EXPECT_EQ(r.bench.document.currentPageIndex(), c.next.first);
    EXPECT_EQ(r.Rows(), 5);
  }
}

TEST(GridEdit, EnterOnTheLastRowAddsAPage) {
  Rig r;
  r.Pages(3);
  r.MakeCurrent(0);  // the page after the edited last row is added, wherever the mark is
  r.window.Commit(2, Line1Column, u"C");
  ExpectNoMessage(r.op);
  ASSERT_EQ(r.Rows(), 4);
  EXPECT_EQ(r.bench.document.currentPageIndex(), 3);
  EXPECT_EQ(r.window.begunEdits, (std::vector<Cell>{{3, Line1Column}}));
  EXPECT_EQ(RecordBytes(r.Page(2)), "C");
  EXPECT_EQ(r.Page(3).textLength, 0);
  EXPECT_EQ(r.Page(3).creationNo, 4);

  // At the page limit the add is refused and editing stays where it was.
  r.Pages(200);
  r.MakeCurrent(199);
  r.window.begunEdits.clear();
  r.window.Commit(199, Line1Column, u"Z");
  ExpectOneMessage(r.op, "Get the MaxPage!");
  EXPECT_EQ(r.Rows(), 200);
  EXPECT_TRUE(r.window.begunEdits.empty());
  EXPECT_EQ(RecordBytes(r.Page(199)), "Z");
}

TEST(GridEdit, ARefusedEditStaysAndForgetsItsEnter) {
  Rig r;
  r.Pages(2);
  r.MakeCurrent(0);
  r.window.Commit(0, Line1Column, u"ABCDE");
  ExpectOneMessage(r.op, "입력 길이 초과!");
  EXPECT_TRUE(r.window.begunEdits.empty());
  EXPECT_EQ(r.bench.document.currentPageIndex(), 0);
  // The Enter went with the refused edit: nothing of it waits for the next one.
  EXPECT_FALSE(r.window.openEdit.has_value());

  // The next edit ends by a click elsewhere: editing does not move on.
  r.bench.pages.CommitCellEdit(0, Line1Column, u"AB", /*byEnter=*/false);
  ExpectNoMessage(r.op);
  EXPECT_TRUE(r.window.begunEdits.empty());
  EXPECT_EQ(r.bench.document.currentPageIndex(), 0);
}

TEST(GridEdit, AnEditGoesIntoTheRecordOfItsOwnRow) {
  Rig r;
  r.Pages(3);
  r.MakeCurrent(2);
  r.bench.panel.RepeatTextChanged(u"5");
  r.bench.panel.SetRepeatPressed();
  r.MakeCurrent(0);
  r.bench.pages.CommitCellEdit(2, Line1Column, u"XY", false);
  r.bench.pages.CommitCellEdit(2, RepeatColumn, u"0", false);
  ExpectOneMessage(r.op, " [1-200] 반복, 설정이 잘못 되었습니다!");
  EXPECT_EQ(RecordBytes(r.Page(2)), "XY");
  EXPECT_EQ(r.Cell(2, RepeatColumn), u"5");
  EXPECT_EQ(r.Page(0).textLength, 0);
  EXPECT_EQ(r.bench.document.currentPageIndex(), 0);

  // A report about a row the grid does not have changes nothing.
  r.bench.pages.CommitCellEdit(0, Line1Column, u"kept", false);
  const Rig::Snapshot before = r.Take();
  for (const int row : {-1, 3}) {
    r.bench.pages.CommitCellEdit(row, Line1Column, u"XY", false);
    r.bench.pages.CommitCellEdit(row, RepeatColumn, u"7", false);
  }
  ExpectNoMessage(r.op);
  r.ExpectUnchanged(before);
}

}  // namespace
}  // namespace q5300
