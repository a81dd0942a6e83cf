#pragma once

#include <span>
#include <string>
#include <string_view>

namespace q5300 {

// One of the 77 electrical symbols of the printer's font (grid character
// U+E000 + number). `name` says what the symbol is; `notation` is how texts
// for reading show it: the name in square brackets, with angle brackets inside
// for a symbol drawn in an octagon ("[earth]", "[<earth>]", "[<A>]", "[mm²]").
struct SymbolInfo {
  std::string_view name;
  bool inOctagon;
  std::string_view notation;
};

// The symbols by number, 0..76.
std::span<const SymbolInfo> ElectricalSymbolTable();

// The notation of a special character of the grid text: a symbol as above, the
// superscript and subscript markers as "[^]" and "[_]", the numbering
// placeholders as "[0-999]", "[000-999]" (also the hexadecimal kinds), "[A-Z]",
// "[a-z]". Empty for any other character.
std::string_view SpecialCharacterNotation(char16_t c);

// The text with every special character written as its notation, as UTF-8:
// "X1-[0-999]", "m[^]2", "[<earth>] GND".
std::string ReadableText(std::u16string_view text);

}  // namespace q5300
