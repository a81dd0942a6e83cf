#include "editing/NumberingChoice.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "data/FixedField.h"

namespace q5300 {
namespace {

NumberingFields Fields(std::optional<NumberingKind> kind, std::string_view start,
                       std::string_view end) {
  NumberingFields fields;
  if (kind) fields.flags[static_cast<std::size_t>(*kind)] = 1;
  SetField(fields.start, start);
  SetField(fields.end, end);
  return fields;
}

TEST(NumberingChoice, OpensOnTheStoredKindAndValues) {
  struct Case {
    std::optional<NumberingKind> kind;
    std::string_view start, end;
    NumberingKind checked;
    std::u16string_view startText, endText;
  };
  const Case cases[] = {
      {std::nullopt, "", "", NumberingKind::Number, u"", u""},
      {NumberingKind::Number, "7", "120", NumberingKind::Number, u"7", u"120"},
      {NumberingKind::Fixed, "007", "099", NumberingKind::Fixed, u"007", u"099"},
      {NumberingKind::Hex2, "171", "5", NumberingKind::Hex2, u"AB", u"05"},
      {NumberingKind::Hex2, "", "255", NumberingKind::Hex2, u"00", u"FF"},
      {NumberingKind::Hex1, "11", "", NumberingKind::Hex1, u"B", u"0"},
      {NumberingKind::Upper, "C", "X", NumberingKind::Upper, u"C", u"X"},
      {NumberingKind::Lower, "a", "z", NumberingKind::Lower, u"a", u"z"},
      // Values from a label file that the kind cannot take leave the box empty.
      {NumberingKind::Hex2, "300", "1x", NumberingKind::Hex2, u"", u""},
      {NumberingKind::Hex1, "16", "15", NumberingKind::Hex1, u"", u"F"},
      {NumberingKind::Number, "ab", "12", NumberingKind::Number, u"", u"12"},
      {NumberingKind::Upper, "171", "q", NumberingKind::Upper, u"", u"Q"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.start) + " / " + std::string(c.end));
    const NumberingFields fields = Fields(c.kind, c.start, c.end);
    const NumberingChoice dialog(fields);
    EXPECT_EQ(dialog.checkedKind(), c.checked);
    EXPECT_EQ(dialog.text(NumBox::Start), c.startText);
    EXPECT_EQ(dialog.text(NumBox::End), c.endText);
    EXPECT_EQ(dialog.fields(), fields);
  }

  // Two flags from a damaged file: the first in the record's order wins.
  NumberingFields two = Fields(NumberingKind::Upper, "A", "B");
  two.flags[static_cast<std::size_t>(NumberingKind::Fixed)] = 1;
  EXPECT_EQ(NumberingChoice(two).checkedKind(), NumberingKind::Fixed);
}

TEST(NumberingChoice, BoxesTakeWhatTheChosenKindAllows) {
  struct Case {
    NumberingKind kind;
    std::u16string_view typed;
    std::u16string_view shown;
  };
  const Case cases[] = {
      {NumberingKind::Number, u"12a34", u"123"}, {NumberingKind::Fixed, u"0\b07", u"07"},
      {NumberingKind::Upper, u"ab", u"A"},       {NumberingKind::Upper, u"1", u""},
      {NumberingKind::Lower, u"Q", u"q"},        {NumberingKind::Hex2, u"ab", u"AB"},
      {NumberingKind::Hex2, u"F", u"F"},         {NumberingKind::Hex2, u"123", u"12"},
      {NumberingKind::Hex2, u"G", u""},          {NumberingKind::Hex2, u"aG", u""},
      {NumberingKind::Hex2, u"aGc", u"C"},       {NumberingKind::Hex2, u"1-", u""},
      {NumberingKind::Hex2, u" 1", u"1"},        {NumberingKind::Hex2, u"가", u""},
      {NumberingKind::Hex1, u"f", u"F"},         {NumberingKind::Hex1, u"z", u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.typed.begin(), c.typed.end()));
    NumberingChoice dialog(Fields(std::nullopt, "", ""));
    dialog.KindClicked(c.kind);
    for (const char16_t ch : c.typed) dialog.Typed(NumBox::End, ch);
    EXPECT_EQ(dialog.text(NumBox::End), c.shown);
    EXPECT_EQ(dialog.text(NumBox::Start), u"");
  }

  // Pasted text goes through the same rules as typed text.
  NumberingChoice dialog(Fields(std::nullopt, "", ""));
  dialog.TextChanged(NumBox::Start, u"a1b2c3d4");
  EXPECT_EQ(dialog.text(NumBox::Start), u"123");
  dialog.KindClicked(NumberingKind::Hex2);
  dialog.TextChanged(NumBox::Start, u"fe");
  EXPECT_EQ(dialog.text(NumBox::Start), u"FE");
  dialog.TextChanged(NumBox::Start, u"f.");
  EXPECT_EQ(dialog.text(NumBox::Start), u"");
}

