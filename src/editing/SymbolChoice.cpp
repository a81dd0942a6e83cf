#include "editing/SymbolChoice.h"

#include "compile/RebuildRecords.h"

namespace q5300 {
std::optional<int> SymbolChoice::SymbolAt(const PictureRect& picture, int x, int y) {
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

bool SymbolChoice::DoubleClicked(const PictureRect& picture, int x, int y) {
  const std::optional<int> symbol = SymbolAt(picture, x, y);
  if (!symbol) return false;
  selection_ += static_cast<char16_t>(FirstSymbol + *symbol);
  return true;
}

}  // namespace q5300
