#pragma once

// The parts of a number format code, as NumberFormat reads and shows them.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/NumberFormat.h"

namespace q5300 {

struct NumberFormat::Token {
  enum Kind {
    Literal,
    Digit,  // '0', '#' or '?', in `text`
    Point,
    Comma,
    Percent,
    Exponent,  // `text` is "+" or "-"
    General,
    Text,   // '@'
    Slash,  // of a fraction
    Year,
    Month,
    Minute,
    Day,
    Hour,
    Second,
    SecondFraction,  // `width` digits
    AmPm,            // `text` "AM/PM" or "A/P" as written
    Elapsed,         // [h], [m] or [s]: `text` the letter
  };
  Kind kind;
  std::string text;
  int width = 0;  // how many letters: "yyyy" is 4
};

struct NumberFormat::Section {
  std::vector<Token> tokens;
  bool date = false;
  bool text = false;
  bool general = false;
  bool grouping = false;
  bool twelveHours = false;
  bool fraction = false;
  int percents = 0;
  int thousands = 0;  // commas after the last digit: each divides by 1000
  int secondDigits = 0;
  // A condition in brackets ("[>=100]"): the section is for the numbers that meet it.
  enum class Compare { None, Less, LessOrEqual, Greater, GreaterOrEqual, Equal, NotEqual };
  Compare compare = Compare::None;
  double bound = 0;
  bool korean = false;  // [$-412]: AM/PM and the names of days in Korean

  bool Meets(double value) const;
};

// The tokens of one section of a code, or nothing when it cannot be shown here.
std::optional<NumberFormat::Section> ReadFormatSection(std::string_view code);
// A code split at the semicolons that separate its sections.
std::vector<std::string_view> FormatSections(std::string_view code);

}  // namespace q5300
