#include "files/NumberFormat.h"

#include <gtest/gtest.h>

#include <string>

#include "files/SheetDays.h"

namespace q5300 {
namespace {

struct Shown {
  const char* code;
  double value;
  const char* text;
};

TEST(NumberFormat, NumbersAsTheirFormatShowsThem) {
  const Shown cases[] = {
      {"000", 7, "007"},
      {"000", 1234, "1234"},
      {"000", -7, "-007"},
      {"00-00", 12, "00-12"},
      {"\"W-\"000", 42, "W-042"},
      {"0.00", 3, "3.00"},
      {"0.00", 1.005, "1.01"},
      {"0.00", -2.345, "-2.35"},
      {"0", 2.5, "3"},
      {"0", -0.5, "-1"},
      {"0.0", -0.04, "0.0"},
      {"#,##0", 1234567, "1,234,567"},
      {"#,##0", 0, "0"},
      {"#,##0.00", 1234567.891, "1,234,567.89"},
      {"#,##0.0#", 1234.5678, "1,234.57"},
      {"#,##0.0#", 1234.5, "1,234.5"},
      {"#,##0,", 1234567, "1,235"},
      {"#.##", 0.5, ".5"},
      {"0.0?", 1.5, "1.5 "},
      {"0%", 0.5, "50%"},
      {"0.0%", 0.125, "12.5%"},
      {"0.00%", 0.1234, "12.34%"},
      {"0.00E+00", 12345, "1.23E+04"},
      {"0.00E+00", 0.000123, "1.23E-04"},
      {"0.00E+00", 9.996, "1.00E+01"},
      {"0.00E+00", 0, "0.00E+00"},
      {"0.0E+0", 1e123, "1.0E+123"},
      {"##0.0E+0", 12345, "12.3E+3"},
      {"0.0\\m", 12.5, "12.5m"},
      {"#,##0.00_);\\(#,##0.00\\)", -1234.5, "(1,234.50)"},
      {"#,##0.00_);\\(#,##0.00\\)", 1234.5, "1,234.50 "},
      {"0.00;(0.00)", -5, "(5.00)"},
      {"0;-0;\"zero\"", 0, "zero"},
      {"\"yes\";\"no\";\"zero\"", -1, "no"},
      {"[Red]0.0;[Blue]-0.0", -5, "-5.0"},
      {"[$\xE2\x82\xAC-407] #,##0.00", 3, "\xE2\x82\xAC 3.00"},
      {"0;-0;;@", 0, ""},
      {"General", 0.30000000000000004, "0.3"},
      {"@", 7, "7"},
      {"0.0 \"General\"", 2, "2.0 General"},
      // Fractions: the nearest with as many digits below as there are places.
      {"# ?/?", 3.5, "3 1/2"},
      {"# ?/?", 0.5, " 1/2"},
      {"# ?/?", -1.25, "-1 1/4"},
      {"# ?/?", 3, "3    "},
      {"# ?/?", 0, "0    "},
      {"# ?/?", 0.999, "1    "},
      {"# ?\?/?\?", 0.3333, "  1/3 "},
      {"# ?\?\?/?\?\?", 3.14159, "3  16/113"},
      {"#,##0 ?/?", 1234.5, "1,234 1/2"},
      {"0 0/0", 2.75, "2 3/4"},
      {"# ?/16", 0.3, " 5/16"},
      {"?/?", 3.5, "7/2"},
      {"?/?", 0, "0/1"},
      // The largest denominator has as many digits as the places, never 10 or 100.
      {"?/?", 0.1, "1/9"},
      {"# ?/?", 2.3, "2 2/7"},
      {"# ?\?/?\?", 0.01, "  1/99"},
      // A denominator given: halves go down, as the sheet program shows them.
      {"# ?/10", 0.5, " 5/10"},
      {"# ?\?/10", 1.75, "1  7/10"},
      {"# ??\?/100", 2.3, "2  30/100"},
      {"0 ?/10", 0.5, "0 5/10"},
      {"# ?/2", 1.25, "1   "},
      // Conditions choose the section; one for negatives alone drops the sign.
      {"[>=100]\"big\";[<0]\"neg\";\"small\"", 150, "big"},
      {"[>=100]\"big\";[<0]\"neg\";\"small\"", -3, "neg"},
      {"[>=100]\"big\";[<0]\"neg\";\"small\"", 5, "small"},
      {"[>100]0;0.00", 1234.5, "1235"},
      {"[>100]0;0.00", 12.5, "12.50"},
      {"[<0]0.0;0", -2.5, "2.5"},
      {"[>=0]0.00;(0.00)", -5, "(5.00)"},
      {"[=1]0", 2, "2"},
      {"0;-0;\"zero\";\"text: \"@", 0, "zero"},
      {"0;-0;\"zero\";\"text: \"@", -7, "-7"},
  };
  for (const Shown& c : cases) {
    EXPECT_EQ(NumberFormat(c.code).Show(c.value), c.text) << c.code << " " << c.value;
  }
}

// Days from 30 December 1899; 45356 is Tuesday, 5 March 2024.
TEST(NumberFormat, DatesAndTimes) {
  const Shown cases[] = {
      {"yyyy-mm-dd", 45356.6, "2024-03-05"},
      {"yyyy-mm-dd hh:mm:ss", 45356.60434, "2024-03-05 14:30:14"},
      {"hh:mm", 45356.604, "14:29"},
      {"hh:mm:ss", 45356.999999, "23:59:59"},
      {"mm:ss.00", 0.0000578703703704, "00:05.00"},
      {"h:mm AM/PM", 0.75, "6:00 PM"},
      {"h:mm a/p", 0.25, "6:00 a"},
      // Noon and midnight are 12 on a 12-hour clock.
      {"h:mm AM/PM", 0.5, "12:00 PM"},
      // Elapsed times round to the smallest unit shown, and so does a date and
      // time that rounds to the next day; a time of day alone is cut.
      {"h:mm:ss", 0.2952546, "7:05:09"},
      {"[h]:mm:ss", 0.999999, "24:00:00"},
      {"[h]:mm:ss", 0.5000058, "12:00:01"},
      {"[h]:mm", 0.999999, "24:00"},
      {"yyyy-mm-dd hh:mm", 45306.999999, "2024-01-16 00:00"},
      {"yyyy-mm-dd hh:mm:ss", 45306.5000058, "2024-01-15 12:00:00"},
      {"hh:mm", 0.999999, "23:59"},
      // Korean names of AM, PM and the days; aaa names the day.
      {"[$-412]AM/PM h:mm", 45306.604, "\xEC\x98\xA4\xED\x9B\x84 2:29"},
      {"[$-412]yyyy-mm-dd AM/PM h:mm", 45306.25, "2024-01-15 \xEC\x98\xA4\xEC\xA0\x84 6:00"},
      {"[$-412]dddd", 45306, "\xEC\x9B\x94\xEC\x9A\x94\xEC\x9D\xBC"},
      {"[$-412]ddd", 45306, "\xEC\x9B\x94"},
      {"aaa", 45306, "Mon"},
      {"aaaa", 45306, "Monday"},
      {"hh:mm AM/PM", 45356, "12:00 AM"},
      {"m/d/yy h:mm AM/PM", 45356.25, "3/5/24 6:00 AM"},
      {"d-mmm-yy", 45356, "5-Mar-24"},
      {"dddd d mmmm yyyy", 45356, "Tuesday 5 March 2024"},
      {"ddd mmm d", 45356, "Tue Mar 5"},
      {"mmmmm", 45356, "M"},
      {"[h]:mm:ss", 30.5, "732:00:00"},
      {"yyyy-mm-dd", 1, "1899-12-31"},
      {"yyyy-mm-dd", 60, "1900-02-28"},
      {"yyyy-mm-dd", 2958465, "9999-12-31"},
      {"yyyy-mm-dd", -1, "-1"},
      {"yyyy-mm-dd", 1e10, "10000000000"},
  };
  for (const Shown& c : cases) {
    EXPECT_EQ(NumberFormat(c.code).Show(c.value), c.text) << c.code << " " << c.value;
  }
  EXPECT_EQ(NumberFormat(BuiltInFormatCode(14)).Show(45356), "3/5/2024");
  EXPECT_EQ(NumberFormat(BuiltInFormatCode(22)).Show(45356.5), "3/5/2024 12:00");
  EXPECT_EQ(NumberFormat(BuiltInFormatCode(47)).Show(0.0104166), "14:59.9");
}

// What cannot be shown here is shown as the general format does, value and all.
TEST(NumberFormat, UnknownCodesShowTheGeneralFormat) {
  const char* const codes[] = {
      "\"open", "0\\", "[DBNum1]0", "General", "", "0_", "[h:mm", "[>x]0",
  };
  for (const char* code : codes) {
    EXPECT_EQ(NumberFormat(code).Show(1234.5), "1234.5") << code;
    EXPECT_TRUE(NumberFormat(code).general()) << code;
  }
  // A fraction without its denominator.
  EXPECT_EQ(NumberFormat("0 ?/").Show(1234.5), "1234.5");
  const std::string longCode(NumberFormat::MaxCodeBytes + 1, '0');
  EXPECT_TRUE(NumberFormat(longCode).general());
  EXPECT_FALSE(NumberFormat(longCode.substr(1)).general());
  // The value as written, whatever the code.
  EXPECT_EQ(NumberFormat("000").Show(std::string_view("7")), "007");
  EXPECT_EQ(NumberFormat("000").Show(std::string_view("#N/A")), "#N/A");
  EXPECT_EQ(NumberFormat("000").Show(std::string_view("1E400")), "1E400");
}

// A text cell shows through the format's section for text, where it has one.
TEST(NumberFormat, TextThroughItsSection) {
  EXPECT_EQ(NumberFormat("0;-0;\"zero\";\"text: \"@").ShowText("abc"), "text: abc");
  EXPECT_EQ(NumberFormat("0;\"id \"@").ShowText("W-1"), "id W-1");
  EXPECT_EQ(NumberFormat("000").ShowText("abc"), "abc");
  EXPECT_EQ(NumberFormat("@").ShowText("abc"), "abc");
  EXPECT_EQ(NumberFormat().ShowText("abc"), "abc");
}

TEST(NumberFormat, OpenDocumentDatesAndDurations) {
  EXPECT_EQ(DaysOfDate("2024-03-05"), 45356);
  EXPECT_EQ(DaysOfDate("1899-12-30"), 0);
  EXPECT_DOUBLE_EQ(*DaysOfDate("2024-03-05T18:00:00"), 45356.75);
  EXPECT_DOUBLE_EQ(*DaysOfDate("2024-03-05T00:00:01.5"), 45356 + 1.5 / 86400);
  EXPECT_EQ(DaysOfDate("2024-13-05"), std::nullopt);
  EXPECT_EQ(DaysOfDate("March"), std::nullopt);
  EXPECT_DOUBLE_EQ(*DaysOfDuration("PT14H30M00S"), 14.5 / 24);
  EXPECT_DOUBLE_EQ(*DaysOfDuration("PT732H00M00S"), 30.5);
  EXPECT_DOUBLE_EQ(*DaysOfDuration("-PT1H"), -1.0 / 24);
  EXPECT_DOUBLE_EQ(*DaysOfDuration("P1DT0H0M1.5S"), 1 + 1.5 / 86400);
  EXPECT_EQ(DaysOfDuration("PT"), std::nullopt);
  EXPECT_EQ(DaysOfDuration("14:30"), std::nullopt);
}

}  // namespace
}  // namespace q5300
