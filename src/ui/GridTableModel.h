#pragma once

#include <QAbstractTableModel>

#include "data/GridModel.h"
#include "editing/JobDocument.h"
#include "editing/PageCommands.h"

namespace q5300::ui {

// Shows the document's grid to a Qt item view: ten columns, a check box in
// column 0, every text centred, the lines of a page that does not fit in red
// with the reason as the row's tooltip. The grid stays the one truth; this only
// translates, and a ticked box goes to the page commands as a change.
class GridTableModel final : public QAbstractTableModel, private GridObserver {
  Q_OBJECT

 public:
  GridTableModel(const JobDocument& document, PageCommands& pages, QObject* parent = nullptr);
  ~GridTableModel() override;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

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

  const JobDocument& document_;
  PageCommands& pages_;
  const GridModel& grid_;
};

}  // namespace q5300::ui
