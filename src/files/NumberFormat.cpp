#include "files/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <tuple>

#include "files/FormatCode.h"
#include "files/SheetCells.h"

namespace q5300 {

namespace {

using Token = NumberFormat::Token;
using Section = NumberFormat::Section;

// The day zero of a sheet, 30 December 1899, counted from 1 January 1970.
constexpr int64_t kDayZero = -25569;
// 31 December 9999, the last day a sheet shows.
constexpr double kLastDay = 2958465;

constexpr const char* kMonths[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};
constexpr const char* kDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};

// A number as decimal digits: 0.d1d2d3... times ten to the power `point`; at
// most 15 significant digits, as a sheet keeps them.
struct Decimal {
  std::string digits;  // no leading zero; empty for zero
  int point = 0;

  static Decimal Of(double value) {
    Decimal d;
    if (value == 0) return d;
    char out[40];
    const auto written =
        std::to_chars(out, out + sizeof out, std::fabs(value), std::chars_format::scientific, 14);
    const std::string_view text(out, static_cast<std::size_t>(written.ptr - out));
    const std::size_t e = text.find('e');
    for (const char c : text.substr(0, e)) {
      if (c != '.') d.digits += c;
    }
    int exponent = 0;
    const std::string_view power = text.substr(e + 1);
    std::from_chars(power.data() + (power[0] == '+' ? 1 : 0), power.data() + power.size(),
                    exponent);
    d.point = exponent + 1;
    d.Trim();
    return d;
  }

  void Trim() {
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    std::size_t zeros = 0;
    while (zeros < digits.size() && digits[zeros] == '0') ++zeros;
    digits.erase(0, zeros);
    point -= static_cast<int>(zeros);
    if (digits.empty()) point = 0;
  }

  // Rounded half away from zero to `places` digits after the point.
  void Round(int places) {
    const long keep = static_cast<long>(point) + places;
    if (keep >= static_cast<long>(digits.size())) return;
    if (keep < 0) {
      digits.clear();
      point = 0;
      return;
    }
    const bool up = digits[static_cast<std::size_t>(keep)] >= '5';
    digits.resize(static_cast<std::size_t>(keep));
    if (up) {
      std::size_t i = digits.size();
      while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
      if (i == 0) {
        digits.insert(digits.begin(), '1');
        ++point;
      } else {
        ++digits[i - 1];
      }
    }
    Trim();
  }

  std::string Whole() const {
    if (point <= 0) return "";
    std::string whole = digits.substr(0, static_cast<std::size_t>(point));
    whole.append(static_cast<std::size_t>(point) - whole.size(), '0');
    return whole;
  }

