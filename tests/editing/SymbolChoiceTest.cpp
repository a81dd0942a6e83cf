#include "editing/SymbolChoice.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

namespace q5300 {
namespace {

// The sheet of 671 x 209 pixels with its border, at (10, 20): cells of 42 x 42
// with one pixel column and one pixel row left over.
constexpr PictureRect Sheet{10, 20, 10 + 673, 20 + 211};

TEST(SymbolChoice, DoubleClickPicksTheSymbolOfTheCell) {
  struct Case {
    int x, y;
    std::optional<int> symbol;
  };
  const Case cases[] = {
      {10, 20, 0},
      {10 + 41, 20 + 41, 0},
      {10 + 42, 20, 1},
      {10, 20 + 42, 16},                          // row 1, column 0: O in an octagon
      {10 + 15 * 42, 20 + 3 * 42, 63},            // last cell of row 3
      {10 + 12 * 42, 20 + 4 * 42, 76},            // last symbol
      {10 + 13 * 42, 20 + 4 * 42, std::nullopt},  // the empty cells of row 4
      {10 + 15 * 42 + 41, 20 + 4 * 42 + 41, std::nullopt},
      {9, 20, std::nullopt},    // left of the sheet
      {10, 19, std::nullopt},   // above it
      {683, 20, std::nullopt},  // right edge is outside
      {10, 231, std::nullopt},  // bottom edge is outside
      {682, 20, std::nullopt},  // leftover pixel column, not the next row's first cell
      {10, 230, std::nullopt},  // leftover pixel row
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
    EXPECT_EQ(SymbolChoice::SymbolAt(Sheet, c.x, c.y), c.symbol);
    SymbolChoice picker;
    EXPECT_EQ(picker.DoubleClicked(Sheet, c.x, c.y), c.symbol.has_value());
    const std::u16string expected =
        c.symbol ? std::u16string(1, static_cast<char16_t>(0xE000 + *c.symbol)) : u"";
    EXPECT_EQ(picker.selection(), expected);
  }
  // A sheet too small to hold the cells picks nothing instead of dividing by zero.
  EXPECT_EQ(SymbolChoice::SymbolAt(PictureRect{0, 0, 15, 100}, 3, 3), std::nullopt);
  EXPECT_EQ(SymbolChoice::SymbolAt(PictureRect{0, 0, 100, 4}, 3, 3), std::nullopt);
}

TEST(SymbolChoice, SymbolsCollectUntilTheSelectionIsCleared) {
  SymbolChoice picker;
  EXPECT_TRUE(picker.DoubleClicked(Sheet, 10, 20 + 42));
  EXPECT_FALSE(picker.DoubleClicked(Sheet, 0, 0));
  EXPECT_TRUE(picker.DoubleClicked(Sheet, 10, 20));
  EXPECT_TRUE(picker.DoubleClicked(Sheet, 10, 20));
  EXPECT_EQ(picker.selection(), u"\uE010\uE000\uE000");
  picker.ClearSelection();
  EXPECT_EQ(picker.selection(), u"");
  EXPECT_TRUE(picker.DoubleClicked(Sheet, 10 + 42, 20));
  EXPECT_EQ(picker.selection(), u"\uE001");
}

TEST(SymbolChoice, EverySymbolHasItsOwnNotation) {
  const auto table = ElectricalSymbolTable();
  ASSERT_EQ(table.size(), 77u);
  std::set<std::string_view> notations;
  for (const SymbolInfo& s : table) notations.insert(s.notation);
  EXPECT_EQ(notations.size(), 77u);

  struct Case {
    char16_t c;
    std::string_view notation;
  };
  const Case cases[] = {
      {u'\uE000', "[earth]"},   {u'\uE001', "[<earth>]"},
      {u'\uE002', "[<A>]"},     {u'\uE010', "[<O>]"},
      {u'\uE01B', "[<Z>]"},     {u'\uE01C', "[mm]"},
      {u'\uE01F', "[mm²]"},     {u'\uE02D', "[℃]"},
      {u'\uE03D', "[No.]"},     {u'\uE040', "[<cross>]"},
      {u'\uE041', "[I]"},       {u'\uE04A', "[X]"},
      {u'\uE04C', "[Ω]"},       {u'\uE04D', "[0-999]"},
      {u'\uE04E', "[000-999]"}, {u'\uE04F', "[A-Z]"},
      {u'\uE050', "[a-z]"},     {u'\uE051', "[^]"},
      {u'\uE052', "[_]"},       {u'A', ""},
      {u'\uE053', ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SpecialCharacterNotation(c.c), c.notation) << std::hex << int{c.c};
  }
}

}  // namespace
}  // namespace q5300
