#include "ui/LabelGrid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include "editing/JobDocument.h"
#include "editing/PageCommands.h"
#include "ui/GridTableModel.h"
#include "ui/LabelGridHeader.h"
#include "ui/Theme.h"

namespace q5300::ui {
namespace {

// A selected row keeps the red of a line that does not fit its page: the line
// is drawn in that red on a pale highlight, not in the highlight's white.
class RowDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!option->state.testFlag(QStyle::State_Selected)) return;
    const QVariant colour = index.data(Qt::ForegroundRole);
    if (!colour.isValid() || colour.value<QColor>() != OverLengthColor) return;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
      option->palette.setColor(group, QPalette::HighlightedText, OverLengthColor);
      option->palette.setColor(group, QPalette::Highlight, SelectedOverLengthBackground);
    }
  }
};

}  // namespace

LabelGrid::LabelGrid(QWidget* parent) : QTableView(parent) {
  setObjectName(QStringLiteral("grid"));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Tab moves the focus on to the next control, which ends an open cell edit,
  // rather than walking the cells under an editor that stays open.
  setTabKeyNavigation(false);
  setShowGrid(true);
  setWordWrap(false);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  verticalHeader()->hide();
  setFont(GridFont());
  QPalette colours = palette();
  colours.setColor(QPalette::Base, ApplicationBackground);
  colours.setColor(QPalette::Text, Qt::black);
  setPalette(colours);
  setItemDelegate(new RowDelegate(this));
  // A scroll takes the focus first, so an open edit is committed before the cells move.
  for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
    connect(bar, &QScrollBar::actionTriggered, this, [this] { FocusGrid(); });
  }
}

LabelGrid::~LabelGrid() {
  // An edit still open when the grid goes is dropped, not reported.
  pages_ = nullptr;
  delete editor_;
}

void LabelGrid::Attach(const JobDocument& document, PageCommands& pages) {
  document_ = &document;
  pages_ = &pages;
  model_ = new GridTableModel(document, pages, this);
  header_ = new LabelGridHeader(document, this);
  setHorizontalHeader(header_);
  setModel(model_);
  // However the selection moves (a click, the arrow keys, Home and End, the page
  // keys), its row is the current page.
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (syncing_ || pages_ == nullptr || !current.isValid()) return;
            pages_->RowClicked(current.row(), current.column());
          });
  header_->setFont(font());
  const QFontMetrics headings(header_->font());
  for (int c = 0; c < GridColumnCount; ++c) {
    // Each column 4 pixels wider than asked: the header's spacing on both sides;
    // wider still where this font needs more room for the whole heading.
    const int heading = headings.horizontalAdvance(
        model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
    const int room = heading > 0 ? heading + 10 : 0;
    setColumnWidth(c, std::max(ColumnWidths[c], room) + 2 * LabelGridHeader::Spacing);
  }
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  connect(header_, &QHeaderView::sectionClicked, this, [this](int section) {
    FocusGrid();
    pages_->HeadingClicked(section);
  });
  connect(model_, &GridTableModel::headerCheckChanged, header_,
          [this](int) { header_->viewport()->update(); });
}

std::pair<int, int> LabelGrid::CellFromPoint(const QPoint& point) const {
  const int row = rowAt(point.y());
  if (row < 0) return {-1, 0};
  const int column = columnAt(point.x());
  return {row, column < 0 ? 0 : column};
}

void LabelGrid::mousePressEvent(QMouseEvent* event) {
  QTableView::mousePressEvent(event);
  if (event->button() != Qt::LeftButton || pages_ == nullptr) return;
  const auto [row, column] = CellFromPoint(event->position().toPoint());
  if (row < 0) return;
  pages_->RowClicked(row, column);
  if (column != Line1Column && column != Line2Column && column != RepeatColumn) return;
  if (!pages_->CellEditQuery(row, column)) return;
  BeginCellEdit(row, column);
}

void LabelGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  // A double click is a second click; the editor is already open after the first.
  if (editor_) return;
  mousePressEvent(event);
}

bool LabelGrid::focusNextPrevChild(bool next) {
  QWidget* focus = QApplication::focusWidget();
  if (editor_ == nullptr || focus == nullptr || !isAncestorOf(focus)) {
    return QTableView::focusNextPrevChild(next);
  }
  for (QWidget* w = next ? nextInFocusChain() : previousInFocusChain(); w != nullptr && w != this;
       w = next ? w->nextInFocusChain() : w->previousInFocusChain()) {
    if (isAncestorOf(w) || w->window() != window()) continue;
    if (!w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus)) continue;
    if (w->focusProxy() != nullptr) continue;
    w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
  }
  return QTableView::focusNextPrevChild(next);
}

void LabelGrid::wheelEvent(QWheelEvent* event) {
  FocusGrid();
  QTableView::wheelEvent(event);
}

void LabelGrid::FocusGrid() {
  if (editor_) editor_->Commit();
  setFocus(Qt::OtherFocusReason);
}

void LabelGrid::BeginCellEdit(int row, int column) {
  if (document_ == nullptr) return;
  BeginCellEdit(row, column, FromU16(document_->grid().CellText(row, column)));
}

void LabelGrid::BeginCellEdit(int row, int column, const QString& text) {
  if (document_ == nullptr || document_->PageAt(row) == nullptr || column < 0 ||
      column >= GridColumnCount || columnWidth(column) < 5) {
    return;
  }
  const QModelIndex index = model_->index(row, column);
  scrollTo(index);
  QRect cell = visualRect(index);
  if (cell.left() < 0 || cell.left() > viewport()->width()) {
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + cell.left());
    cell = visualRect(index);
  }
  const int left = cell.left() + 4;
  const int right = std::min(left + columnWidth(column) - 3, viewport()->width());
  auto* editor = new CellEditor(viewport(), this, row, column, text,
                      [this](const CellEditor::Outcome& o) { EditEnded(o); });
  editor->setFont(font());
  editor->setGeometry(left, cell.top(), std::max(right - left, 5), cell.height());
  editor_ = editor;
  connect(editor, &QLineEdit::textChanged, this,
          [this, row, column](const QString& typed) { emit editTextChanged(row, column, typed); });
  editor->show();
  editor->setFocus(Qt::OtherFocusReason);
  emit editTextChanged(row, column, editor->text());
}

void LabelGrid::EditEnded(const CellEditor::Outcome& outcome) {
  if (pages_ == nullptr) return;
  if (outcome.text &&
      !pages_->CommitCellEdit(outcome.row, outcome.column, ToU16(*outcome.text),
                              outcome.byEnter)) {
    // The page did not take the text: it stays in the editor for the operator
    // to mend (or to drop with Escape).
    const QString refused = *outcome.text;
    QMetaObject::invokeMethod(
        this,
        [this, row = outcome.row, column = outcome.column, refused] {
          if (editor_ && !editor_->finished()) return;
          BeginCellEdit(row, column, refused);
          if (editor_) editor_->end(false);
        },
        Qt::QueuedConnection);
  }
  emit editFinished();
}

void LabelGrid::Sync() {
  // The document tells where the current page went after the rows follow it.
  if (model_ == nullptr) return;
  // The rows the view drops or gets anew move its selection by themselves:
  // that is not the operator moving it.
  syncing_ = true;
  model_->Sync();
  syncing_ = false;
}

void LabelGrid::SelectRow(int row, bool ensureVisible) {
  if (model_ == nullptr || row < 0 || row >= model_->rowCount()) return;
  const QModelIndex index = model_->index(row, std::max(currentIndex().column(), 0));
  syncing_ = true;
  selectionModel()->setCurrentIndex(
      index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  syncing_ = false;
  if (ensureVisible) scrollTo(index, QAbstractItemView::EnsureVisible);
}

}  // namespace q5300::ui
