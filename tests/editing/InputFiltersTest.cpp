// Character and number filters of the panel's edits and of the grid's cell editor.
#include "editing/InputFilters.h"

#include <gtest/gtest.h>

#include <string>

namespace q5300 {
namespace {

TEST(CellEditor, RepeatTakesDigitsAndEveryLineStopsAtFortyCharacters) {
  const std::u16string full(40, u'가');
  struct Case {
    bool digitsOnly;
    std::u16string current;
    char16_t typed;
    bool accepted;
  } const cases[] = {
      {true, u"1", u'7', true},   {true, u"1", u'.', true},
      {true, u"1", u'a', false},  {true, u"1", u'-', false},
      {true, u"1", u'\b', true},  {true, u"1", u'\f', true},
      {false, u"", u'가', true},  {false, full.substr(1), u'A', true},
      {false, full, u'A', false}, {false, full, u'\b', true},
      {true, full, u'1', false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CellEditorAccepts(c.digitsOnly, c.current, c.typed), c.accepted)
        << c.digitsOnly << " " << c.current.size() << " " << int{c.typed};
  }
}

TEST(FilteredField, ModesAndCase) {
  struct Case {
    FilterMode mode;
    CaseMode caseMode;
    char16_t typed;
    std::optional<char16_t> result;
  } const cases[] = {
      {FilterMode::AnyText, CaseMode::AsTyped, u'#', u'#'},
      {FilterMode::DigitsOnly, CaseMode::AsTyped, u'5', u'5'},
      {FilterMode::DigitsOnly, CaseMode::AsTyped, u'a', std::nullopt},
      {FilterMode::DigitsOnly, CaseMode::AsTyped, u'\b', u'\b'},
      {FilterMode::LettersOnly, CaseMode::AsTyped, u'q', u'q'},
      {FilterMode::LettersOnly, CaseMode::Lower, u'Q', u'q'},
      {FilterMode::LettersOnly, CaseMode::Upper, u'q', u'Q'},
      {FilterMode::LettersOnly, CaseMode::Upper, u'1', std::nullopt},
      {FilterMode::LettersOnly, CaseMode::Upper, u'가', std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FilterTypedCharacter(c.mode, c.caseMode, c.typed), c.result) << int{c.typed};
  }
}

TEST(PanelEdits, BoundValuesReadWholeNumbersOnly) {
  EXPECT_EQ(ReadLengthValue(u" 20.5 "), 20.5f);
  EXPECT_EQ(ReadLengthValue(u"20."), 20.0f);
  EXPECT_FALSE(ReadLengthValue(u""));
  EXPECT_FALSE(ReadLengthValue(u"20mm"));
  EXPECT_FALSE(ReadLengthValue(u"nan"));
  EXPECT_EQ(ReadRepeatValue(u"+12"), 12);
  EXPECT_EQ(ReadRepeatValue(u"-3"), -3);
  EXPECT_FALSE(ReadRepeatValue(u"1.5"));
  EXPECT_FALSE(ReadRepeatValue(u"99999999999"));
  EXPECT_FALSE(ReadRepeatValue(u" "));
}

}  // namespace
}  // namespace q5300
