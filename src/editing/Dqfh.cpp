#include "editing/Dqfh.h"

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

std::optional<int> Dqfh::SymbolAt(const PictureRect& picture, int x, int y) {
  if (x < picture.left || x >= picture.right || y < picture.top || y >= picture.bottom) {
    return std::nullopt;
  }
  const int w = (picture.right - picture.left) / SheetColumns;
  const int h = (picture.bottom - picture.top) / SheetRows;
  if (w <= 0 || h <= 0) return std::nullopt;
  const int column = (x - picture.left) / w;
  const int row = (y - picture.top) / h;
  // The strip past the last whole cell would otherwise count as the next row's
  // first cell.
  if (column >= SheetColumns || row >= SheetRows) return std::nullopt;
  const int i = SheetColumns * row + column;
  if (i >= SymbolCount) return std::nullopt;
  return i;
}

bool Dqfh::DoubleClicked(const PictureRect& picture, int x, int y) {
  const std::optional<int> symbol = SymbolAt(picture, x, y);
  if (!symbol) return false;
  selection_ += static_cast<char16_t>(FirstSymbol + *symbol);
  return true;
}

}  // namespace q5300
