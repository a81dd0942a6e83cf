#pragma once

#include <QPointer>
#include <QTableView>

#include "editing/GridActions.h"
#include "ui/InPlaceEdit.h"

namespace q5300 {
class Engine;
}

namespace q5300::ui {

class GridTableModel;
class MyHeaderCtrl;

// The label grid: one row per page, ten columns. It shows the engine's grid
// model, reports clicks, released Up/Down keys and committed edits to the
// engine, and opens the cell editor over a cell.
class MyListCtrl final : public QTableView, public GridActions {
  Q_OBJECT

 public:
  explicit MyListCtrl(QWidget* parent = nullptr);
  ~MyListCtrl() override;

  // Binds the grid to the engine's model; call once, before use.
  void Attach(Engine& engine);

  // GridActions
  void FocusGrid() override;
  void BeginCellEdit(int row, int column) override;
  void SelectRow(int row, bool ensureVisible) override;

  // (row, column) under a point of the viewport; row -1 and column 0 off the rows.
  std::pair<int, int> CellFromPoint(const QPoint& point) const;
  InPlaceEdit* editor() const { return editor_; }
  // The editor whose edit is still going on, if any.
  InPlaceEdit* openEditor() const {
    return editor_ && !editor_->finished() ? editor_.data() : nullptr;
  }
  MyHeaderCtrl* header() const { return header_; }

  static constexpr int ColumnWidths[10] = {16, 16, 40, 260, 90, 45, 55, 75, 95, 45};

  // The engine's rows may fit their pages differently now: the marks follow.
  void ProblemsChanged();

 signals:
  // The text in the open editor, as typed, pasted or composed so far.
  void editTextChanged(int row, int column, const QString& text);
  // The editor is gone, committed or cancelled.
  void editFinished();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void EditEnded(const InPlaceEdit::Outcome& outcome);

  Engine* engine_ = nullptr;
  GridTableModel* model_ = nullptr;
  MyHeaderCtrl* header_ = nullptr;
  QPointer<InPlaceEdit> editor_;
};

}  // namespace q5300::ui
