#include "files/ShowSection.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <vector>

#include "files/SheetCells.h"

namespace q5300 {

using Token = NumberFormat::Token;
using Section = NumberFormat::Section;

namespace {

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

}  // namespace

// The digits of `whole` in the digit places of tokens [begin, end), right to
// left: the first place takes what is left; with the text between them.
std::string IntegerPart(const Section& section, std::size_t begin, std::size_t end,
                        const std::string& whole, bool grouping) {
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

}  // namespace q5300
