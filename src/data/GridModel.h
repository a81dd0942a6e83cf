#pragma once

#include <array>
#include <string>
#include <vector>

namespace q5300 {

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

// Told of every change of the model, so a view can follow it.
class GridObserver {
 public:
  virtual ~GridObserver() = default;
  // Structural changes come in pairs, before and after, as item views need them.
  virtual void BeginInsertRow(int row) = 0;
  virtual void EndInsertRow() = 0;
  virtual void BeginRemoveRow(int row) = 0;
  virtual void EndRemoveRow() = 0;
  // Every row goes; other rows may come in their place before the end.
  virtual void BeginRemoveAllRows() = 0;
  virtual void EndRemoveAllRows() = 0;
  virtual void CellChanged(int row, int column) = 0;
  virtual void CheckChanged(int row) = 0;
  virtual void HeaderCheckChanged(int column) = 0;
};

// What the label grid shows: per row a check box and ten cell texts (UTF-16, as
// the operator typed them), and the headings' check boxes. It is the single
// truth of the grid; the window only displays it. (The current row and column
// are the job document's.)
class GridModel {
 public:
  struct Row {
    bool checked = false;
    std::array<std::u16string, GridColumnCount> cells;

    friend bool operator==(const Row&, const Row&) = default;
  };

  int rowCount() const { return static_cast<int>(rows_.size()); }
  bool IsValidRow(int row) const { return row >= 0 && row < rowCount(); }

  // A row with empty texts and its box clear, at 0..rowCount (later rows move down).
  bool InsertRow(int row);
  bool DeleteRow(int row);
  void DeleteAllRows();
  // Every row at once, in place of the rows there are (one change for a view).
  void ReplaceRows(std::vector<Row> rows);
  const std::vector<Row>& rows() const { return rows_; }

  // Empty for a cell outside the grid.
  const std::u16string& CellText(int row, int column) const;
  // False, and no change, for a row or column outside the grid.
  bool SetCellText(int row, int column, std::u16string text);

  bool IsChecked(int row) const;
  bool SetChecked(int row, bool checked);

  // States 0, 1, 2; false / -1 for a column outside the header.
  bool SetHeaderCheckState(int column, int state);
  int GetHeaderCheckState(int column) const;

  // Watching the grid changes nothing in it: a view of a const grid may watch.
  void SetObserver(GridObserver* observer) const { observer_ = observer; }

 private:
  std::vector<Row> rows_;
  std::array<int, GridColumnCount> headerCheck_{};
  mutable GridObserver* observer_ = nullptr;
};

}  // namespace q5300
