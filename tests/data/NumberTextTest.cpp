#include "data/NumberText.h"

#include <gtest/gtest.h>

#include <string>

namespace q5300 {
namespace {

std::string Bytes(const std::array<char, 5>& field) { return {field.begin(), field.end()}; }

TEST(FormatFixedDigits, PadsTruncatesAndSigns) {
  struct Case {
    int16_t value;
    int width;
    std::string expected;  // all five bytes
  } const cases[] = {
      {7, 4, std::string("0007\0", 5)},      {-7, 4, std::string("-007\0", 5)},
      {12345, 4, std::string("2345\0", 5)},  {200, 4, std::string("0200\0", 5)},
      {0, 1, std::string("0\0\0\0\0", 5)},   {42, 5, "00042"},
      {-32768, 5, "-2768"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Bytes(FormatFixedDigits(c.value, c.width)), c.expected) << c.value << "/" << c.width;
  }
}

TEST(ParseDecimal, ReadsDigitsAndAddsAnyCharacterCode) {
  EXPECT_EQ(ParseDecimal("-12"), -12);
  EXPECT_EQ(ParseDecimal("a"), 49);  // characters are not validated
  EXPECT_EQ(ParseDecimal(""), 0);
  EXPECT_EQ(ParseDecimal("999"), 999);
  EXPECT_EQ(ParseDecimal(std::string_view("12\0" "9", 4)), 12);  // stops at the zero byte
  EXPECT_EQ(ParseDecimal("65535"), -1);                         // 16 bits, wrapping
}

TEST(ReadLeadingInteger, ReadsLikeTheRepeatCell) {
  EXPECT_EQ(ReadLeadingInteger(u"  12x"), 12);
  EXPECT_EQ(ReadLeadingInteger(u"-4"), -4);
  EXPECT_EQ(ReadLeadingInteger(u"+7"), 7);
  EXPECT_EQ(ReadLeadingInteger(u"abc"), 0);
  EXPECT_EQ(ReadLeadingInteger(u""), 0);
  EXPECT_GT(ReadLeadingInteger("99999999999999999999"), 200);  // saturates, never wraps small
}

}  // namespace
}  // namespace q5300
