#pragma once

namespace q5300 {

// The few things only the grid widget can do.
class GridActions {
 public:
  virtual ~GridActions() = default;
  // Takes the keyboard focus; an open cell edit ends and is committed (the grid
  // reports it through Engine::CellEdited before this returns).
  virtual void FocusGrid() = 0;
  // Opens the cell editor on (row, column).
  virtual void BeginCellEdit(int row, int column) = 0;
  // Selects and focuses the row; scrolls it fully into view when asked.
  virtual void SelectRow(int row, bool ensureVisible) = 0;
};

}  // namespace q5300
