// The page panel: attributes of the current page or of it and the pages after it.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "EditingRig.h"
#include "editing/CellTexts.h"
#include "editing/PageFit.h"

namespace q5300 {
namespace {

using testing::ExpectNoMessage;
using testing::ExpectOneMessage;
using testing::Rig;

constexpr std::array<char, 2> Horizontal = {'0', '4'};
constexpr std::array<char, 2> Vertical = {'1', '3'};

void SetLength(Rig& r, std::u16string text) {
  r.bench.panel.LengthTextChanged(std::move(text));
  r.bench.panel.SetLengthPressed();
}

TEST(PagePanel, SetLengthRangeAndCode) {
  struct Case {
    std::u16string text;
    bool accepted;
    const char* code;
    uint16_t dots;
    std::u16string shown = {};  // when the field cuts the text
  } const cases[] = {
      {u"5.9", false, "", 0},
      {u"150.1", false, "", 0},
      {u"6", true, "6", 72},
      {u"150", true, "150", 1800},
      {u"20.5", true, "20", 246},
      // The dots are cut, not rounded: 244.8 and 246.0 (the field keeps one decimal).
      {u"20.4", true, "20", 244},
      {u"20.55", true, "20", 246, u"20.5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
    Rig r;
    r.Pages(2);
    r.MakeCurrent(0);
    r.bench.panel.ScopeChosen(ApplyScope::FollowingPages);
    const Rig::Snapshot before = r.Take();
    SetLength(r, c.text);
    if (!c.accepted) {
      ExpectOneMessage(r.op, "(6-150)까지의 길이를 설정하십시오!");
      r.ExpectUnchanged(before);
      EXPECT_EQ(r.job().defaults, before.defaults);
      // The box shows the current page's length again, and Set takes that.
      EXPECT_EQ(r.bench.document.controls().lengthText, u"20");
      r.bench.panel.SetLengthPressed();
      ExpectNoMessage(r.op);
      EXPECT_EQ(r.Page(1).lengthDots, 240);
      continue;
    }
    ExpectNoMessage(r.op);
    EXPECT_EQ(r.bench.document.controls().lengthText, c.shown.empty() ? c.text : c.shown);
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(FieldText(r.Page(i).lengthCode), c.code);
      EXPECT_EQ(r.Page(i).autoLength, 0);
      EXPECT_EQ(r.Page(i).lengthDots, c.dots);
      EXPECT_EQ(r.Page(i).limitDots, c.dots);
    }
    EXPECT_EQ(FieldText(r.job().defaults.lengthCode), c.code);
    EXPECT_FALSE(r.job().defaults.autoLength);
  }
}

TEST(PagePanel, SetLengthLeavesPagesThatWouldOverrunAsTheyWere) {
  Rig r;
  r.Pages(4);
  r.Type(0, u"A");
  r.Type(1, u"ABCD");
  r.Type(2, u"ABCD");
  r.Type(3, u"ABCD");
  r.MakeCurrent(1);
  SetLength(r, u"20.5");
  r.MakeCurrent(3);
  r.bench.panel.AutoLengthClicked();
  ExpectNoMessage(r.op);

  r.MakeCurrent(0);
  r.bench.panel.ScopeChosen(ApplyScope::FollowingPages);
  SetLength(r, u"10");
  ExpectOneMessage(r.op, "3 페이지는 길이 범위 초과로, 설정이 잘못되었습니다!");
  EXPECT_EQ(FieldText(r.Page(0).lengthCode), "10");
  EXPECT_EQ(r.Page(0).lengthDots, 120);
  // A refused page keeps its length to the dot, also the 20 mm a page has
  // before the set-length button was first pressed (its code still says "Au").
  EXPECT_EQ(FieldText(r.Page(1).lengthCode), "20");
  EXPECT_EQ(r.Page(1).lengthDots, 246);
  EXPECT_EQ(r.Page(1).limitDots, 246);
  EXPECT_EQ(FieldText(r.Page(2).lengthCode), "Au");
  EXPECT_EQ(r.Page(2).autoLength, 0);
  EXPECT_EQ(r.Page(2).lengthDots, 240);
  EXPECT_EQ(r.Page(2).limitDots, 240);
  // A page of automatic length stays automatic.
  EXPECT_EQ(FieldText(r.Page(3).lengthCode), "Au");
  EXPECT_EQ(r.Page(3).autoLength, 1);
  EXPECT_EQ(FieldText(r.job().defaults.lengthCode), "10");
  EXPECT_EQ(r.job().defaults.lengthMm, 10.0f);
}

TEST(PagePanel, AutomaticLengthAndAutomaticFontSizeExcludeEachOther) {
  Rig r;
  r.Pages(3);
  r.MakeCurrent(1);
  SetLength(r, u"20");
  r.bench.panel.FontSizeChosen(0);
  r.Type(1, std::u16string(40, u'A'));  // too long even at size 0
  ExpectOneMessage(r.op, "입력 길이 초과!");
  const uint8_t fittedSize = r.Page(1).fontSize;

  r.MakeCurrent(0);
  r.bench.panel.ScopeChosen(ApplyScope::FollowingPages);
  r.bench.panel.AutoLengthClicked();
  ExpectOneMessage(r.op,
                   "1 페이지는 자동 글꼴 크기가 설정되어, 자동 길이 설정을 할 수 없습니다. "
                   "설정이 잘못되었습니다!");
  for (int i : {0, 2}) {
    EXPECT_EQ(r.Page(i).autoLength, 1);
    EXPECT_EQ(FieldText(r.Page(i).lengthCode), "Au");
  }
  EXPECT_EQ(r.Page(1).autoLength, 0);
  EXPECT_EQ(FieldText(r.Page(1).lengthCode), "20");
  EXPECT_TRUE(r.bench.document.controls().autoLength);
  EXPECT_FALSE(r.bench.document.controls().lengthEditEnabled);
  EXPECT_TRUE(r.job().defaults.autoLength);

  const Rig::Snapshot before = r.Take();
  r.bench.panel.FontSizeChosen(0);
  ExpectOneMessage(r.op,
                   "2 페이지는 자동 길이가 설정되어 있어,자동으로 글꼴 크기를 설정할 수 없습니다! "
                   "\r\n1 페이지는 길이의 범위가 초과되어, 다른 글꼴을 선택하십시오! \r\n");
  r.ExpectUnchanged(before);
  EXPECT_EQ(r.Page(1).fontSize, fittedSize);
  // The current page was refused: the box shows its size.
  EXPECT_EQ(r.bench.document.controls().fontSize, 4);
}

TEST(PagePanel, APageAddedAfterAutomaticLengthHasAutomaticLength) {
  Rig r;
  SetLength(r, u"30");
  r.bench.panel.AutoLengthClicked();
  r.bench.pages.Add();
  ExpectNoMessage(r.op);
  EXPECT_EQ(r.Page(1).autoLength, 1);
  EXPECT_EQ(FieldText(r.Page(1).lengthCode), "Au");
  EXPECT_EQ(FieldText(r.job().defaults.lengthCode), "Au");
  EXPECT_TRUE(r.job().defaults.autoLength);
}

TEST(PagePanel, AutomaticFontSizeTakesTheLargestSizeThatFits) {
  // A 20 mm page holds 192 dots of text.
  struct Case {
    std::u16string text;
    int size;  // -1: refused
  } const cases[] = {
      {u"AB", 6},
      {u"ABCD", 5},
      {u"ABCDE", 3},
      {u"ABCDEFGH", 2},
      {std::u16string(12, u'A'), 1},
      {std::u16string(13, u'A'), 0},  // none of 1..6 fits; the smallest print does
      {std::u16string(40, u'A'), -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.size());
    Rig r;
    r.Type(0, c.text);
    r.op.told.clear();
    r.bench.panel.FontSizeChosen(0);
    // The box shows the page: automatic, or the size it kept when refused.
    EXPECT_EQ(r.bench.document.controls().fontSize, c.size < 0 ? 4 : 0);
    EXPECT_TRUE(r.job().defaults.autoFont);
    EXPECT_EQ(r.job().defaults.fontSize, 0);
    if (c.size < 0) {
      ExpectOneMessage(r.op, "1 페이지는 길이의 범위가 초과되어, 다른 글꼴을 선택하십시오! \r\n");
      EXPECT_EQ(r.Page(0).autoFont, 0);
      EXPECT_EQ(r.Page(0).fontSize, 4);
      EXPECT_EQ(r.Cell(0, FontSizeColumn), u"4");
      continue;
    }
    ExpectNoMessage(r.op);
    EXPECT_EQ(r.Page(0).autoFont, 1);
    EXPECT_EQ(r.Page(0).fontSize, c.size);
    EXPECT_EQ(r.Cell(0, FontSizeColumn), u"0");
  }
}

TEST(PagePanel, FitFontSizeShrinksOrKeepsTheSizeItHad) {
  Rig r;
  r.Pages(2);
  r.Type(0, u"ABCD");
  r.Type(1, std::u16string(40, u'A'));
  r.op.told.clear();
  // Fitted on copies of the pages: fitting is a function of the record alone.
  const JobSettings& settings = r.job().settings;
  PageRecord fits = r.Page(0);
  fits.fontSize = 6;
  EXPECT_TRUE(FitFontSize(fits, settings));
  EXPECT_EQ(fits.fontSize, 5);
  PageRecord never = r.Page(1);
  never.fontSize = 3;
  EXPECT_FALSE(FitFontSize(never, settings));
  EXPECT_EQ(never.fontSize, 3);
  // Lengthened past what size 1 holds, though the smallest print (size 0) would fit:
  // the page keeps its size.
  r.Type(1, std::u16string(13, u'A'));
  r.op.told.clear();
  never = r.Page(1);
  never.fontSize = 3;
  EXPECT_FALSE(FitFontSize(never, settings));
  EXPECT_EQ(never.fontSize, 3);
  EXPECT_EQ(never.line1Width, 13 * 32);
}

TEST(PagePanel, TwoLinePagesRefuseSizes4To6) {
  for (const int size : {4, 5, 6}) {
    SCOPED_TRACE(size);
    Rig r;
    r.FontSize(0, 3);
    r.TypeLines(0, u"AB", u"CD");
    ExpectNoMessage(r.op);
    const Rig::Snapshot before = r.Take();
    r.bench.panel.FontSizeChosen(size);
    ExpectOneMessage(
        r.op, "1 페이지의 글꼴 크기가 2줄 인쇄에 적합하지 않아, 다른 글꼴 크기를 선택하십시오\r\n");
    r.ExpectUnchanged(before);
    EXPECT_EQ(r.bench.document.controls().fontSize, 3);  // the page's, which stays
    EXPECT_EQ(r.job().defaults.fontSize, size);
    r.bench.pages.Add();
    EXPECT_EQ(r.Page(1).fontSize, size);
    EXPECT_EQ(r.Cell(1, FontSizeColumn), NumberCellText(size));
  }
}

TEST(PagePanel, FixedSizeMessagesJoinInOrder) {
  Rig r;
  r.Pages(3);
  r.Type(0, u"ABCD");
  r.FontSize(1, 3);
  r.TypeLines(1, u"AB", u"CD");
  r.MakeCurrent(0);
  r.bench.panel.ScopeChosen(ApplyScope::FollowingPages);
  r.bench.panel.FontSizeChosen(6);
  ExpectOneMessage(
      r.op,
      "1 페이지의 글꼴 크기가 2줄 인쇄에 적합하지 않아, 다른 글꼴 크기를 선택하십시오\r\n"
      "1 페이지의 길이가 범위를 초과하여, 다른 글꼴 크기를 선택하십시오 !\r\n");
  EXPECT_EQ(r.Page(0).fontSize, 4);
  EXPECT_EQ(r.Cell(0, FontSizeColumn), u"4");
  EXPECT_EQ(r.Page(1).fontSize, 3);
  EXPECT_EQ(r.Page(2).fontSize, 6);
  EXPECT_EQ(r.Cell(2, FontSizeColumn), u"6");
}

TEST(PagePanel, VerticalStopsAtAPageThatCannotStand) {
  struct Case {
    const char* name;
    std::function<void(Rig&)> makeThirdPage;
    bool refused;
  } const cases[] = {
      {"numbering", [](Rig& r) { r.Type(2, u"N\uE04D"); }, true},
      {"superscript", [](Rig& r) { r.Type(2, u"m\uE0512"); }, true},
      {"half width, two lines",
       [](Rig& r) {
         r.MakeCurrent(2);
         r.bench.panel.WidthChosen(1);
         r.TypeLines(2, u"A", u"B");
       },
       true},
      {"half width, one line",
       [](Rig& r) {
         r.MakeCurrent(2);
         r.bench.panel.WidthChosen(1);
       },
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig r;
    r.Pages(4);
    for (int i = 0; i < 4; ++i) r.Type(i, u"A");
    c.makeThirdPage(r);
    ExpectNoMessage(r.op);
    r.MakeCurrent(0);
    r.bench.panel.ScopeChosen(ApplyScope::FollowingPages);
    r.bench.panel.DirectionChosen(1);
    const int verticalPages = c.refused ? 2 : 4;
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(r.Page(i).direction, i < verticalPages ? Vertical : Horizontal) << i;
      EXPECT_EQ(r.Cell(i, DirectionColumn), i < verticalPages ? u"Vertical" : u"Horizontal") << i;
    }
    if (!c.refused) {
      ExpectNoMessage(r.op);
      continue;
    }
    ExpectOneMessage(r.op, "세로쓰기불가!");
    EXPECT_EQ(r.bench.document.controls().direction, 1);  // the current page stands upright
    EXPECT_EQ(r.job().defaults.direction, Horizontal);
    r.bench.pages.Add();
    EXPECT_EQ(r.Cell(1, DirectionColumn), u"Horizontal");
  }
}

TEST(PagePanel, DirectionRefitsAPageOfAutomaticFontSize) {
  Rig r;
  r.bench.panel.WidthChosen(1);
  r.bench.panel.FontSizeChosen(0);
  r.Type(0, u"ABCDEF");  // half width: 32 dots a letter at size 6 across, 64 upright
  ExpectNoMessage(r.op);
  ASSERT_EQ(r.Page(0).fontSize, 6);
  r.bench.panel.DirectionChosen(1);
  ExpectNoMessage(r.op);
  EXPECT_EQ(r.Page(0).direction, Vertical);
  EXPECT_EQ(r.Page(0).fontSize, 3);
  EXPECT_EQ(r.Page(0).autoFont, 1);
  r.bench.panel.DirectionChosen(0);
  ExpectNoMessage(r.op);
  EXPECT_EQ(r.Page(0).direction, Horizontal);
  EXPECT_EQ(r.Page(0).fontSize, 6);
}

TEST(PagePanel, DirectionThatOverrunsIsUndoneForThatPage) {
  Rig r;
  r.Pages(2);
  r.MakeCurrent(0);
  r.bench.panel.WidthChosen(1);
  r.Type(0, u"ABCDEF");  // half width: 144 dots across, 240 upright
  r.Type(1, u"A");
  ExpectNoMessage(r.op);
  r.MakeCurrent(0);
  r.bench.panel.ScopeChosen(ApplyScope::FollowingPages);
  r.bench.panel.DirectionChosen(1);
  ExpectOneMessage(r.op, "1 페이지 길이초과.\r\n 수평/수직 방향이 잘못 설정되어 있습니다,");
  EXPECT_EQ(r.Page(0).direction, Horizontal);
  EXPECT_EQ(r.Cell(0, DirectionColumn), u"Horizontal");
  EXPECT_EQ(r.Page(1).direction, Vertical);
  EXPECT_EQ(r.Cell(1, DirectionColumn), u"Vertical");
  EXPECT_EQ(r.bench.document.controls().direction, 0);  // the current page stayed across
  EXPECT_EQ(r.job().defaults.direction, Vertical);
}

TEST(PagePanel, ScopeIsTheCurrentPageOrItAndThePagesAfterIt) {
  struct Case {
    const char* name;
    std::function<void(PanelCommands&)> apply;
    std::function<void(Rig&, int)> expectChanged;
  } const cases[] = {
      {"frame", [](PanelCommands& e) { e.FrameChosen(1); },
       [](Rig& r, int i) {
         EXPECT_EQ(r.Page(i).frame, 'F');
         EXPECT_EQ(r.Cell(i, FrameColumn), u"Frame");
       }},
      {"underline", [](PanelCommands& e) { e.FrameChosen(2); },
       [](Rig& r, int i) {
         EXPECT_EQ(r.Page(i).frame, 'L');
         EXPECT_EQ(r.Cell(i, FrameColumn), u"Underline");
       }},
      {"half width", [](PanelCommands& e) { e.WidthChosen(1); },
       [](Rig& r, int i) {
         EXPECT_EQ(r.Page(i).halfWidth, 1);
         EXPECT_EQ(r.Cell(i, ZoomColumn), u"반각");
       }},
      {"repeat",
       [](PanelCommands& e) {
         e.RepeatTextChanged(u"12");
         e.SetRepeatPressed();
       },
       [](Rig& r, int i) {
         EXPECT_EQ(r.Page(i).repeatCount, 12);
         EXPECT_EQ(FieldText(r.Page(i).repeatText), "12");
         EXPECT_EQ(FieldText(r.Page(i).repeatCode), "0012");
         EXPECT_EQ(r.Cell(i, RepeatColumn), u"12");
       }},
      {"font size", [](PanelCommands& e) { e.FontSizeChosen(2); },
       [](Rig& r, int i) {
         EXPECT_EQ(r.Page(i).fontSize, 2);
         EXPECT_EQ(r.Cell(i, FontSizeColumn), u"2");
       }},
      {"direction", [](PanelCommands& e) { e.DirectionChosen(1); },
       [](Rig& r, int i) {
         EXPECT_EQ(r.Page(i).direction, Vertical);
         EXPECT_EQ(r.Cell(i, DirectionColumn), u"Vertical");
       }},
      {"automatic length", [](PanelCommands& e) { e.AutoLengthClicked(); },
       [](Rig& r, int i) {
         EXPECT_EQ(r.Page(i).autoLength, 1);
         EXPECT_EQ(FieldText(r.Page(i).lengthCode), "Au");
       }},
      {"set length",
       [](PanelCommands& e) {
         e.LengthTextChanged(u"30");
         e.SetLengthPressed();
       },
       [](Rig& r, int i) {
         EXPECT_EQ(r.Page(i).autoLength, 0);
         EXPECT_EQ(FieldText(r.Page(i).lengthCode), "30");
         EXPECT_EQ(r.Page(i).lengthDots, 360);
       }},
  };
  for (const Case& c : cases) {
    for (const ApplyScope scope : {ApplyScope::CurrentPage, ApplyScope::FollowingPages}) {
      SCOPED_TRACE(c.name);
      Rig r;
      r.Pages(4);
      r.MakeCurrent(1);
      r.bench.panel.ScopeChosen(scope);
      const Rig::Snapshot before = r.Take();
      c.apply(r.bench.panel);
      ExpectNoMessage(r.op);
      const std::vector<int> changed =
          scope == ApplyScope::CurrentPage ? std::vector<int>{1} : std::vector<int>{1, 2, 3};
      for (int i : changed) c.expectChanged(r, i);
      r.ExpectUnchanged(before, changed);
    }
  }
}

TEST(PagePanel, FrameBoxMapsAnyOtherItemToNone) {
  Rig r;
  r.bench.panel.FrameChosen(1);
  r.bench.panel.FrameChosen(5);
  EXPECT_EQ(r.Page(0).frame, 'N');
  EXPECT_EQ(r.Cell(0, FrameColumn), u"None");
  EXPECT_EQ(r.bench.document.controls().frame, 0);
  EXPECT_EQ(r.job().defaults.frame, 'N');
}

TEST(PagePanel, SetRepeatRange) {
  struct Case {
    std::u16string text;
    bool accepted;
    const char* code;
  } const cases[] = {
      {u"0", false, ""}, {u"201", false, ""}, {u"200", true, "0200"}, {u"1", true, "0001"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
    Rig r;
    r.bench.panel.RepeatTextChanged(u"7");
    r.bench.panel.SetRepeatPressed();
    const Rig::Snapshot before = r.Take();
    r.bench.panel.RepeatTextChanged(c.text);
    r.bench.panel.SetRepeatPressed();
    if (!c.accepted) {
      ExpectOneMessage(r.op, "(1-200) 반복!");
      r.ExpectUnchanged(before);
      EXPECT_EQ(r.job().defaults.repeatCount, 7);
      EXPECT_EQ(r.bench.document.controls().repeatText, u"7");  // the page's count
      continue;
    }
    ExpectNoMessage(r.op);
    EXPECT_EQ(FieldText(r.Page(0).repeatCode), c.code);
    EXPECT_EQ(r.Cell(0, RepeatColumn), c.text);
    EXPECT_EQ(r.job().defaults.repeatCount, r.Page(0).repeatCount);
  }
}

TEST(PagePanel, EachSetButtonNeedsANumberInItsOwnEdit) {
  struct Case {
    std::u16string length;
    std::u16string repeat;
    bool lengthButton;
    const char* refusal;  // nullptr: applied
  } const cases[] = {
      {u"", u"5", true, "Please enter a number."},
      {u"", u"5", false, nullptr},
      {u"30", u"", false, "Please enter an integer."},
      {u"30", u"x", false, "Please enter an integer."},
      {u"30", u"x", true, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.refusal != nullptr ? c.refusal : c.lengthButton ? "length" : "repeat");
    Rig r;
    const Rig::Snapshot before = r.Take();
    r.bench.panel.LengthTextChanged(c.length);
    r.bench.panel.RepeatTextChanged(c.repeat);
    c.lengthButton ? r.bench.panel.SetLengthPressed() : r.bench.panel.SetRepeatPressed();
    if (c.refusal != nullptr) {
      ExpectOneMessage(r.op, c.refusal);
      r.ExpectUnchanged(before);
      EXPECT_EQ(r.job().defaults, before.defaults);
      continue;
    }
    ExpectNoMessage(r.op);
    if (c.lengthButton) {
      EXPECT_EQ(FieldText(r.Page(0).lengthCode), "30");
    } else {
      EXPECT_EQ(r.Page(0).repeatCount, 5);
    }
  }
}

TEST(PagePanel, LengthFieldTakesFiveCharactersWithOneDecimal) {
  struct Case {
    std::u16string typed;
    std::u16string shown;
  } const cases[] = {
      {u"12.34", u"12.3"},  {u"1a5", u"1"},          {u"a12", u""}, {u"123456", u"12345"},
      {u"150.5", u"150.5"}, {u"1.2.", u"1.2"},       {u"가1", u""}, {u"", u""},
      {u"1a3456", u"1"},    {u"12.345678", u"12.3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.typed.begin(), c.typed.end()));
    Rig r;
    r.bench.panel.LengthTextChanged(c.typed);
    EXPECT_EQ(r.bench.document.controls().lengthText, c.shown);
  }
}

}  // namespace
}  // namespace q5300
