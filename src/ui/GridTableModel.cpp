#include "ui/GridTableModel.h"

#include <QColor>

#include "ui/CoreTexts.h"
#include "ui/LengthText.h"
#include "ui/Theme.h"

namespace q5300::ui {
namespace {
// Translated in the model's own context.
const char* const kHeadings[GridColumnCount] = {
    "",
    "",
    QT_TRANSLATE_NOOP("q5300::ui::GridTableModel", "Page"),
    QT_TRANSLATE_NOOP("q5300::ui::GridTableModel", "1st Line"),
    QT_TRANSLATE_NOOP("q5300::ui::GridTableModel", "2nd Line"),
    QT_TRANSLATE_NOOP("q5300::ui::GridTableModel", "Repeat"),
    QT_TRANSLATE_NOOP("q5300::ui::GridTableModel", "Font Size"),
    QT_TRANSLATE_NOOP("q5300::ui::GridTableModel", "Frame"),
    QT_TRANSLATE_NOOP("q5300::ui::GridTableModel", "Direction"),
    QT_TRANSLATE_NOOP("q5300::ui::GridTableModel", "Zoom"),
};

// The columns whose words are the core's (editing/CellTexts.h), shown translated.
bool HoldsWords(int column) {
  return column == FrameColumn || column == DirectionColumn || column == ZoomColumn;
}
}

GridTableModel::GridTableModel(const JobDocument& document, PageCommands& pages, QObject* parent)
    : QAbstractTableModel(parent), document_(document), pages_(pages), grid_(document.grid()) {
  grid_.SetObserver(this);
}

GridTableModel::~GridTableModel() {
  grid_.SetObserver(nullptr);
}

int GridTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : grid_.rowCount();
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : GridColumnCount;
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
      if (index.column() == CheckColumn) return {};
      if (HoldsWords(index.column())) {
        return CoreText(FromU16(grid_.CellText(index.row(), index.column())).toStdString());
      }
      return FromU16(grid_.CellText(index.row(), index.column()));
    case Qt::CheckStateRole:
      if (index.column() != CheckColumn) return {};
      return grid_.IsChecked(index.row()) ? Qt::Checked : Qt::Unchecked;
    case Qt::TextAlignmentRole:
      return int(Qt::AlignCenter);
    case Qt::ForegroundRole:
      if (index.column() != Line1Column && index.column() != Line2Column) return {};
      if (!document_.rowLength(index.row()).overLength) return {};
      return OverLengthColor;
    case Qt::ToolTipRole: {
      const QString problem = OverLengthReason(document_.rowLength(index.row()));
      return problem.isEmpty() ? QVariant() : QVariant(problem);
    }
    default:
      return {};
  }
}

void GridTableModel::ProblemsChanged() {
  if (grid_.rowCount() == 0) return;
  emit dataChanged(index(0, 0), index(grid_.rowCount() - 1, GridColumnCount - 1),
                   {Qt::ForegroundRole, Qt::ToolTipRole});
}

bool GridTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || index.column() != CheckColumn || role != Qt::CheckStateRole) return false;
  // A change of the job like any other: it can be undone.
  pages_.RowChecked(index.row(), value.value<Qt::CheckState>() == Qt::Checked);
  return true;
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= GridColumnCount) return {};
  if (role == Qt::DisplayRole) return tr(kHeadings[section]);
  if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
  return {};
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (index.column() == CheckColumn) f |= Qt::ItemIsUserCheckable;
  return f;
}

void GridTableModel::BeginInsertRow(int row) {
  beginInsertRows({}, row, row);
}
void GridTableModel::EndInsertRow() {
  endInsertRows();
}
void GridTableModel::BeginRemoveRow(int row) {
  beginRemoveRows({}, row, row);
}
void GridTableModel::EndRemoveRow() {
  endRemoveRows();
}
void GridTableModel::BeginRemoveAllRows() {
  beginResetModel();
}
void GridTableModel::EndRemoveAllRows() {
  endResetModel();
}

void GridTableModel::CellChanged(int row, int column) {
  const QModelIndex i = index(row, column);
  emit dataChanged(i, i, {Qt::DisplayRole});
}

void GridTableModel::CheckChanged(int row) {
  const QModelIndex i = index(row, CheckColumn);
  emit dataChanged(i, i, {Qt::CheckStateRole});
}

void GridTableModel::HeaderCheckChanged(int column) {
  emit headerDataChanged(Qt::Horizontal, column, column);
  emit headerCheckChanged(column);
}

}  // namespace q5300::ui
