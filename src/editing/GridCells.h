#pragma once

#include <string>

namespace q5300 {

struct Page;
class JobDocument;

// Columns of the label grid.
enum GridColumn : int {
  CheckColumn = 0,
  MarkColumn = 1,  // "∽" in the current row
  PageColumn = 2,
  Line1Column = 3,
  Line2Column = 4,
  RepeatColumn = 5,
  FontSizeColumn = 6,
  FrameColumn = 7,
  DirectionColumn = 8,
  ZoomColumn = 9,
};
inline constexpr int GridColumnCount = 10;

// Check image of a heading: no box, an empty box, a ticked box.
enum HeaderCheck : int { NoBox = 0, EmptyBox = 1, CheckedBox = 2 };

// The text of a cell of the label grid: the page's lines as typed, its number
// (row + 1), the mark of the current page and its attributes in words. A
// column outside the grid has none.
std::u16string CellTextOf(const Page& page, int row, bool current, int column);

// What the label grid shows, worked out from the document's pages whenever it
// is asked: per row a check box and ten cell texts, and the headings' check
// boxes. It holds nothing of its own.
class GridCells {
 public:
  explicit GridCells(const JobDocument& document) : document_(document) {}

  int rowCount() const;
  bool IsValidRow(int row) const { return row >= 0 && row < rowCount(); }
  // Empty for a cell outside the grid.
  std::u16string CellText(int row, int column) const;
  bool IsChecked(int row) const;
  // States 0, 1, 2; -1 for a column outside the header.
  int GetHeaderCheckState(int column) const;

 private:
  const JobDocument& document_;
};

}  // namespace q5300