  // `places` digits after the point.
  std::string Fraction(int places) const {
    std::string fraction;
    for (int i = 0; i < places; ++i) {
      const long at = static_cast<long>(point) + i;
      fraction += at >= 0 && at < static_cast<long>(digits.size())
                      ? digits[static_cast<std::size_t>(at)]
                      : '0';
    }
    return fraction;
  }
};

std::string Padded(int64_t value, int width) {
  std::string text = std::to_string(value);
  if (static_cast<int>(text.size()) < width) {
    text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
  }
  return text;
}

// The digits of `whole` in the digit places of tokens [begin, end), right to
// left: the first place takes what is left; with the text between them.
std::string IntegerPart(const Section& section, std::size_t begin, std::size_t end,
                        const std::string& whole, bool grouping = true) {
  const std::vector<Token>& tokens = section.tokens;
  int places = 0;
  for (std::size_t i = begin; i < end; ++i) places += tokens[i].kind == Token::Digit ? 1 : 0;
  std::vector<std::string> pieces;
  std::size_t left = whole.size();
  int placed = 0;
  const auto place = [&](char c) {
    if (grouping && section.grouping && placed > 0 && placed % 3 == 0) pieces.emplace_back(",");
    pieces.emplace_back(1, c);
    ++placed;
  };
  for (std::size_t i = end; i-- > begin;) {
    const Token& token = tokens[i];
    if (token.kind == Token::Digit) {
      --places;
      if (left > 0) {
        place(whole[--left]);
        // The first digit place takes every digit that is left.
        while (places == 0 && left > 0) place(whole[--left]);
      } else if (token.text == "0") {
        place('0');
      } else if (token.text == "?") {
        pieces.emplace_back(" ");
      }
    } else if (token.kind != Token::Comma) {
      pieces.push_back(token.text);
    }
  }
  std::string out;
  for (auto piece = pieces.rbegin(); piece != pieces.rend(); ++piece) out += *piece;
  return out;
}

// The fraction nearest to `value` (not negative) whose denominator is at most
// `most`, the smallest such denominator of equal nearness: the last convergent
// of its continued fraction within the bound, or the semiconvergent after it.
std::pair<int64_t, int64_t> NearestFraction(double value, int64_t most) {
  const double whole = std::floor(value);
  double rest = value - whole;
  int64_t p0 = 1;
  int64_t q0 = 0;
  int64_t p1 = static_cast<int64_t>(whole);
  int64_t q1 = 1;
  while (rest > 1e-12) {
    const double inverse = 1 / rest;
    const double term = std::floor(inverse);
    const auto a = term > static_cast<double>(most) ? most + 1 : static_cast<int64_t>(term);
    if (a * q1 + q0 > most) {
      // The best between the convergents: a semiconvergent, if nearer.
      const int64_t k = (most - q0) / q1;
      const int64_t p = k * p1 + p0;
      const int64_t q = k * q1 + q0;
      const auto error = [value](int64_t n, int64_t d) {
        return std::fabs(value - static_cast<double>(n) / static_cast<double>(d));
      };
      if (k > 0 && error(p, q) < error(p1, q1)) return {p, q};
      break;
    }
    std::tie(p0, q0, p1, q1) = std::make_tuple(p1, q1, a * p1 + p0, a * q1 + q0);
    rest = inverse - term;
  }
  return {p1, q1};
}

// A number as a fraction ("# ?/?", "# ??/??", "?/?", "# ?/16"): the nearest
// with a denominator of as many digits as it has places, or the one given.
std::optional<std::string> ShowFraction(const Section& section, double magnitude) {
  const std::vector<Token>& tokens = section.tokens;
  std::size_t slash = 0;
  while (tokens[slash].kind != Token::Slash) ++slash;
  std::size_t numerator = slash;
  while (numerator > 0 && tokens[numerator - 1].kind == Token::Digit) --numerator;
  bool mixed = false;  // a whole number before the fraction
  for (std::size_t i = 0; i < numerator; ++i) mixed = mixed || tokens[i].kind == Token::Digit;
  std::size_t end = slash + 1;
  while (end < tokens.size() && tokens[end].kind == Token::Digit) ++end;
  const int places = static_cast<int>(end - slash - 1);
  int64_t given = 0;
  std::size_t givenDigits = 0;
  if (places == 0 && end < tokens.size() && tokens[end].kind == Token::Literal) {
    const std::string& text = tokens[end].text;
    while (givenDigits < text.size() && givenDigits < 5 && text[givenDigits] >= '0' &&
           text[givenDigits] <= '9') {
      given = given * 10 + (text[givenDigits++] - '0');
    }
  }
  if ((places == 0 && given == 0) || numerator == slash || magnitude >= 1e12) return std::nullopt;

  double whole = mixed ? std::floor(magnitude) : 0;
  const double part = magnitude - whole;
  int64_t top = 0;
  int64_t bottom = 1;
  if (given > 0) {
    bottom = given;
    top = std::llround(part * static_cast<double>(given));
  } else {
    int64_t most = 1;
    for (int i = 0; i < std::min(places, 4); ++i) most *= 10;
    std::tie(top, bottom) = NearestFraction(part, most - 1);
  }
  if (mixed && top == bottom) {
    whole += 1;
    top = 0;
  }
  // A whole number leaves the fraction's places blank.
  const bool blank = mixed && top == 0;
  std::string out = IntegerPart(section, 0, numerator,
                                whole > 0 ? std::to_string(static_cast<int64_t>(whole))
                                : blank   ? "0"
                                          : "");
  if (blank) {
    for (std::size_t i = numerator; i < end; ++i) {
      if (tokens[i].kind != Token::Digit || tokens[i].text != "#") out += ' ';
    }
    if (given > 0) out += std::string(givenDigits, ' ') + tokens[end].text.substr(givenDigits);
  } else {
    out += IntegerPart(section, numerator, slash, std::to_string(top), false) + '/';
    if (given > 0) {
      out += tokens[end].text;
    } else {
      const std::string digits = std::to_string(bottom);
      for (std::size_t i = slash + 1; i < end; ++i) {
        const std::size_t at = i - slash - 1;
        if (at < digits.size()) {
          out += digits[at];
        } else if (tokens[i].text == "?") {
          out += ' ';
        } else if (tokens[i].text == "0") {
          out += '0';
        }
      }
    }
  }
  for (std::size_t i = given > 0 ? end + 1 : end; i < tokens.size(); ++i) {
    if (tokens[i].kind != Token::Comma && tokens[i].kind != Token::Digit) out += tokens[i].text;
  }
  return out;
}

// A number in a section of digits: `magnitude` is not negative.
std::string ShowNumber(const Section& section, double magnitude) {
  const std::vector<Token>& tokens = section.tokens;
  if (section.general) {
    // "General" among other text: the number as the general format shows it.
    std::string text;
    char out[32];
    const auto written = std::to_chars(out, out + sizeof out, magnitude);
    for (const Token& token : tokens) {
      if (token.kind == Token::General) {
        text += GeneralNumber(std::string_view(out, static_cast<std::size_t>(written.ptr - out)));
      } else if (token.kind != Token::Digit) {
        text += token.text;
      }
    }
    return text;
  }
  // Where the integer, fraction and exponent digits are.
  std::size_t point = tokens.size();
  std::size_t exponent = tokens.size();
  int integerDigits = 0;
  int fractionDigits = 0;
  int exponentDigits = 0;
  bool engineering = false;
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    const Token& token = tokens[i];
    if (token.kind == Token::Point && point == tokens.size() && exponent == tokens.size()) {
      point = i;
    } else if (token.kind == Token::Exponent && exponent == tokens.size()) {
      exponent = i;
    } else if (token.kind == Token::Digit) {
      if (exponent < i) {
        ++exponentDigits;
      } else if (point < i) {
        ++fractionDigits;
      } else {
        ++integerDigits;
        engineering = engineering || token.text == "#";
      }
    }
  }
  if (point != tokens.size() && exponent < point) point = tokens.size();