TEST(NumberingChoice, ARadioClickEmptiesBothBoxes) {
  NumberingChoice dialog(Fields(NumberingKind::Hex2, "171", "255"));
  ASSERT_EQ(dialog.text(NumBox::Start), u"AB");
  dialog.KindClicked(NumberingKind::Lower);
  EXPECT_EQ(dialog.checkedKind(), NumberingKind::Lower);
  EXPECT_EQ(dialog.text(NumBox::Start), u"");
  EXPECT_EQ(dialog.text(NumBox::End), u"");
  EXPECT_EQ(dialog.boxMode(), (BoxMode{FilterMode::LettersOnly, 1, CaseMode::Lower}));
}

TEST(NumberingChoice, AcceptStoresTheValueThePrinterCountsFrom) {
  struct Case {
    NumberingKind kind;
    std::u16string_view start, end;
    std::string_view storedStart, storedEnd;
    std::u16string_view reopenedStart, reopenedEnd;
  };
  const Case cases[] = {
      {NumberingKind::Number, u"007", u"120", "7", "120", u"7", u"120"},
      {NumberingKind::Number, u"000", u"999", "0", "999", u"0", u"999"},
      {NumberingKind::Fixed, u"007", u"120", "007", "120", u"007", u"120"},
      {NumberingKind::Hex2, u"AB", u"F", "171", "15", u"AB", u"0F"},
      {NumberingKind::Hex2, u"0F", u"FF", "15", "255", u"0F", u"FF"},
      {NumberingKind::Hex1, u"B", u"0", "11", "0", u"B", u"0"},
      {NumberingKind::Upper, u"C", u"A", "C", "A", u"C", u"A"},  // start above end is taken
      {NumberingKind::Lower, u"a", u"z", "a", "z", u"a", u"z"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.storedStart) + " / " + std::string(c.storedEnd));
    NumberingChoice dialog(Fields(NumberingKind::Upper, "Q", "R"));
    dialog.KindClicked(c.kind);
    dialog.TextChanged(NumBox::Start, std::u16string(c.start));
    dialog.TextChanged(NumBox::End, std::u16string(c.end));
    ASSERT_TRUE(dialog.Accept().ok());
    EXPECT_EQ(dialog.fields(), Fields(c.kind, c.storedStart, c.storedEnd));

    const NumberingChoice reopened(dialog.fields());
    EXPECT_EQ(reopened.checkedKind(), c.kind);
    EXPECT_EQ(reopened.text(NumBox::Start), c.reopenedStart);
    EXPECT_EQ(reopened.text(NumBox::End), c.reopenedEnd);
  }
}

TEST(NumberingChoice, AnEmptyBoxKeepsTheDialogOpen) {
  NumberingChoice dialog(Fields(NumberingKind::Number, "1", "9"));
  dialog.KindClicked(NumberingKind::Fixed);
  Status status = dialog.Accept();
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.failure().text, "시작 문자를 입력해주세요!");
  EXPECT_EQ(status.failure().caption, "알림");
  EXPECT_EQ(dialog.fields().start, Fields(std::nullopt, "1", "").start);

  dialog.TextChanged(NumBox::Start, u"05");
  status = dialog.Accept();
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.failure().text, "종료 문자를 입력해주세요!");
  EXPECT_EQ(status.failure().caption, "알림");
  EXPECT_EQ(dialog.fields().end, Fields(std::nullopt, "", "9").end);

  dialog.TextChanged(NumBox::End, u"50");
  EXPECT_TRUE(dialog.Accept().ok());
  EXPECT_EQ(dialog.fields(), Fields(NumberingKind::Fixed, "05", "50"));
}

TEST(NumberingChoice, PageFieldsGoInAndOutWithHasNumbering) {
  PageRecord page;
  page.numUpper = 1;
  page.hasNumbering = 1;
  SetField(page.numStart, "B");
  const NumberingFields in = NumberingFieldsOf(page);
  EXPECT_EQ(in, Fields(NumberingKind::Upper, "B", ""));

  StoreNumberingFields(page, Fields(NumberingKind::Hex1, "3", "12"));
  EXPECT_EQ(page.numUpper, 0);
  EXPECT_EQ(page.numHex1, 1);
  EXPECT_EQ(page.hasNumbering, 1);
  EXPECT_EQ(FieldText(page.numEnd), "12");
  StoreNumberingFields(page, Fields(std::nullopt, "", ""));
  EXPECT_EQ(page.hasNumbering, 0);
}

}  // namespace
}  // namespace q5300
