#pragma once

#include <QPointer>
#include <QTableView>

#include "ui/CellEditor.h"

namespace q5300 {
class JobDocument;
class PageCommands;
}

namespace q5300::ui {

class GridTableModel;
class LabelGridHeader;

// The label grid: one row per page, ten columns. It shows the document's pages;
// its current row is the current page, and every move of it goes to the page
// commands, as do clicks and committed edits; it opens the cell editor over a
// cell.
class LabelGrid final : public QTableView {
  Q_OBJECT

 public:
  explicit LabelGrid(QWidget* parent = nullptr);
  ~LabelGrid() override;

  // Binds the grid to the document and its page commands; call once, before use.
  void Attach(const JobDocument& document, PageCommands& pages);

  // Takes the keyboard focus; an open cell edit ends and is committed first.
  void FocusGrid();
  // Opens the cell editor on (row, column) with the cell's text, or with `text`.
  void BeginCellEdit(int row, int column);
  void BeginCellEdit(int row, int column, const QString& text);
  // Selects the row; scrolls it fully into view when asked.
  void SelectRow(int row, bool ensureVisible);

  // (row, column) under a point of the viewport; row -1 and column 0 off the rows.
  std::pair<int, int> CellFromPoint(const QPoint& point) const;
  CellEditor* editor() const { return editor_; }
  // The editor whose edit is still going on, if any.
  CellEditor* openEditor() const {
    return editor_ && !editor_->finished() ? editor_.data() : nullptr;
  }
  LabelGridHeader* header() const { return header_; }

  static constexpr int ColumnWidths[10] = {16, 16, 40, 260, 90, 45, 55, 75, 95, 45};

  // The document changed: the rows follow its pages, and the selected row is
  // its current page.
  void Sync();

 signals:
  // The text in the open editor, as typed, pasted or composed so far.
  void editTextChanged(int row, int column, const QString& text);
  // The editor is gone, committed or cancelled.
  void editFinished();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  // Tab or Backtab in an open cell edit ends it and goes on to the control after
  // (or before) the grid, not back to the grid itself, whose focus shows nothing
  // beside the selected row.
  bool focusNextPrevChild(bool next) override;

 private:
  void EditEnded(const CellEditor::Outcome& outcome);

  const JobDocument* document_ = nullptr;
  PageCommands* pages_ = nullptr;
  GridTableModel* model_ = nullptr;
  LabelGridHeader* header_ = nullptr;
  QPointer<CellEditor> editor_;
  // The view's selection is being made to follow the document.
  bool syncing_ = false;
};

}  // namespace q5300::ui
