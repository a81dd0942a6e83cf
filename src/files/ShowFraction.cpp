#include "files/ShowSection.h"

#include <cmath>
#include <cstdint>
#include <tuple>
#include <utility>
#include <vector>

namespace q5300 {

using Token = NumberFormat::Token;
using Section = NumberFormat::Section;

namespace {

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

}  // namespace

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
    // Halves go down, as the sheet program shows them (1.75 in "# ?/10" is 1 7/10).
    top = static_cast<int64_t>(std::ceil(part * static_cast<double>(given) - 0.5));
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
    // The denominator given leaves no room, as the sheet program shows it.
    if (given > 0) out += tokens[end].text.substr(givenDigits);
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

}  // namespace q5300
