#include "files/ShowSection.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "files/SheetDays.h"

namespace q5300 {

using Token = NumberFormat::Token;
using Section = NumberFormat::Section;

namespace {

constexpr const char* kMonths[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};
// The days in Korean, each one syllable; the long name adds 요일.
constexpr const char* kKoreanDays[] = {"일", "월", "화", "수", "목", "금", "토"};
constexpr const char* kKoreanAm = "오전";
constexpr const char* kKoreanPm = "오후";

constexpr const char* kDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};

std::string Padded(int64_t value, int width) {
  std::string text = std::to_string(value);
  if (static_cast<int>(text.size()) < width) {
    text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
  }
  return text;
}

}  // namespace

// A date and time: `days` from day zero, not negative.
std::string ShowDate(const Section& section, double days) {
  int64_t scale = 1;
  for (int i = 0; i < section.secondDigits; ++i) scale *= 10;
  bool timed = false;
  for (const Token& token : section.tokens) {
    timed = timed || token.kind == Token::Hour || token.kind == Token::Minute ||
            token.kind == Token::Second || token.kind == Token::Elapsed;
  }
  // To the millisecond, which takes off what the binary fraction adds, and then
  // cut to the places shown, as the sheet program does; but an elapsed time is
  // rounded to its smallest unit shown, and so is a date and time that rounds
  // to the next day (23:59:59.9 on 15 January shows as 16 January 00:00:00).
  int64_t milliseconds = std::llround(days * 86400000.0);
  bool dated = false;
  bool elapsed = false;
  int64_t unit = 86400000;  // of the smallest unit shown, in milliseconds
  for (const Token& token : section.tokens) {
    dated = dated || token.kind == Token::Year || token.kind == Token::Month ||
            token.kind == Token::Day;
    elapsed = elapsed || token.kind == Token::Elapsed;
    const char letter = token.kind == Token::Elapsed ? token.text[0] : '\0';
    if (token.kind == Token::Hour || letter == 'h') unit = std::min<int64_t>(unit, 3600000);
    if (token.kind == Token::Minute || letter == 'm') unit = std::min<int64_t>(unit, 60000);
    if (token.kind == Token::Second || letter == 's') unit = std::min<int64_t>(unit, 1000 / scale);
  }
  if (timed && (elapsed || dated)) {
    const int64_t rounded = (milliseconds + unit / 2) / unit * unit;
    if (elapsed || rounded / 86400000 > milliseconds / 86400000) milliseconds = rounded;
  }
  const int64_t units =
      timed ? milliseconds / (1000 / scale) : milliseconds / 86400000 * 86400 * scale;
  const int64_t seconds = units / scale;
  const int64_t day = seconds / 86400;
  const int64_t second = seconds % 86400;
  const CivilDate date = CivilDateOf(day);
  const int64_t year = date.year;
  const int64_t month = date.month;
  const int64_t dayOfMonth = date.day;
  const int64_t weekday = ((day + SheetDayZero) % 7 + 7 + 4) % 7;
  const int64_t hour = second / 3600;

  std::string out;
  for (const Token& token : section.tokens) {
    switch (token.kind) {
      case Token::Year:
        out += token.width <= 2 ? Padded(year % 100, 2) : Padded(year, 4);
        break;
      case Token::Month:
        out += token.width <= 2   ? Padded(month, token.width)
               : token.width == 3 ? std::string(kMonths[month - 1], 3)
               : token.width == 4 ? std::string(kMonths[month - 1])
                                  : std::string(kMonths[month - 1], 1);
        break;
      case Token::Day:
        if (token.width <= 2) {
          out += Padded(dayOfMonth, token.width);
        } else if (section.korean) {
          out += std::string(kKoreanDays[weekday]) + (token.width == 3 ? "" : "요일");
        } else {
          out += token.width == 3 ? std::string(kDays[weekday], 3) : std::string(kDays[weekday]);
        }
        break;
      case Token::Hour: {
        const int64_t shown = section.twelveHours ? (hour % 12 == 0 ? 12 : hour % 12) : hour;
        out += Padded(shown, std::min(token.width, 2));
        break;
      }
      case Token::Minute:
        out += Padded(second / 60 % 60, std::min(token.width, 2));
        break;
      case Token::Second:
        out += Padded(second % 60, std::min(token.width, 2));
        break;
      case Token::SecondFraction:
        out += '.' + Padded(units % scale, section.secondDigits)
                         .substr(0, static_cast<std::size_t>(token.width));
        break;
      case Token::Elapsed: {
        const int64_t total = seconds / (token.text == "h" ? 3600 : token.text == "m" ? 60 : 1);
        out += Padded(total, token.width);
        break;
      }
      case Token::AmPm: {
        const bool pm = hour >= 12;
        if (section.korean) {
          out += pm ? kKoreanPm : kKoreanAm;
        } else if (token.text.size() == 3) {
          out += pm ? token.text[2] : token.text[0];
        } else {
          out += pm ? token.text.substr(3, 2) : token.text.substr(0, 2);
        }
        break;
      }
      default:
        out += token.text;
    }
  }
  return out;
}

}  // namespace q5300
