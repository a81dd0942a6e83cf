#include "compile/Symbols.h"

#include <array>

#include "compile/RebuildRecords.h"

namespace q5300 {
namespace {

constexpr std::array<SymbolInfo, SymbolCount> SymbolTable = {{
    {"earth", false, "[earth]"},  // 0
    {"earth", true, "[<earth>]"}, {"A", true, "[<A>]"},      {"B", true, "[<B>]"},
    {"C", true, "[<C>]"},         {"D", true, "[<D>]"},      {"E", true, "[<E>]"},
    {"F", true, "[<F>]"},         {"G", true, "[<G>]"},      {"H", true, "[<H>]"},
    {"I", true, "[<I>]"},  // 10
    {"J", true, "[<J>]"},         {"K", true, "[<K>]"},      {"L", true, "[<L>]"},
    {"M", true, "[<M>]"},         {"N", true, "[<N>]"},      {"O", true, "[<O>]"},
    {"P", true, "[<P>]"},         {"Q", true, "[<Q>]"},      {"R", true, "[<R>]"},
    {"S", true, "[<S>]"},  // 20
    {"T", true, "[<T>]"},         {"U", true, "[<U>]"},      {"V", true, "[<V>]"},
    {"W", true, "[<W>]"},         {"X", true, "[<X>]"},      {"Y", true, "[<Y>]"},
    {"Z", true, "[<Z>]"},         {"mm", false, "[mm]"},     {"cm", false, "[cm]"},
    {"km", false, "[km]"},  // 30
    {"mm²", false, "[mm²]"},      {"cm²", false, "[cm²]"},   {"m²", false, "[m²]"},
    {"km²", false, "[km²]"},      {"mm³", false, "[mm³]"},   {"cm³", false, "[cm³]"},
    {"m³", false, "[m³]"},        {"cc", false, "[cc]"},     {"ml", false, "[ml]"},
    {"dl", false, "[dl]"},  // 40
    {"l", false, "[l]"},          {"mg", false, "[mg]"},     {"kg", false, "[kg]"},
    {"Å", false, "[Å]"},          {"℃", false, "[℃]"},       {"°K", false, "[°K]"},
    {"mA", false, "[mA]"},        {"kΩ", false, "[kΩ]"},     {"kW", false, "[kW]"},
    {"Hz", false, "[Hz]"},  // 50
    {"%", false, "[%]"},          {"‰", false, "[‰]"},       {"cal", false, "[cal]"},
    {"¥", false, "[¥]"},          {"$", false, "[$]"},       {"¢", false, "[¢]"},
    {"£", false, "[£]"},          {"TEL", false, "[TEL]"},   {"FAX", false, "[FAX]"},
    {"KK", false, "[KK]"},  // 60
    {"No.", false, "[No.]"},      {"am", false, "[am]"},     {"pm", false, "[pm]"},
    {"cross", true, "[<cross>]"}, {"I", false, "[I]"},       {"II", false, "[II]"},
    {"III", false, "[III]"},      {"IV", false, "[IV]"},     {"V", false, "[V]"},
    {"VI", false, "[VI]"},  // 70
    {"VII", false, "[VII]"},      {"VIII", false, "[VIII]"}, {"IX", false, "[IX]"},
    {"X", false, "[X]"},          {"Φ", false, "[Φ]"},       {"Ω", false, "[Ω]"},  // 76
}};

}  // namespace

std::span<const SymbolInfo> ElectricalSymbolTable() {
  return SymbolTable;
}

std::string_view SpecialCharacterNotation(char16_t c) {
  if (c >= FirstSymbol && c < FirstSymbol + SymbolCount) {
    return SymbolTable[static_cast<std::size_t>(c - FirstSymbol)].notation;
  }
  switch (c) {
    case NumberPlaceholder:
      return "[0-999]";
    case FixedPlaceholder:
      return "[000-999]";
    case UpperPlaceholder:
      return "[A-Z]";
    case LowerPlaceholder:
      return "[a-z]";
    case SuperscriptMarker:
      return "[^]";
    case SubscriptMarker:
      return "[_]";
    default:
      return {};
  }
}

std::string ReadableText(std::u16string_view text) {
  std::u16string plain;
  std::string out;
  auto flush = [&] {
    if (plain.empty()) return;
    for (const char16_t c : plain) {
      // UTF-8 of one UTF-16 unit; the grid holds no surrogates worth keeping.
      if (c < 0x80) {
        out += static_cast<char>(c);
      } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
      } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
      }
    }
    plain.clear();
  };
  for (const char16_t c : text) {
    const std::string_view notation = SpecialCharacterNotation(c);
    if (notation.empty()) {
      plain += c;
    } else {
      flush();
      out += notation;
    }
  }
  flush();
  return out;
}

}  // namespace q5300
