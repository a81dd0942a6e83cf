#include "compile/Metrics.h"

#include <gtest/gtest.h>

#include <string>

#include "data/FixedField.h"

namespace q5300 {
namespace {

std::string Bytes(std::initializer_list<unsigned> values) {
  std::string s;
  for (const unsigned v : values) s.push_back(static_cast<char>(v));
  return s;
}

const std::string Ga = Bytes({0xB0, 0xA1});
const std::string Na = Bytes({0xB3, 0xAA});
const std::string Da = Bytes({0xB4, 0xD9});
const std::string Ra = Bytes({0xB6, 0xF3});
const std::string Ma = Bytes({0xB8, 0xB6});
// A superscript marker as a label file keeps it: a user-defined double-byte character.
const std::string EditorSuperscript = Bytes({0xC9, 0xF2});

// A page at font size 4, full width, horizontal, automatic length, unless a case
// says otherwise.
struct Page {
  std::string text;
  int twoLines = 0;
  int fontSize = 4;
  int halfWidth = 0;
  const char* direction = "04";
  int scriptCount = 0;
  int hasNumbering = 0;
  const char* numStart = "";
  const char* numEnd = "";
  int autoLength = 1;
  int lengthDots = 300;
  int repeatCount = 2;
};

PageRecord MakeRecord(const Page& p) {
  PageRecord r;
  std::copy(p.text.begin(), p.text.end(), r.text.begin());
  r.textLength = static_cast<uint8_t>(p.text.size());
  r.twoLines = static_cast<uint8_t>(p.twoLines);
  r.fontSize = static_cast<uint8_t>(p.fontSize);
  r.halfWidth = static_cast<uint8_t>(p.halfWidth);
  r.direction = {p.direction[0], p.direction[1]};
  r.scriptCount = static_cast<uint8_t>(p.scriptCount);
  r.hasNumbering = static_cast<uint8_t>(p.hasNumbering);
  SetField(r.numStart, p.numStart);
  SetField(r.numEnd, p.numEnd);
  r.autoLength = static_cast<uint8_t>(p.autoLength);
  r.lengthDots = static_cast<uint16_t>(p.lengthDots);
  r.repeatCount = static_cast<uint16_t>(p.repeatCount);
  r.line2Width = 777;  // a one-line page leaves it as it was
  return r;
}

struct MetricsCase {
  const char* name;
  Page page;
  int margin;
  int line1Width;
  int line2Width;
  int lengthDots;
};

TEST(ComputeMetrics, PredictsLineWidthsAndTheAutomaticLength) {
  const MetricsCase cases[] = {
      {"AB", {.text = "AB"}, 0, 80, 777, 128},
      {"AB with spacing 3", {.text = "AB"}, 3, 83, 777, 131},
      {"two syllables", {.text = Ga + Na}, 0, 80, 777, 128},
      {"half width", {.text = "AB", .halfWidth = 1}, 0, 48, 777, 96},
      {"half width vertical", {.text = "AB", .halfWidth = 1, .direction = "13"}, 0, 80, 777, 128},
      {"font 0", {.text = "AB", .fontSize = 0}, 0, 12, 777, 60},
      {"font 0 vertical", {.text = "AB", .fontSize = 0, .direction = "13"}, 0, 18, 777, 66},
      {"font 0 half width", {.text = "AB", .fontSize = 0, .halfWidth = 1}, 0, 18, 777, 66},
      {"font 0 syllable", {.text = Ga, .fontSize = 0}, 0, 9, 777, 57},
      {"font 6 half width", {.text = "AB" + Ga, .fontSize = 6, .halfWidth = 1}, 0, 128, 777, 176},
      {"two lines",
       {.text = "AB\x1A"
                "CDE",
        .twoLines = 1,
        .fontSize = 2},
       1,
       49,
       74,
       122},
      {"syllables on both lines", {.text = Ga + "A\x1A" + Na + Na, .twoLines = 1}, 0, 80, 80, 128},
      {"superscript",
       {.text = "m\x1C"
                "2",
        .scriptCount = 1},
       0,
       56,
       777,
       104},
      {"superscript at font 1",
       {.text = "m\x1C"
                "2",
        .fontSize = 1,
        .scriptCount = 1},
       0,
       22,
       777,
       70},
      {"superscript at font 6",
       {.text = "m\x1C"
                "2",
        .fontSize = 6,
        .scriptCount = 1},
       0,
       91,
       777,
       139},
      {"superscript vertical",
       {.text = "m\x1C"
                "2",
        .direction = "13",
        .scriptCount = 1},
       0,
       80,
       777,
       128},
      {"subscript on line 2",
       {.text = "H\x1A"
                "x\x1E"
                "2",
        .twoLines = 1},
       0,
       40,
       56,
       104},
      {"numbering",
       {.text = "N\x12", .hasNumbering = 1, .numStart = "1", .numEnd = "100"},
       0,
       160,
       777,
       208},
      {"numbering on line 1",
       {.text = "\x12"
                "A\x1A"
                "B",
        .twoLines = 1,
        .hasNumbering = 1,
        .numStart = "1",
        .numEnd = "100"},
       0,
       160,
       40,
       208},
      {"numbering on line 2",
       {.text = "A\x1A"
                "B\x12",
        .twoLines = 1,
        .hasNumbering = 1,
        .numStart = "1",
        .numEnd = "100"},
       0,
       40,
       160,
       208},
      {"numbering on line 2 after an empty line 1",
       {.text = "\x1A\x12", .twoLines = 1, .hasNumbering = 1, .numStart = "7", .numEnd = "9"},
       0,
       0,
       40,
       88},
      {"two lines without a separator", {.text = "AB", .twoLines = 1}, 0, 80, 0, 128},
      // A marker takes its character out of the ordinary cells even when that
      // character is double-byte: the cell count goes below zero and the
      // double-byte and script widths make up for it.
      {"syllable, superscript, syllable",
       {.text = Ga + "\x1C" + Na, .scriptCount = 1},
       0,
       56,
       777,
       104},
      {"syllable, superscript, syllable in a label file",
       {.text = Ga + EditorSuperscript + Na, .scriptCount = 1},
       0,
       56,
       777,
       104},
      {"superscript between syllables with spacing 3",
       {.text = Ga + Na + "\x1C" + Da, .scriptCount = 1},
       3,
       99,
       777,
       147},
      // A marker without its character would wrap to some 65,500 dots: no width.
      {"lone marker", {.text = "\x1C", .scriptCount = 1}, 0, 0, 777, 48},
      {"lone marker in a label file", {.text = EditorSuperscript, .scriptCount = 1}, 0, 0, 777, 48},
      {"marker before a syllable", {.text = "\x1C" + Ga, .scriptCount = 1}, 0, 0, 777, 48},
      {"marker before a syllable in a label file",
       {.text = EditorSuperscript + Ga, .scriptCount = 1},
       0,
       0,
       777,
       48},
      {"markers on both lines",
       {.text = Ga + "\x1C" + Na + "\x1A" + Da + "\x1E" + Ra + Ma, .twoLines = 1},
       2,
       56,
       98,
       146},
      {"set length keeps its length",
       {.text = "AB", .autoLength = 0, .lengthDots = 240},
       0,
       80,
       777,
       240},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PageRecord r = MakeRecord(c.page);
    ComputeMetrics(r, c.margin);
    EXPECT_EQ(r.line1Width, c.line1Width);
    EXPECT_EQ(r.line2Width, c.line2Width);
    EXPECT_EQ(r.lengthDots, c.lengthDots);
    EXPECT_EQ(r.limitDots, c.lengthDots);
  }
}

TEST(ComputeMetrics, CountsTheNumbersAndTheLabels) {
  const struct {
    const char* numStart;
    const char* numEnd;
    int numDigits;
    int numCount;
  } cases[] = {
      {"1", "100", 3, 100},
      {"100", "1", 3, 100},  // counting down
      {"5", "5", 1, 1},
      {"A", "C", 1, 3},  // letters count by their codes
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.numEnd);
    PageRecord r = MakeRecord(
        {.text = "N\x12", .hasNumbering = 1, .numStart = c.numStart, .numEnd = c.numEnd});
    ComputeMetrics(r, 0);
    EXPECT_EQ(r.numDigits, c.numDigits);
    EXPECT_EQ(r.numCount, c.numCount);
    EXPECT_EQ(r.labelTotal, 2 * c.numCount);
  }
  PageRecord plain = MakeRecord({.text = "N"});
  plain.numCount = 50;
  ComputeMetrics(plain, 0);
  EXPECT_EQ(plain.labelTotal, 2);
}

TEST(ComputeMetrics, APageWithoutNumberingAddsNoDigits) {
  PageRecord r = MakeRecord({.text = "N"});
  r.numDigits = 3;  // left from numbering the operator has since removed
  ComputeMetrics(r, 0);
  EXPECT_EQ(r.numDigits, 3);
  EXPECT_EQ(r.line1Width, 40);
  EXPECT_EQ(r.lengthDots, 88);

  r.twoLines = 1;
  r.text[1] = 0x1A;
  r.text[2] = 'B';
  r.textLength = 3;
  ComputeMetrics(r, 0);
  EXPECT_EQ(r.line1Width, 40);
  EXPECT_EQ(r.line2Width, 40);
}

TEST(ComputeMetrics, AnEmptyTextChangesNothing) {
  PageRecord r = MakeRecord({.text = ""});
  r.line1Width = 123;
  r.wideCount = 5;
  ComputeMetrics(r, 0);
  EXPECT_EQ(r.line1Width, 123);
  EXPECT_EQ(r.lengthDots, 300);
  EXPECT_EQ(r.wideCount, 5);
}

TEST(IsOverLength, ComparesTheTextWithTheSetLength) {
  const struct {
    const char* name;
    Page page;
    bool over;
  } cases[] = {
      {"ABCDE in 20 mm", {.text = "ABCDE", .autoLength = 0, .lengthDots = 240}, true},
      {"ABCD in 20 mm", {.text = "ABCD", .autoLength = 0, .lengthDots = 240}, false},
      {"automatic length", {.text = std::string(40, 'W'), .autoLength = 1}, false},
      {"longer second line",
       {.text = "A\x1A"
                "BCDEF",
        .twoLines = 1,
        .autoLength = 0,
        .lengthDots = 240},
       true},
      // A marker with nothing after it takes out no more than the line has.
      {"a lone marker",
       {.text = "\x1C", .scriptCount = 1, .autoLength = 0, .lengthDots = 240},
       false},
      {"a marker before Hangul",
       {.text = "\x1C\xB0\xA1", .scriptCount = 1, .autoLength = 0, .lengthDots = 240},
       false},
      // 56 dots of text (a syllable of 40, a raised one of 16) and the 48 of slack
      {"a superscript between syllables in 9 mm",
       {.text = Ga + "\x1C" + Na, .scriptCount = 1, .autoLength = 0, .lengthDots = 108},
       false},
      {"a superscript between syllables in 103 dots",
       {.text = Ga + "\x1C" + Na, .scriptCount = 1, .autoLength = 0, .lengthDots = 103},
       true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PageRecord r = MakeRecord(c.page);
    EXPECT_EQ(IsOverLength(r, 0), c.over);
  }
}

}  // namespace
}  // namespace q5300
