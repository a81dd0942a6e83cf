#pragma once

#include <QAbstractTableModel>
#include <functional>

#include "data/GridModel.h"

namespace q5300::ui {

// Shows the engine's grid model to a Qt item view: ten columns, a check box in
// column 0, every text centred, the lines of a page that does not fit in red
// with the reason as the row's tooltip. The grid model stays the one truth;
// this only translates.
class GridTableModel final : public QAbstractTableModel, private GridObserver {
  Q_OBJECT

 public:
  explicit GridTableModel(GridModel& grid, QObject* parent = nullptr);
  ~GridTableModel() override;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  GridModel& grid() { return grid_; }

  // Why a row's text does not fit its page; empty when it does.
  using RowProblem = std::function<QString(int row)>;
  void SetRowProblem(RowProblem problem) { rowProblem_ = std::move(problem); }
  // Ticking a row's box goes here instead of straight into the grid model.
  using CheckHandler = std::function<void(int row, bool checked)>;
  void SetCheckHandler(CheckHandler handler) { checkHandler_ = std::move(handler); }
  // The rows' problems may have changed: the view asks again.
  void ProblemsChanged();

 signals:
  void headerCheckChanged(int column);

 private:
  void BeginInsertRow(int row) override;
  void EndInsertRow() override;
  void BeginRemoveRow(int row) override;
  void EndRemoveRow() override;
  void BeginRemoveAllRows() override;
  void EndRemoveAllRows() override;
  void CellChanged(int row, int column) override;
  void CheckChanged(int row) override;
  void HeaderCheckChanged(int column) override;

  GridModel& grid_;
  RowProblem rowProblem_;
  CheckHandler checkHandler_;
};

}  // namespace q5300::ui
