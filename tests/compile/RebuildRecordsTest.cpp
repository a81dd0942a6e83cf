#include "compile/RebuildRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <deque>
#include <string>

#include "data/FixedField.h"
#include "data/PageRecord.h"

namespace q5300 {
namespace {

std::string Bytes(std::initializer_list<unsigned> values) {
  std::string s;
  for (const unsigned v : values) s.push_back(static_cast<char>(v));
  return s;
}

std::string TextOf(const PageRecord& r) {
  return std::string(r.text.begin(), r.text.begin() + r.textLength);
}

std::u16string Repeat(std::u16string_view unit, int times) {
  std::u16string s;
  for (int i = 0; i < times; ++i) s.append(unit);
  return s;
}

const std::string Ga = Bytes({0xB0, 0xA1});  // U+AC00

std::string RepeatBytes(const std::string& unit, int times) {
  std::string s;
  for (int i = 0; i < times; ++i) s += unit;
  return s;
}

// A job of pages, each its two lines and its record.
class RebuildFixture : public ::testing::Test {
 protected:
  struct Row {
    std::u16string line1;
    std::u16string line2;
    PageRecord record;
  };
  PageRecord& AddRow(std::u16string line1, std::u16string line2 = u"", bool checked = true) {
    Row& row = rows.emplace_back();
    row.line1 = std::move(line1);
    row.line2 = std::move(line2);
    InitRecord(row.record, defaults, JobSettings{});
    row.record.isChecked = checked ? 1 : 0;
    return row.record;
  }
  // The records compiled from the job; the job's own records stay as they were.
  CompiledJob Rebuild(RebuildMode mode, int currentRow = 0) {
    std::vector<PageRecord> before;
    std::vector<PageSource> sources;
    for (const Row& row : rows) {
      before.push_back(row.record);
      sources.push_back({row.line1, row.line2, row.record});
    }
    CompiledJob compiled = RebuildRecords(mode, sources, currentRow, /*margin=*/0);
    std::size_t i = 0;
    for (const Row& row : rows) {
      EXPECT_EQ(RecordBytesOf(row.record), RecordBytesOf(before[i++])) << "the job's record changed";
    }
    return compiled;
  }
  static std::string RecordBytesOf(const PageRecord& r) {
    return std::string(r.text.begin(), r.text.end()) + std::to_string(r.textLength) +
           std::to_string(r.lengthDots) + std::to_string(r.isChecked);
  }

