#include "compile/Metrics.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "compile/RebuildRecords.h"
#include "data/FixedField.h"
#include "data/NumberText.h"

namespace q5300 {
namespace {

// Counts and widths are the printer's 16-bit quantities: they wrap.
using Dots = uint16_t;
constexpr Dots Wrap(unsigned value) {
  return static_cast<Dots>(value);
}

constexpr int MaxFontSizeIndex = 6;

struct CharWidths {
  // [horizontal, vertical]
  std::array<Dots, 2> fullSingle;
  std::array<Dots, 2> halfSingle;
  std::array<Dots, 2> doubleByte;
};

// Advance of one character in dots, by font size 0..6.
constexpr std::array<CharWidths, MaxFontSizeIndex + 1> CharWidthTable = {{
    {{6, 9}, {9, 6}, {9, 9}},
    {{16, 16}, {16, 16}, {16, 16}},
    {{24, 24}, {16, 24}, {24, 24}},
    {{32, 32}, {16, 32}, {32, 32}},
    {{40, 40}, {24, 40}, {40, 40}},
    {{48, 48}, {24, 48}, {48, 48}},
    {{64, 64}, {32, 64}, {64, 64}},
}};

// Advance of a superscript or subscript character in horizontal printing.
constexpr Dots ScriptWidth(int fontSize) {
  if (fontSize <= 1) return 6;
  if (fontSize <= 4) return 16;
  return 27;
}

struct LineFont {
  Dots single;
  Dots wide;
  Dots script;  // 0 in vertical printing: scripts take no extra room there
  Dots spacing;
};

LineFont FontOf(const PageRecord& r, int margin) {
  // A size the printer does not have is measured as its largest.
  const int size = std::min<int>(r.fontSize, MaxFontSizeIndex);
  const CharWidths& w = CharWidthTable[static_cast<std::size_t>(size)];
  const std::size_t dir = r.IsVertical() ? 1 : 0;
  return {r.halfWidth == 1 ? w.halfSingle[dir] : w.fullSingle[dir], w.doubleByte[dir],
          r.IsVertical() ? Dots{0} : ScriptWidth(size), Wrap(static_cast<unsigned>(margin))};
}

// `cells` is the signed count of ordinary character cells: a marker takes the
// character after it out of them even when that character is double-byte, so the
// count goes below zero and the double-byte and script widths make up for it. Only
// a line whose whole width comes out below zero (a marker with no character after
// it) is clamped, to no width rather than some 65,500 dots. Cell counts are
// int64_t: signed and wider than unsigned on every system (long is not on Windows).
Dots LineWidth(const LineFont& f, int64_t cells, int64_t wide, int64_t scripts) {
  const int64_t characters = cells + wide;
  if (characters == 0) return 0;
  const int64_t width =
      cells * f.single + wide * f.wide + scripts * f.script + (characters - 1) * int64_t{f.spacing};
  return width > 0 ? Wrap(static_cast<unsigned>(width)) : Dots{0};
}

Dots CountWide(const uint8_t* begin, const uint8_t* end) {
  return Wrap(static_cast<unsigned>(std::count_if(begin, end, [](uint8_t b) { return b > 0xA0; })) /
              2u);
}

Dots CountScripts(const uint8_t* begin, const uint8_t* end) {
  return Wrap(static_cast<unsigned>(std::count_if(
      begin, end, [](uint8_t b) { return b == SuperscriptCode || b == SubscriptCode; })));
}

}  // namespace

uint16_t WidestLine(const PageRecord& r) {
  return r.twoLines == 1 ? std::max(r.line1Width, r.line2Width) : r.line1Width;
}

void ComputeMetrics(PageRecord& r, int margin) {
  const std::size_t length = std::min<std::size_t>(r.textLength, MaxTextBytes);
  if (r.text[0] == 0 || length == 0) return;
  const uint8_t* const text = r.text.data();
  const uint8_t* const textEnd = text + length;

  r.wideCount = static_cast<uint8_t>(CountWide(text, textEnd));

  const unsigned nb = r.hasNumbering != 0 ? 1 : 0;
  if (nb == 1) {
    const std::size_t startDigits = FieldText(r.numStart).size();
    const std::size_t endDigits = FieldText(r.numEnd).size();
    r.numDigits = static_cast<uint8_t>(std::max(startDigits, endDigits));
    const auto first = static_cast<uint16_t>(ParseDecimal(FieldText(r.numStart)));
    const auto last = static_cast<uint16_t>(ParseDecimal(FieldText(r.numEnd)));
    r.numCount = Wrap((last > first ? last - first : first - last) + 1u);
  }
  // The placeholder byte stands for the digits of the number; a page without
  // numbering has none, whatever digit count its record still carries.
  const unsigned nd = nb == 1 ? r.numDigits : 0u;

  const LineFont font = FontOf(r, margin);
  // A marker and the character it raises or lowers make one script character
  // across; upright in vertical printing, only the marker drops out.
  const unsigned k = r.IsVertical() ? 1 : 2;

  if (r.twoLines == 1) {
    const uint8_t* const separator = std::find(text, textEnd, SeparatorCode);
    // Without a separator the whole text is line 1 and line 2 is empty.
    const uint8_t* const line2 = separator == textEnd ? textEnd : separator + 1;
    const auto j = static_cast<unsigned>(separator - text);
    const auto line2Bytes = static_cast<unsigned>(textEnd - line2);

    const Dots s1 = CountScripts(text, separator);
    const Dots s2 = CountScripts(line2, textEnd);
    const Dots d1 = r.wideCount == 0 ? Dots{0} : CountWide(text, separator);
    const Dots d2 = Wrap(r.wideCount - d1);

    unsigned p = 0;
    if (nb == 1) {
      const uint8_t* const placeholder =
          std::find_if(text, textEnd, [](uint8_t b) { return b >= NumberCode && b <= LowerCode; });
      if (placeholder != textEnd) p = static_cast<unsigned>(placeholder - text);
    }
    const bool numberOnLine1 = j > p;
    const int64_t number = int64_t{nd} - int64_t{nb};
    const int64_t number1 = numberOnLine1 ? number : 0;
    const int64_t number2 = numberOnLine1 ? 0 : number;
    // Ordinary cells of each line: its bytes less what the markers, the double-byte
    // characters and the placeholder take out.
    const int64_t c1 = int64_t{j} + number1 - int64_t{k * s1} - int64_t{2} * d1;
    const int64_t c2 = int64_t{line2Bytes} + number2 - int64_t{k * s2} - int64_t{2} * d2;
    r.line1Width = LineWidth(font, c1, d1, s1);
    r.line2Width = LineWidth(font, c2, d2, s2);
  } else {
    const Dots d = r.wideCount;
    const Dots s = r.scriptCount;
    const int64_t c =
        static_cast<int64_t>(length) - int64_t{nb} + int64_t{nd} - int64_t{k * s} - int64_t{2} * d;
    r.line1Width = LineWidth(font, c, d, s);
  }

  if (r.autoLength == 1) r.lengthDots = Wrap(WidestLine(r) + unsigned{LengthSlack});
  r.limitDots = r.lengthDots;
  r.labelTotal = nb == 1 ? Wrap(r.repeatCount * unsigned{r.numCount}) : r.repeatCount;
}

bool IsOverLength(PageRecord& r, int margin) {
  ComputeMetrics(r, margin);
  if (r.autoLength != 0) return false;
  // Not wrapped: a width that wrapped around is far too long, not short.
  return int{WidestLine(r)} + LengthSlack > int{r.limitDots};
}

}  // namespace q5300
