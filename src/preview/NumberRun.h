#pragma once

#include <cstdint>
#include <string>

namespace q5300 {

// How a running value is written into a label: the first numbering flag a page
// has set, in the order numNumber, numFixed, numHex2, numHex1, then the letters.
enum class NumberKind : uint8_t { None, Number, Fixed, Hex2, Hex1, Letter };

// The text a running value puts in place of the placeholder.
//
// Number: decimal digits without leading zeros ("7", "10", "100"). Fixed: at
// least three decimal digits ("007"). Hex2: at least two hexadecimal digits
// ("FF"). Hex1: at least one ("A"). Values beyond the kind's width keep all
// their digits ("1000", "100" for 256 in Hex2, "10" for 16 in Hex1) and negative
// values take a minus sign before the padded digits ("-5", "-007"), so that
// a value outside the numbering dialog's ranges shows as what it is instead of
// being cut to something that looks valid.
// Letter: the character whose code is the value when that is printable ASCII
// (0x20..0x7E), otherwise '?' (a control code would be taken for a placeholder
// or the line separator). None: empty, the placeholder stays.
std::u16string NumberText(NumberKind kind, int value);

// The values around `value` whose texts have the same shape (the same length,
// the same sign, digits in the same places): [low, high]. Labels whose numbers
// lie in one span differ only in their digits and so are equally wide.
struct ValueSpan {
  int low = 0;
  int high = 0;
};
ValueSpan SameShapeSpan(NumberKind kind, int value);

// The running values of one pass over a numbered page. The counter starts at
// `start` and steps one toward `end` after every label; once it stands at `end`
// it steps down, then up again, so a pass longer than the range swings between
// end - 1 and end (a numCount that does not match start and end does that).
struct NumberRun {
  int start = 0;
  int end = 0;

  // Values from start to end inclusive before the swing begins.
  int64_t StraightLength() const { return (end >= start ? end - start : start - end) + int64_t{1}; }
  // The value of the i-th label of the pass, i >= 0.
  int ValueAt(int64_t i) const;
};

}  // namespace q5300