  PageDefaults defaults = [] {
    PageDefaults d;
    d.autoLength = true;
    return d;
  }();
  std::deque<Row> rows;
};

struct TextCase {
  const char* name;
  RebuildMode mode;
  std::u16string line1;
  std::u16string line2;
  std::string text;
  int twoLines;
  int wideCount;
  int superCount = 0;
  int subCount = 0;
};

TEST(CompilePageText, CompilesTheTextOfARow) {
  constexpr auto P = RebuildMode::PrinterMode;
  constexpr auto E = RebuildMode::EditorMode;
  const TextCase cases[] = {
      {"two lines", P, u"AB", u"CD",
       "AB\x1A"
       "CD",
       1, 0},
      {"empty first line", P, u"", u"X", "\x1AX", 1, 0},
      {"line 1 fills the text", P, Repeat(u"A", 40), u"B", std::string(40, 'A'), 0, 0},
      {"superscript, printer", P,
       u"A\uE051"
       u"2",
       u"",
       "A\x1C"
       "2",
       0, 0, 1, 0},
      {"superscript, editor", E,
       u"A\uE051"
       u"2",
       u"", Bytes({0x41, 0xC9, 0xF2, 0x32}), 0, 1, 1, 0},
      {"subscripts on both lines, printer", P,
       u"H\uE052"
       u"2",
       u"\uE052x",
       "H\x1E"
       "2\x1A\x1Ex",
       1, 0, 0, 2},
      {"subscript, editor", E, u"\uE052", u"", Bytes({0xC9, 0xF3}), 0, 1, 0, 1},
      {"first symbol, printer", P, u"\uE000", u"", Bytes({0xA1, 0xA1}), 0, 1},
      {"first symbol, editor", E, u"\uE000", u"", Bytes({0xC9, 0xA1}), 0, 1},
      {"last symbol, printer", P, u"\uE04C", u"", Bytes({0xA1, 0xED}), 0, 1},
      {"21 syllables", P, Repeat(u"\uAC00", 21), u"", RepeatBytes(Ga, 20), 0, 20},
      // A double-byte character that would lose its second byte is left out whole.
      {"cut before a split syllable", P, u"A" + Repeat(u"\uAC00", 20), u"",
       "A" + RepeatBytes(Ga, 19), 0, 19},
      {"cut before a split symbol", P, Repeat(u"A", 39) + u"\uE000", u"", std::string(39, 'A'), 0,
       0},
      {"symbol in the last two bytes", P, Repeat(u"A", 38) + u"\uE000", u"",
       std::string(38, 'A') + Bytes({0xA1, 0xA1}), 0, 1},
      {"separator in the last byte", P, Repeat(u"\uAC00", 19) + u"A", u"B",
       RepeatBytes(Ga, 19) + "A\x1A", 1, 19},
      {"line 2 cut before its first syllable", P, Repeat(u"\uAC00", 19) + u"A", u"\uAC00",
       RepeatBytes(Ga, 19) + "A\x1A", 1, 19},
      {"no separator after the cut", P, Repeat(u"\uAC00", 19) + u"AB", u"C",
       RepeatBytes(Ga, 19) + "AB", 0, 19},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PageRecord r;
    r.text.fill(0x55);  // whatever an earlier text left
    CompilePageText(c.mode, c.line1, c.line2, r);
    EXPECT_EQ(TextOf(r), c.text);
    EXPECT_EQ(r.textLength, c.text.size());
    EXPECT_EQ(std::count(r.text.begin() + r.textLength, r.text.end(), 0), 41 - r.textLength);
    EXPECT_EQ(r.twoLines, c.twoLines);
    EXPECT_EQ(r.wideCount, c.wideCount);
    EXPECT_EQ(r.superCount, c.superCount);
    EXPECT_EQ(r.subCount, c.subCount);
    EXPECT_EQ(r.scriptCount, c.superCount + c.subCount);
  }
}

struct NumberingCase {
  const char* name;
  std::u16string line1;
  std::string text;
  // hasNumbering, numNumber, numFixed, numLower, numUpper, numHex2, numHex1 afterwards
  std::array<int, 7> flags;
};

TEST(CompilePageText, TheFirstPlaceholderOfTheWinningKindNumbersThePage) {
  const NumberingCase cases[] = {
      {"number", u"N\uE04D", "N\x12", {1, 1, 0, 0, 0, 1, 1}},
      {"fixed-width keeps the kind flags", u"\uE04E", "\x14", {1, 1, 1, 1, 1, 1, 1}},
      {"small letters", u"\uE050", "\x18", {1, 0, 0, 1, 0, 1, 1}},
      {"capital letters", u"\uE04F", "\x16", {1, 0, 0, 0, 1, 1, 1}},
      {"number wins over letters",
       u"\uE050\uE04D",
       Bytes({0xC9, 0xF1, 0x12}),
       {1, 1, 0, 0, 0, 1, 1}},
      {"small wins over capital letters",
       u"\uE04F\uE050",
       Bytes({0xC9, 0xF0, 0x18}),
       {1, 0, 0, 1, 0, 1, 1}},
      {"only the first of a kind",
       u"\uE04D\uE04D",
       Bytes({0x12, 0xC9, 0xEE}),
       {1, 1, 0, 0, 0, 1, 1}},
      {"no placeholder keeps the hexadecimal flags", u"N", "N", {0, 0, 0, 0, 0, 1, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PageRecord r;
    r.hasNumbering = r.numNumber = r.numFixed = r.numLower = r.numUpper = 1;
    r.numHex2 = r.numHex1 = 1;
    CompilePageText(RebuildMode::PrinterMode, c.line1, u"", r);
    EXPECT_EQ(TextOf(r), c.text);
    const std::array<int, 7> flags = {r.hasNumbering, r.numNumber, r.numFixed, r.numLower,
                                      r.numUpper,     r.numHex2,   r.numHex1};
    EXPECT_EQ(flags, c.flags);
  }
}

TEST_F(RebuildFixture, MarksRowsAndMeasuresEveryRecord) {
  AddRow(u"AB");
  AddRow(u"ABC", u"", /*checked=*/false);
  AddRow(u"", u"", true);
  rows[2].record.textLength = 7;  // stale until the rebuild
  const CompiledJob compiled = Rebuild(RebuildMode::EditorMode, /*currentRow=*/1);
  const int checked[] = {1, 0, 1};
  const int current[] = {0, 1, 0};
  const int length[] = {2, 3, 0};
  const int lengthDots[] = {128, 168, 300};  // automatic length; an empty page keeps its own
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const PageRecord& r = compiled[static_cast<std::size_t>(i)];
    EXPECT_EQ(r.isChecked, checked[i]);
    EXPECT_EQ(r.isCurrent, current[i]);
    EXPECT_EQ(r.textLength, length[i]);
    EXPECT_EQ(r.lengthDots, lengthDots[i]);
  }
}

TEST_F(RebuildFixture, RemovingThePlaceholderShortensTheAutomaticLength) {
  PageRecord& page = AddRow(u"N\uE04D");
  SetField(page.numStart, "1");
  SetField(page.numEnd, "100");
  const PageRecord numbered = Rebuild(RebuildMode::PrinterMode)[0];
  EXPECT_EQ(numbered.numDigits, 3);
  EXPECT_EQ(numbered.lengthDots, 4 * 40 + 48);

  // The job's record as the numbered page left it.
  CopyPageContent(page, numbered);
  rows[0].line1 = u"N";
  const PageRecord r = Rebuild(RebuildMode::PrinterMode)[0];
  EXPECT_EQ(r.hasNumbering, 0);
  EXPECT_EQ(r.numDigits, 3);  // the record keeps the last digit count
  EXPECT_EQ(r.line1Width, 40);
  EXPECT_EQ(r.lengthDots, 40 + 48);
}

}  // namespace
}  // namespace q5300