  Decimal number = Decimal::Of(magnitude);
  if (!number.digits.empty()) number.point += 2 * section.percents - 3 * section.thousands;
  int power = 0;
  if (exponent != tokens.size()) {
    const int wholeDigits = std::max(integerDigits, 1);
    for (int pass = 0; pass < 2 && !number.digits.empty(); ++pass) {
      Decimal shifted = number;
      const int leading = number.point - 1;  // the power of the first digit
      if (engineering && wholeDigits > 1) {
        power = leading >= 0 ? leading / wholeDigits * wholeDigits
                             : -((-leading + wholeDigits - 1) / wholeDigits) * wholeDigits;
      } else {
        power = leading - (wholeDigits - 1);
      }
      shifted.point -= power;
      shifted.Round(fractionDigits);
      // 9.99 rounded to 10.0 takes one more digit than the mantissa has.
      if (pass == 0 && shifted.point - 1 > leading - power) {
        number = shifted;
        number.point += power;
        continue;
      }
      number = shifted;
      break;
    }
  } else {
    number.Round(fractionDigits);
  }

  std::string out = IntegerPart(section, 0, std::min(point, exponent), number.Whole());
  // The fraction: trailing zeros in '#' places are left out, in '?' places blank.
  const std::string fraction = number.Fraction(fractionDigits);
  std::vector<char> shown(fraction.begin(), fraction.end());
  {
    int digit = fractionDigits;
    for (std::size_t i = std::min(exponent, tokens.size()); i-- > point;) {
      if (tokens[i].kind != Token::Digit) continue;
      --digit;
      if (shown[static_cast<std::size_t>(digit)] != '0' || tokens[i].text == "0") break;
      shown[static_cast<std::size_t>(digit)] = tokens[i].text == "?" ? ' ' : '\0';
    }
  }
  int digit = 0;
  int exponentPlace = 0;
  const std::string powerDigits = std::to_string(power < 0 ? -power : power);
  for (std::size_t i = std::min(point, exponent); i < tokens.size(); ++i) {
    const Token& token = tokens[i];
    if (i > exponent && token.kind == Token::Digit) {
      // The first exponent place takes the digits beyond the places.
      const int width = static_cast<int>(powerDigits.size());
      if (exponentPlace == 0 && width > exponentDigits) {
        out += powerDigits.substr(0, static_cast<std::size_t>(width - exponentDigits + 1));
      } else {
        const int from = exponentPlace - (exponentDigits - width);
        out += from >= 0 ? powerDigits[static_cast<std::size_t>(from)] : '0';
      }
      ++exponentPlace;
    } else if (token.kind == Token::Digit) {
      const char c = shown[static_cast<std::size_t>(digit++)];
      if (c != '\0') out += c;
    } else if (token.kind == Token::Exponent) {
      out += 'E';
      if (power < 0) {
        out += '-';
      } else if (token.text == "+") {
        out += '+';
      }
    } else if (token.kind != Token::Comma) {
      out += token.text;
    }
  }
  return out;
}

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
  // cut to the places shown, as the sheet program does.
  const int64_t milliseconds = std::llround(days * 86400000.0);
  const int64_t units =
      timed ? milliseconds / (1000 / scale) : milliseconds / 86400000 * 86400 * scale;
  const int64_t seconds = units / scale;
  const int64_t day = seconds / 86400;
  const int64_t second = seconds % 86400;
  // The civil date of a day count (from 1 January 1970).
  const int64_t z = day + kDayZero + 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t dayOfEra = z - era * 146097;
  const int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t mp = (5 * dayOfYear + 2) / 153;
  const int64_t dayOfMonth = dayOfYear - (153 * mp + 2) / 5 + 1;
  const int64_t month = mp < 10 ? mp + 3 : mp - 9;
  const int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
  const int64_t weekday = ((day + kDayZero) % 7 + 7 + 4) % 7;
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
        out += token.width <= 2   ? Padded(dayOfMonth, token.width)
               : token.width == 3 ? std::string(kDays[weekday], 3)
                                  : std::string(kDays[weekday]);
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
        if (token.text.size() == 3) {
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

}  // namespace

