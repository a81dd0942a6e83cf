#include "data/GridModel.h"

#include <utility>

namespace q5300 {
namespace {
const std::u16string kEmpty;
bool IsValidColumn(int column) { return column >= 0 && column < GridColumnCount; }
}  // namespace

bool GridModel::InsertRow(int row) {
  if (row < 0 || row > rowCount()) return false;
  if (observer_ != nullptr) observer_->BeginInsertRow(row);
  rows_.insert(rows_.begin() + row, Row{});
  if (observer_ != nullptr) observer_->EndInsertRow();
  return true;
}

bool GridModel::DeleteRow(int row) {
  if (!IsValidRow(row)) return false;
  if (observer_ != nullptr) observer_->BeginRemoveRow(row);
  rows_.erase(rows_.begin() + row);
  if (observer_ != nullptr) observer_->EndRemoveRow();
  return true;
}

void GridModel::DeleteAllRows() {
  if (observer_ != nullptr) observer_->BeginRemoveAllRows();
  rows_.clear();
  if (observer_ != nullptr) observer_->EndRemoveAllRows();
}

void GridModel::ReplaceRows(std::vector<Row> rows) {
  if (observer_ != nullptr) observer_->BeginRemoveAllRows();
  rows_ = std::move(rows);
  if (observer_ != nullptr) observer_->EndRemoveAllRows();
}

const std::u16string& GridModel::CellText(int row, int column) const {
  if (!IsValidRow(row) || !IsValidColumn(column)) return kEmpty;
  return rows_[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(column)];
}

bool GridModel::SetCellText(int row, int column, std::u16string text) {
  if (!IsValidRow(row) || !IsValidColumn(column)) return false;
  auto& cell = rows_[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(column)];
  if (cell == text) return true;
  cell = std::move(text);
  if (observer_ != nullptr) observer_->CellChanged(row, column);
  return true;
}

bool GridModel::IsChecked(int row) const {
  return IsValidRow(row) && rows_[static_cast<std::size_t>(row)].checked;
}

bool GridModel::SetChecked(int row, bool checked) {
  if (!IsValidRow(row)) return false;
  auto& r = rows_[static_cast<std::size_t>(row)];
  if (r.checked == checked) return true;
  r.checked = checked;
  if (observer_ != nullptr) observer_->CheckChanged(row);
  return true;
}

bool GridModel::SetHeaderCheckState(int column, int state) {
  if (!IsValidColumn(column) || state < NoBox || state > CheckedBox) return false;
  headerCheck_[static_cast<std::size_t>(column)] = state;
  if (observer_ != nullptr) observer_->HeaderCheckChanged(column);
  return true;
}

int GridModel::GetHeaderCheckState(int column) const {
  return IsValidColumn(column) ? headerCheck_[static_cast<std::size_t>(column)] : -1;
}

}  // namespace q5300
