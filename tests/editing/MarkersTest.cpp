#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "EditingRig.h"
#include "compile/CodePage.h"
#include "editing/SymbolChoice.h"
#include "editing/NumberingChoice.h"
#include "support/RecordText.h"

namespace q5300 {
namespace {

constexpr char16_t Sup = u'\uE051';
constexpr char16_t Sub = u'\uE052';
constexpr PictureRect Sheet{0, 0, 16 * 42, 5 * 42};

std::u16string S(std::u16string_view text) {
  return std::u16string(text);
}

class MarkersTest : public testing::CommandTest {
 protected:
  std::string RecordText() { return testing::RecordBytes(page()); }
  // The operator double-clicks the cells (row, column) and presses OK.
  void Pick(std::initializer_list<std::pair<int, int>> cells) {
    op.symbols = [cells = std::vector<std::pair<int, int>>(cells)](SymbolChoice& picker) {
      for (const auto& [row, column] : cells) picker.DoubleClicked(Sheet, column * 42, row * 42);
      return true;
    };
  }
};

TEST_F(MarkersTest, SuperscriptIsNeverDoubledAtTheEnd) {
  EditPage(0, [](PageRecord& p) { p.autoLength = 1; });  // no length to keep to
  SetColumn(Line1Column);
  bench.pages.Superscript();
  EXPECT_EQ(Line1(), S(u"") + Sup);
  EXPECT_EQ(page().superCount, 1);
  EXPECT_EQ(page().scriptCount, 1);
  // The grid's owner took the new text over into the record, as the printer gets it.
  EXPECT_EQ(RecordText(), "\x1C");

  bench.pages.Superscript();
  EXPECT_EQ(Line1(), S(u"") + Sup);
  EXPECT_EQ(page().superCount, 1);

  window.Type(0, Line1Column, S(u"") + Sup + u"2");
  window.Run([&] { bench.pages.Superscript(); });
  EXPECT_EQ(Line1(), S(u"") + Sup + u"2" + Sup);
  EXPECT_EQ(page().superCount, 2);
  EXPECT_EQ(page().scriptCount, 2);

  bench.pages.Subscript();
  EXPECT_EQ(Line1(), S(u"") + Sup + u"2" + Sup + Sub);
  EXPECT_EQ(page().subCount, 1);
  EXPECT_EQ(page().superCount, 2);
  EXPECT_EQ(page().scriptCount, 3);
  EXPECT_EQ(RecordText(),
            "\x1C"
            "2\x1C\x1E");
  EXPECT_TRUE(op.told.empty());
}

TEST_F(MarkersTest, TheCountCoversTheEditedCellOnly) {
  SetLines(S(u"a") + Sub + u"b", S(u"") + Sub);
  EditPage(0, [](PageRecord& p) { p.subCount = 7; });
  SetColumn(Line1Column);
  bench.pages.Subscript();
  EXPECT_EQ(Line1(), S(u"a") + Sub + u"b" + Sub);
  // Taking the new text over counts the markers of both lines, as printing will.
  EXPECT_EQ(page().subCount, 3);
  EXPECT_EQ(page().scriptCount, 3);

  // Ending in the marker: nothing is appended, and the count is what the text holds.
  EditPage(0, [](PageRecord& p) { p.subCount = 9; });
  bench.pages.Subscript();
  EXPECT_EQ(page().subCount, 3);
  EXPECT_EQ(Line1(), S(u"a") + Sub + u"b" + Sub);
}

TEST_F(MarkersTest, MarkersGoIntoTheEditedLineOrTheFirst) {
  struct Case {
    int currentColumn;
    std::u16string expected1, expected2;
  };
  const Case cases[] = {
      {Line1Column, S(u"A") + Sup, u"B"},
      {Line2Column, u"A", S(u"B") + Sup},
      {RepeatColumn, S(u"A") + Sup, u"B"},
      {PageColumn, S(u"A") + Sup, u"B"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.currentColumn);
    SetLines(u"A", u"B");
    EditPage(0, [](PageRecord& p) { p.fontSize = 3; });  // a second line is allowed
    SetColumn(c.currentColumn);
    bench.pages.Superscript();
    EXPECT_EQ(Line1(), c.expected1);
    EXPECT_EQ(Line2(), c.expected2);
    EXPECT_EQ(page().twoLines, 1);
    EXPECT_TRUE(op.told.empty());
  }
}

TEST_F(MarkersTest, RefusalsLeaveTheCellAndTheRecord) {
  const std::u16string full(40, u'x');
  const std::string lineQuery =
      "글꼴크기가 너무 커, 두줄인쇄에 적합하지 않습니다. 1에서 3사이의 글꼴을 선택해주세요!";
  enum Command { Super, Subs, Symbols };
  struct Case {
    const char* name;
    Command command;
    std::u16string line1, line2;
    int currentColumn;
    std::string message;
  };
  const Case cases[] = {
      {"superscript, full line", Super, full, u"", Line1Column, "입력 길이 초과!"},
      {"subscript, full line", Subs, full, u"", Line1Column, "Input is over length!"},
      {"symbols, full line", Symbols, full, u"", Line1Column, "입력 길이 초과!"},
      {"superscript, full line 2", Super, u"A", full, Line2Column, "입력 길이 초과!"},
      {"symbols, full line from column 5", Symbols, full, u"", RepeatColumn, "입력 길이 초과!"},
      // A one-line page at font size 4 may not get a second line.
      {"superscript, second line", Super, u"A", u"", Line2Column, lineQuery},
      {"subscript, second line", Subs, u"A", u"", Line2Column, lineQuery},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetLines(c.line1, c.line2);
    SetColumn(c.currentColumn);
    const q5300::Page pageBefore = *bench.document.PageAt(0);
    const int steps = UndoSteps();
    Pick({{0, 0}});
    switch (c.command) {
      case Super:
        bench.pages.Superscript();
        break;
      case Subs:
        bench.pages.Subscript();
        break;
      case Symbols:
        bench.pages.ElectricalSymbols();
        break;
    }
    ASSERT_EQ(op.told.size(), 1u);
    EXPECT_EQ(op.told[0].text, c.message);
    EXPECT_EQ(op.told[0].caption, "Prompt");
    op.told.clear();
    EXPECT_EQ(Line1(), c.line1);
    EXPECT_EQ(Line2(), c.line2);
    EXPECT_TRUE(*bench.document.PageAt(0) == pageBefore);
    EXPECT_EQ(UndoSteps(), steps);
  }
}

// A marker takes two bytes in a label file: it goes in only while the page's
// text stays within the record's 40 bytes, so no save can cut it off.
TEST_F(MarkersTest, AMarkerGoesInOnlyWhileTheTextFitsTheRecord) {
  EditPage(0, [](PageRecord& p) { p.autoLength = 1; });  // no length to keep to
  const struct {
    std::u16string line1;
    std::u16string line2;
    bool taken;
    int column = Line1Column;
  } cases[] = {
      {std::u16string(38, u'x'), u"", true},
      {std::u16string(39, u'x'), u"", false},
      {std::u16string(36, u'x'), u"y", true},  // 36 + separator + 1 + marker
      {std::u16string(37, u'x'), u"y", false},
      // Into line 2: its own bytes count, with the new marker.
      {u"y", std::u16string(36, u'x'), true, Line2Column},
      {u"y", std::u16string(37, u'x'), false, Line2Column},
  };
  for (const bool superscript : {true, false}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(::testing::Message() << c.line1.size() << " and " << c.line2.size());
      SetLines(c.line1, c.line2);
      EditPage(0, [&](PageRecord& p) { p.twoLines = c.line2.empty() ? 0 : 1; });
      SetColumn(c.column);
      superscript ? bench.pages.Superscript() : bench.pages.Subscript();
      const char16_t marker = superscript ? Sup : Sub;
      const std::u16string& edited = c.column == Line1Column ? c.line1 : c.line2;
      EXPECT_EQ(c.column == Line1Column ? Line1() : Line2(), c.taken ? edited + marker : edited);
      EXPECT_EQ(c.column == Line1Column ? Line2() : Line1(),
                c.column == Line1Column ? c.line2 : c.line1);
      EXPECT_EQ(superscript ? page().superCount : page().subCount, c.taken ? 1 : 0);
      const std::vector<std::string> expected =
          c.taken
              ? std::vector<std::string>{}
              : std::vector<std::string>{superscript ? "입력 길이 초과!" : "Input is over length!"};
      EXPECT_EQ(op.TakeTexts(), expected);
    }
  }
}

TEST_F(MarkersTest, SymbolsAreAppendedAndPrintedFromTheSymbolRow) {
  SetLines(u"AB", u"CD");
  SetColumn(Line2Column);  // no second-line query for symbols
  Pick({{1, 0}, {4, 13}, {0, 0}, {4, 12}});
  bench.pages.ElectricalSymbols();
  EXPECT_EQ(Line1(), u"AB");
  EXPECT_EQ(Line2(), u"CD\uE010\uE000\uE04C");
  // The page as the printer gets it, at once: its font keeps the symbols in the first row.
  EXPECT_EQ(RecordText(), "AB\x1A"
                          "CD\xA1\xB1\xA1\xA1\xA1\xED");
  EXPECT_EQ(op.pickerRuns, 1);

  // Every picked symbol goes in while the text fits the record's 40 bytes (a
  // symbol takes two); past them the symbols would not be printed, and the
  // operator is told instead.
  SetLines(std::u16string(34, u'x'), u"");
  SetColumn(FontSizeColumn);
  Pick({{0, 1}, {0, 2}, {0, 3}});
  bench.pages.ElectricalSymbols();
  EXPECT_EQ(Line1(), std::u16string(34, u'x') + u"\uE001\uE002\uE003");
  SetLines(std::u16string(35, u'x'), u"");
  bench.pages.ElectricalSymbols();
  EXPECT_EQ(Line1(), std::u16string(35, u'x'));
  EXPECT_EQ(op.TakeTexts(), std::vector<std::string>{"입력 길이 초과!"});
  // Into line 2, measured with line 2 as it would become.
  SetColumn(Line2Column);
  Pick({{0, 1}});
  SetLines(u"y", std::u16string(36, u'x'));
  bench.pages.ElectricalSymbols();
  EXPECT_EQ(Line2(), std::u16string(36, u'x') + u"\uE001");
  SetLines(u"y", std::u16string(37, u'x'));
  bench.pages.ElectricalSymbols();
  EXPECT_EQ(Line2(), std::u16string(37, u'x'));
  EXPECT_EQ(Line1(), u"y");
  EXPECT_EQ(op.TakeTexts(), std::vector<std::string>{"입력 길이 초과!"});

  // Cancel, or a cleared selection: nothing is added.
  SetLines(u"AB", u"");
  op.symbols = [](SymbolChoice& picker) {
    picker.DoubleClicked(Sheet, 0, 0);
    return false;
  };
  bench.pages.ElectricalSymbols();
  op.symbols = [](SymbolChoice& picker) {
    for (int i = 0; i < 3; ++i) picker.DoubleClicked(Sheet, 0, 0);
    picker.ClearSelection();
    return true;
  };
  bench.pages.ElectricalSymbols();
  EXPECT_EQ(Line1(), u"AB");
  EXPECT_TRUE(op.told.empty());
}

TEST_F(MarkersTest, AnOpenEditIsCommittedFirst) {
  SetColumn(Line1Column);
  window.Type(0, Line1Column, u"V");
  window.Run([&] { bench.pages.Subscript(); });
  EXPECT_EQ(Line1(), S(u"V") + Sub);

  window.Type(0, Line1Column, u"W");
  Pick({{2, 0}});
  window.Run([&] { bench.pages.ElectricalSymbols(); });
  EXPECT_EQ(Line1(), u"W\uE020");
  EXPECT_EQ(page().textLength, 3);  // the committed "W" and the symbol's two bytes
}

TEST_F(MarkersTest, NoCurrentPageNoCommand) {
  bench.pages.SetCurrentPage(-1);
  ASSERT_EQ(bench.document.currentRecord(), nullptr);
  Pick({{0, 0}});
  op.numbering = [](NumberingChoice&) { return true; };
  bench.pages.Superscript();
  bench.pages.Subscript();
  bench.pages.ElectricalSymbols();
  bench.pages.NumberingPressed();
  EXPECT_EQ(op.pickerRuns, 0);
  EXPECT_EQ(op.numberingRuns, 0);
  EXPECT_TRUE(op.told.empty());
  EXPECT_EQ(Line1(), u"");
}

}  // namespace
}  // namespace q5300

namespace q5300 {
namespace {

// A marker is measured as the printer gets it (one control byte), not as the
// double-byte character of a label file: it never makes a short text too long.
TEST_F(MarkersTest, AMarkerOnASetLengthPageIsMeasuredAsPrinted) {
  ASSERT_EQ(page().autoLength, 0);  // 20 mm
  for (const std::u16string& line :
       {std::u16string(u""), std::u16string(u"m"), std::u16string(u"가")}) {
    SetLines(line, u"");
    SetColumn(Line1Column);
    bench.pages.Superscript();
    EXPECT_EQ(Line1(), line + Sup);
    EXPECT_TRUE(op.TakeTexts().empty());
    EXPECT_LT(page().line1Width, 240);
  }
}

}  // namespace
}  // namespace q5300