NumberFormat::NumberFormat(std::string_view code, bool days1904) : days1904_(days1904) {
  if (code.empty() || code.size() > MaxCodeBytes) return;
  std::vector<Section> sections;
  for (const std::string_view part : FormatSections(code)) {
    if (sections.size() == 4) break;
    std::optional<Section> section = ReadFormatSection(part);
    if (!section) return;
    sections.push_back(std::move(*section));
  }
  // "General" alone, or "@" alone, is the general format.
  if (sections.size() == 1 && sections[0].tokens.size() == 1 &&
      (sections[0].general || sections[0].text)) {
    return;
  }
  sections_ = std::make_shared<const std::vector<Section>>(std::move(sections));
}

std::string NumberFormat::Show(double value) const {
  char out[32];
  const auto written = std::to_chars(out, out + sizeof out, value);
  const std::string general =
      GeneralNumber(std::string_view(out, static_cast<std::size_t>(written.ptr - out)));
  if (!sections_ || !std::isfinite(value)) return general;
  const std::vector<Section>& sections = *sections_;
  // The sections for numbers: the text section is for text alone.
  std::size_t numeric = sections.size();
  if (numeric == 4 || (numeric > 1 && sections[numeric - 1].text)) --numeric;
  if (numeric == 0) return general;
  const Section* section = &sections[0];
  bool minus = value < 0;
  if (value < 0 && numeric >= 2) {
    section = &sections[1];
    minus = false;
  } else if (value == 0 && numeric >= 3) {
    section = &sections[2];
  }
  if (section->text) return general;
  const double magnitude = std::fabs(value);
  if (section->date) {
    // 1 January 1904 is day 1462 from the usual day zero.
    const double days = days1904_ ? value + 1462 : value;
    if (days < 0 || days > kLastDay + 1) return general;
    return ShowDate(*section, days);
  }
  std::string shown;
  if (section->fraction) {
    const std::optional<std::string> fraction = ShowFraction(*section, magnitude);
    if (!fraction) return general;
    shown = *fraction;
  } else {
    shown = ShowNumber(*section, magnitude);
  }
  if (!minus) return shown;
  // A negative number that shows as zero shows without its sign.
  bool nonzero = false;
  for (const char c : shown) nonzero = nonzero || (c >= '1' && c <= '9');
  return nonzero ? "-" + shown : shown;
}

