#include "preview/NumberRun.h"

#include <algorithm>
#include <limits>

namespace q5300 {
namespace {

struct NumberFormat {
  int base;
  int minDigits;
};

NumberFormat FormatOf(NumberKind kind) {
  switch (kind) {
    case NumberKind::Fixed:
      return {10, 3};
    case NumberKind::Hex2:
      return {16, 2};
    case NumberKind::Hex1:
      return {16, 1};
    default:
      return {10, 1};
  }
}

bool IsNumeric(NumberKind kind) {
  return kind == NumberKind::Number || kind == NumberKind::Fixed || kind == NumberKind::Hex2 ||
         kind == NumberKind::Hex1;
}

constexpr int FirstPrintable = 0x20;
constexpr int LastPrintable = 0x7E;

int DigitCount(int64_t magnitude, int base, int minDigits) {
  int n = 1;
  for (int64_t limit = base; magnitude >= limit; limit *= base) ++n;
  return n < minDigits ? minDigits : n;
}

int64_t Power(int base, int exponent) {
  int64_t p = 1;
  for (int i = 0; i < exponent; ++i) p *= base;
  return p;
}

}  // namespace

std::u16string NumberText(NumberKind kind, int value) {
  if (kind == NumberKind::None) return {};
  if (kind == NumberKind::Letter) {
    return std::u16string(
        1, value >= FirstPrintable && value <= LastPrintable ? static_cast<char16_t>(value) : u'?');
  }
  static constexpr char16_t Digits[] = u"0123456789ABCDEF";
  const NumberFormat format = FormatOf(kind);
  int64_t magnitude = value < 0 ? -int64_t{value} : int64_t{value};
  const int n = DigitCount(magnitude, format.base, format.minDigits);
  const std::size_t sign = value < 0 ? 1 : 0;
  std::u16string text(sign + static_cast<std::size_t>(n), u'0');
  if (sign != 0) text[0] = u'-';
  for (std::size_t i = text.size(); i > sign; --i) {
    text[i - 1] = Digits[magnitude % format.base];
    magnitude /= format.base;
  }
  return text;
}

ValueSpan SameShapeSpan(NumberKind kind, int value) {
  constexpr int Lowest = std::numeric_limits<int>::min();
  constexpr int Highest = std::numeric_limits<int>::max();
  if (kind == NumberKind::Letter) {
    if (value < FirstPrintable) return {Lowest, FirstPrintable - 1};
    if (value > LastPrintable) return {LastPrintable + 1, Highest};
    return {value, value};
  }
  if (!IsNumeric(kind)) return {Lowest, Highest};
  const NumberFormat format = FormatOf(kind);
  const int64_t magnitude = value < 0 ? -int64_t{value} : int64_t{value};
  const int n = DigitCount(magnitude, format.base, format.minDigits);
  // Magnitudes written with exactly n digits; zero belongs to the narrowest shape only.
  const int64_t high = std::min<int64_t>(Power(format.base, n) - 1, Highest);
  int64_t low = n == format.minDigits ? 0 : Power(format.base, n - 1);
  if (value >= 0) return {static_cast<int>(low), static_cast<int>(high)};
  if (low == 0) low = 1;
  return {static_cast<int>(-high), static_cast<int>(-low)};
}

int NumberRun::ValueAt(int64_t i) const {
  const int64_t straight = StraightLength();
  if (i < straight) {
    return static_cast<int>(end >= start ? start + i : start - i);
  }
  return (i - straight) % 2 == 0 ? end - 1 : end;
}

}  // namespace q5300
