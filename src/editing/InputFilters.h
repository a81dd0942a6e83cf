#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace q5300 {

// The length field (edit 1019) takes a decimal number of at most 5 characters
// with at most one decimal digit. Returns the text the field must show instead,
// or nothing when the text may stay: "12.34" gives "12.3", "1a5" gives "1", a
// text that starts with a letter gives "", a sixth character is cut off.
std::optional<std::u16string> FilterLengthText(std::u16string_view text);

// The bound values of the panel's edits: a float for the length, an integer for
// the repeat count. Nothing when the text does not read as a number (blanks
// around the number are allowed, anything else is not).
std::optional<float> ReadLengthValue(std::u16string_view text);
std::optional<int32_t> ReadRepeatValue(std::u16string_view text);

// Filter modes of the single-line fields of the numbering dialog.
enum class FilterMode { AnyText = 0, DigitsOnly = 1, LettersOnly = 2 };
enum class CaseMode { AsTyped = 0, Lower = 1, Upper = 2 };

// What a typed character becomes in a filtered field: nothing when it is dropped.
// Backspace always passes. In LettersOnly mode a letter is turned to the case mode.
std::optional<char16_t> FilterTypedCharacter(FilterMode mode, CaseMode caseMode, char16_t c);

// The grid's cell editor: characters refused by the Repeat column, and the
// 40-character limit of a line (Backspace always passes).
inline constexpr int MaxCellCharacters = 40;
bool CellEditorAccepts(bool digitsOnly, std::u16string_view current, char16_t c);

std::u16string AsciiToU16(std::string_view text);
// The program's own UTF-8 texts (well-formed) as UTF-16.
std::u16string Utf8ToU16(std::string_view text);
std::string U16ToAscii(std::u16string_view text);  // non-ASCII characters become '?'

}  // namespace q5300