std::string NumberFormat::Show(std::string_view value) const {
  double number = 0;
  const char* const end = value.data() + value.size();
  const auto [stop, error] = std::from_chars(value.data(), end, number);
  if (error != std::errc() || stop != end || !std::isfinite(number)) return std::string(value);
  return Show(number);
}

namespace {

// Digits at the start of `text`, taken off it; nothing when there are none.
std::optional<int64_t> TakeNumber(std::string_view& text, std::size_t maxDigits = 12) {
  int64_t value = 0;
  std::size_t digits = 0;
  while (digits < text.size() && digits < maxDigits && text[digits] >= '0' && text[digits] <= '9') {
    value = value * 10 + (text[digits] - '0');
    ++digits;
  }
  if (digits == 0) return std::nullopt;
  text.remove_prefix(digits);
  return value;
}

// Seconds with their fraction ("05.25"), taken off `text`.
std::optional<double> TakeSeconds(std::string_view& text) {
  double value = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (error != std::errc() || value < 0) return std::nullopt;
  text.remove_prefix(static_cast<std::size_t>(end - text.data()));
  return value;
}

bool Skip(std::string_view& text, char c) {
  if (text.empty() || text[0] != c) return false;
  text.remove_prefix(1);
  return true;
}

}  // namespace

std::optional<double> DaysOfDate(std::string_view date) {
  const bool negative = Skip(date, '-');
  const auto year = TakeNumber(date, 6);
  if (!year || !Skip(date, '-')) return std::nullopt;
  const auto month = TakeNumber(date, 2);
  if (!month || !Skip(date, '-')) return std::nullopt;
  const auto day = TakeNumber(date, 2);
  if (!day || *month < 1 || *month > 12 || *day < 1 || *day > 31) return std::nullopt;
  // Days from 1 January 1970 of a civil date.
  const int64_t y = (negative ? -*year : *year) - (*month <= 2 ? 1 : 0);
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yearOfEra = y - era * 400;
  const int64_t dayOfYear = (153 * (*month > 2 ? *month - 3 : *month + 9) + 2) / 5 + *day - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  double days = static_cast<double>(era * 146097 + dayOfEra - 719468 - kDayZero);
  if (Skip(date, 'T')) {
    const auto hours = TakeNumber(date, 2);
    if (!hours || !Skip(date, ':')) return std::nullopt;
    const auto minutes = TakeNumber(date, 2);
    if (!minutes || !Skip(date, ':')) return std::nullopt;
    const auto seconds = TakeSeconds(date);
    if (!seconds) return std::nullopt;
    days += (static_cast<double>(*hours * 3600 + *minutes * 60) + *seconds) / 86400.0;
  }
  // A time zone, if any, is the sheet's own business.
  if (!date.empty() && date[0] != 'Z' && date[0] != '+' && date[0] != '-') return std::nullopt;
  return days;
}

std::optional<double> DaysOfDuration(std::string_view duration) {
  const bool negative = Skip(duration, '-');
  if (!Skip(duration, 'P')) return std::nullopt;
  double seconds = 0;
  bool time = false;
  bool any = false;
  while (!duration.empty()) {
    if (Skip(duration, 'T')) {
      time = true;
      continue;
    }
    std::string_view before = duration;
    const auto whole = TakeNumber(duration);
    if (!whole) return std::nullopt;
    double value = static_cast<double>(*whole);
    if (!duration.empty() && duration[0] == '.') {
      duration = before;
      const auto fractional = TakeSeconds(duration);
      if (!fractional) return std::nullopt;
      value = *fractional;
    }
    if (duration.empty()) return std::nullopt;
    const char unit = duration[0];
    duration.remove_prefix(1);
    if (unit == 'D' && !time) {
      seconds += value * 86400;
    } else if (unit == 'H' && time) {
      seconds += value * 3600;
    } else if (unit == 'M' && time) {
      seconds += value * 60;
    } else if (unit == 'S' && time) {
      seconds += value;
    } else {
      return std::nullopt;
    }
    any = true;
  }
  if (!any) return std::nullopt;
  return (negative ? -seconds : seconds) / 86400.0;
}

}  // namespace q5300
