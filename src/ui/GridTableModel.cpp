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
    : QAbstractTableModel(parent), document_(document), pages_(pages) {
  for (const Page& page : document_.pages()) shown_.push_back(page.id);
  headerCheck_ = document_.headerCheck();
}

int GridTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : GridColumnCount;
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
  // A row the view has not yet heard of, while a message of a change stands.
  const Page* page = index.isValid() ? document_.PageAt(index.row()) : nullptr;
  if (page == nullptr) return {};
  switch (role) {
    case Qt::DisplayRole: {
      if (index.column() == CheckColumn) return {};
      const bool current = index.row() == document_.currentPageIndex();
      const std::u16string text = CellTextOf(*page, index.row(), current, index.column());
      if (HoldsWords(index.column())) return CoreText(FromU16(text).toStdString());
      return FromU16(text);
    }
    case Qt::CheckStateRole:
      if (index.column() != CheckColumn) return {};
      return page->checked() ? Qt::Checked : Qt::Unchecked;
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

void GridTableModel::Sync() {
  std::vector<PageId> now;
  now.reserve(static_cast<std::size_t>(document_.pageCount()));
  for (const Page& page : document_.pages()) now.push_back(page.id);
  const auto rowOf = [](std::size_t i) { return static_cast<int>(i); };
  if (now != shown_) {
    // The first row where the two differ; a page added or deleted there is the
    // one row that came or went.
    std::size_t at = 0;
    while (at < now.size() && at < shown_.size() && now[at] == shown_[at]) ++at;
    if (now.size() == shown_.size() + 1 &&
        std::equal(shown_.begin() + static_cast<std::ptrdiff_t>(at), shown_.end(),
                   now.begin() + static_cast<std::ptrdiff_t>(at) + 1)) {
      beginInsertRows({}, rowOf(at), rowOf(at));
      shown_ = std::move(now);
      endInsertRows();
    } else if (now.size() + 1 == shown_.size() &&
               std::equal(now.begin() + static_cast<std::ptrdiff_t>(at), now.end(),
                          shown_.begin() + static_cast<std::ptrdiff_t>(at) + 1)) {
      beginRemoveRows({}, rowOf(at), rowOf(at));
      shown_ = std::move(now);
      endRemoveRows();
    } else {
      beginResetModel();
      shown_ = std::move(now);
      endResetModel();
    }
  }
  if (!shown_.empty()) {
    emit dataChanged(index(0, 0), index(rowOf(shown_.size()) - 1, GridColumnCount - 1));
  }
  if (const int state = document_.headerCheck(); state != headerCheck_) {
    headerCheck_ = state;
    emit headerDataChanged(Qt::Horizontal, CheckColumn, CheckColumn);
    emit headerCheckChanged(CheckColumn);
  }
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

}  // namespace q5300::ui
