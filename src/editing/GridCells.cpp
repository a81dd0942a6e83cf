#include "editing/GridCells.h"

#include <cmath>

#include "editing/CellTexts.h"
#include "editing/InputFilters.h"
#include "editing/JobDocument.h"

namespace q5300 {

std::u16string CellTextOf(const Page& page, int row, bool current, int column) {
  const PageRecord& r = page.record;
  switch (column) {
    case MarkColumn: return current ? u"∽" : u"";
    case PageColumn: return NumberCellText(row + 1);
    case Line1Column: return page.line1;
    case Line2Column: return page.line2;
    case RepeatColumn: return NumberCellText(r.repeatCount);
    // An automatic size shows as the panel's item 0.
    case FontSizeColumn: return NumberCellText(r.autoFont != 0 ? 0 : r.fontSize);
    case FrameColumn: return FrameCellText(r.frame);
    case DirectionColumn: return DirectionCellText(r.direction);
    case ZoomColumn: return ZoomCellText(r.halfWidth);
    default: return u"";
  }
}

int GridCells::rowCount() const {
  return document_.pageCount();
}

std::u16string GridCells::CellText(int row, int column) const {
  const Page* page = document_.PageAt(row);
  if (page == nullptr) return u"";
  return CellTextOf(*page, row, row == document_.currentPageIndex(), column);
}

bool GridCells::IsChecked(int row) const {
  const Page* page = document_.PageAt(row);
  return page != nullptr && page->checked();
}

int GridCells::GetHeaderCheckState(int column) const {
  if (column < 0 || column >= GridColumnCount) return -1;
  return column == CheckColumn ? document_.headerCheck() : NoBox;
}

std::u16string LengthBoxText(int dots) {
  // A set length of L mm is trunc(12 * L) dots; the box takes one decimal.
  const int whole = dots / DotsPerMm;
  for (int tenths = 0; tenths < 10; ++tenths) {
    const float mm = static_cast<float>(whole) + static_cast<float>(tenths) / 10.0f;
    if (static_cast<int>(static_cast<float>(DotsPerMm) * mm) != dots) continue;
    std::u16string text = NumberCellText(whole);
    if (tenths != 0) text += u'.' + NumberCellText(tenths);
    return text;
  }
  // No length of one decimal gives these dots: the nearest.
  const long tenths = std::lround(static_cast<double>(dots) * 10.0 / DotsPerMm);
  std::u16string text = NumberCellText(tenths / 10);
  if (tenths % 10 != 0) text += u'.' + NumberCellText(tenths % 10);
  return text;
}

}  // namespace q5300
