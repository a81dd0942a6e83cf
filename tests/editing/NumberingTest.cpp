#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "EditingRig.h"
#include "data/FixedField.h"
#include "editing/NumberingChoice.h"

namespace q5300 {
namespace {

constexpr char16_t N = u'\uE04D';  // number
constexpr char16_t F = u'\uE04E';  // fixed-length and hexadecimal
constexpr char16_t U = u'\uE04F';  // capital letters
constexpr char16_t L = u'\uE050';  // small letters

std::u16string S(std::u16string_view text) {
  return std::u16string(text);
}

class NumberingTest : public testing::CommandTest {
 protected:
  // The operator chooses `kind`, enters the values and presses OK.
  void Answer(NumberingKind kind, std::u16string start, std::u16string end) {
    op.numbering = [=](NumberingChoice& dialog) {
      dialog.KindClicked(kind);
      dialog.TextChanged(NumBox::Start, start);
      dialog.TextChanged(NumBox::End, end);
      return dialog.Accept().ok();
    };
  }
  void SetNumbering(NumberingKind kind, std::string_view start, std::string_view end) {
    NumberingFields fields;
    fields.flags[static_cast<std::size_t>(kind)] = 1;
    SetField(fields.start, start);
    SetField(fields.end, end);
    EditPage(0, [&](PageRecord& p) { StoreNumberingFields(p, fields); });
  }
};

TEST_F(NumberingTest, PlaceholderIsTurnedInPlaceOrAppendedToTheEditedLine) {
  struct Case {
    std::u16string line1, line2;
    int currentColumn;
    NumberingKind kind;
    std::u16string expected1, expected2;
  };
  const Case cases[] = {
      {u"AB", u"", Line1Column, NumberingKind::Number, S(u"AB") + N, u""},
      {u"AB", u"CD", Line2Column, NumberingKind::Number, u"AB", S(u"CD") + N},
      {u"AB", u"", RepeatColumn, NumberingKind::Upper, S(u"AB") + U, u""},
      {u"", u"", PageColumn, NumberingKind::Hex2, S(u"") + F, u""},
      // Another kind's placeholder turns into the chosen one; nothing is appended.
      {S(u"A") + U + u"B", u"", Line1Column, NumberingKind::Number, S(u"A") + N + u"B", u""},
      {u"AB", S(u"C") + L, Line1Column, NumberingKind::Hex2, u"AB", S(u"C") + F},
      {S(u"A") + U, u"B", Line2Column, NumberingKind::Lower, S(u"A") + L, u"B"},
      // The number placeholder is looked for first, then the fixed, small, capital.
      {S(u"") + U + N, u"", Line1Column, NumberingKind::Lower, S(u"") + U + L, u""},
      {S(u"") + U + L, u"", Line1Column, NumberingKind::Number, S(u"") + U + N, u""},
      // Line 1 goes first, and only its first placeholder changes.
      {S(u"") + U + U, S(u"") + N, Line2Column, NumberingKind::Lower, S(u"") + L + U, S(u"") + N},
      // The chosen kind's placeholder already stands somewhere: nothing is added.
      {u"X", S(u"") + N, Line1Column, NumberingKind::Number, u"X", S(u"") + N},
      {S(u"") + F, u"", Line1Column, NumberingKind::Fixed, S(u"") + F, u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.expected1) + " " +
                 ::testing::PrintToString(c.expected2));
    SetLines(c.line1, c.line2);
    SetColumn(c.currentColumn);
    const bool letters = c.kind == NumberingKind::Upper || c.kind == NumberingKind::Lower;
    Answer(c.kind, letters ? u"b" : u"1", letters ? u"d" : u"9");
    bench.pages.NumberingPressed();
    EXPECT_EQ(Line1(), c.expected1);
    EXPECT_EQ(Line2(), c.expected2);
    // The page keeps the kind chosen (a placeholder of another kind that stays in
    // the text wins in print).
    EXPECT_EQ(NumberingFieldsOf(Record(0)).flags[static_cast<std::size_t>(c.kind)], 1);
    EXPECT_EQ(Record(0).hasNumbering, 1);
    EXPECT_TRUE(op.told.empty());
  }
}

TEST_F(NumberingTest, OkStoresKindAndValuesInThePage) {
  SetLines(u"AB", u"");
  SetColumn(Line1Column);
  const uint16_t repeatBefore = page().repeatCount;
  const uint8_t fontBefore = page().fontSize;

  Answer(NumberingKind::Number, u"007", u"120");
  bench.pages.NumberingPressed();
  EXPECT_EQ(FieldText(page().numStart), "7");
  EXPECT_EQ(FieldText(page().numEnd), "120");
  EXPECT_EQ(page().numNumber, 1);

  // Another kind: the flags follow, the placeholder changes where it stands.
  Answer(NumberingKind::Hex2, u"ab", u"F");
  bench.pages.NumberingPressed();
  EXPECT_EQ(FieldText(page().numStart), "171");
  EXPECT_EQ(FieldText(page().numEnd), "15");
  EXPECT_EQ(page().numNumber, 0);
  EXPECT_EQ(page().numHex2, 1);
  EXPECT_EQ(Line1(), S(u"AB") + F);

  // Reopening shows the hexadecimal values again.
  std::u16string shownStart;
  op.numbering = [&](NumberingChoice& dialog) {
    shownStart = dialog.text(NumBox::Start);
    return false;
  };
  bench.pages.NumberingPressed();
  EXPECT_EQ(shownStart, u"AB");

  // The same kind again changes the values only.
  Answer(NumberingKind::Hex2, u"01", u"FF");
  bench.pages.NumberingPressed();
  EXPECT_EQ(Line1(), S(u"AB") + F);
  EXPECT_EQ(FieldText(page().numStart), "1");
  EXPECT_EQ(FieldText(page().numEnd), "255");
  EXPECT_EQ(page().repeatCount, repeatBefore);
  EXPECT_EQ(page().fontSize, fontBefore);
  EXPECT_TRUE(op.told.empty());
}

TEST_F(NumberingTest, AnOpenEditIsCommittedBeforeThePlaceholderIsAdded) {
  SetColumn(Line1Column);
  window.Type(0, Line1Column, u"AB");
  Answer(NumberingKind::Upper, u"a", u"z");
  window.Run([&] { bench.pages.NumberingPressed(); });
  EXPECT_EQ(Line1(), S(u"AB") + U);
  EXPECT_EQ(FieldText(page().numStart), "A");
  EXPECT_EQ(FieldText(page().numEnd), "Z");
}

TEST_F(NumberingTest, RefusalsLeaveThePageAndTheGridAsTheyWere) {
  const std::u16string full(40, u'x');
  const std::u16string almost(39, u'x');
  struct Case {
    const char* name;
    std::u16string line1, line2;
    int currentColumn;
    bool vertical;
    bool cancel;
    std::optional<std::string> message;
    int dialogRuns;
  };
  const Case cases[] = {
      {"vertical", u"AB", u"", Line1Column, true, false, "세로쓰기불가!", 0},
      {"cancel", S(u"AB") + U, u"", Line1Column, false, true, std::nullopt, 1},
      {"full line 1", full, u"", Line1Column, false, false, "입력 길이 초과!", 1},
      {"full line 2", u"AB", full, Line2Column, false, false, "입력 길이 초과!", 1},
      // The edited cell counts, even when the placeholder would go elsewhere.
      {"full cell, placeholder in the other line", S(u"A") + U, full, Line2Column, false, false,
       "입력 길이 초과!", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetLines(c.line1, c.line2);
    SetColumn(c.currentColumn);
    SetNumbering(NumberingKind::Upper, "B", "D");
    EditPage(0, [&](PageRecord& p) {
      p.direction = c.vertical ? std::array<char, 2>{'1', '3'} : std::array<char, 2>{'0', '4'};
    });
    const NumberingFields before = NumberingFieldsOf(Record(0));
    op.numberingRuns = 0;
    op.numbering = [&](NumberingChoice& dialog) {
      dialog.KindClicked(NumberingKind::Number);
      dialog.TextChanged(NumBox::Start, u"5");
      dialog.TextChanged(NumBox::End, u"6");
      return dialog.Accept().ok() && !c.cancel;
    };

    bench.pages.NumberingPressed();
    EXPECT_EQ(op.numberingRuns, c.dialogRuns);
    if (c.message) {
      ASSERT_EQ(op.told.size(), 1u);
      EXPECT_EQ(op.told[0].text, *c.message);
      EXPECT_EQ(op.told[0].caption, "Prompt");
    } else {
      EXPECT_TRUE(op.told.empty());
    }
    op.told.clear();
    EXPECT_EQ(NumberingFieldsOf(Record(0)), before);
    EXPECT_EQ(Record(0).hasNumbering, 1);
    EXPECT_EQ(Line1(), c.line1);
    EXPECT_EQ(Line2(), c.line2);
  }

  // One character less is still taken.
  SetLines(almost, u"");
  SetColumn(Line1Column);
  EditPage(0, [](PageRecord& p) { p.direction = {'0', '4'}; });
  Answer(NumberingKind::Number, u"1", u"2");
  bench.pages.NumberingPressed();
  EXPECT_TRUE(op.told.empty());
  EXPECT_EQ(Line1(), almost + N);
}

}  // namespace
}  // namespace q5300
