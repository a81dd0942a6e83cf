#include "ui/CellEditor.h"

#include <QApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include "editing/GridCells.h"
#include "editing/InputFilters.h"

namespace q5300::ui {

CellEditor::CellEditor(QWidget* parent, QWidget* grid, int row, int column, const QString& text,
                         Report report)
    : QLineEdit(text, parent),
      grid_(grid),
      row_(row),
      column_(column),
      digitsOnly_(column == RepeatColumn),
      report_(std::move(report)) {
  setObjectName(QStringLiteral("cellEditor"));
  setAlignment(Qt::AlignCenter);
  setFrame(true);
  selectAll();
}

void CellEditor::Commit() {
  Finish();
}

void CellEditor::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      byEnter_ = true;
      EndByKey();
      return;
    case Qt::Key_Escape:
      cancelled_ = true;
      EndByKey();
      return;
    case Qt::Key_Up:
    case Qt::Key_Down:
      // The edit ends; the grid moves the current row when the key is released.
      EndByKey();
      return;
    default:
      break;
  }
  const QString typed = event->text();
  if (!typed.isEmpty() && typed.at(0).isPrint()) {
    for (const QChar c : typed) {
      if (!CellEditorAccepts(digitsOnly_, text().toStdU16String(), c.unicode())) return;
    }
  }
  QLineEdit::keyPressEvent(event);
  GrowToText();
}

void CellEditor::inputMethodEvent(QInputMethodEvent* event) {
  // A composed character (Hangul) counts like a typed one; of a longer commit,
  // only the characters that would each be taken go in.
  const QString commit = event->commitString();
  std::u16string current = text().toStdU16String();
  QString kept;
  for (const QChar c : commit) {
    if (!CellEditorAccepts(digitsOnly_, current, c.unicode())) break;
    current.push_back(c.unicode());
    kept += c;
  }
  if (kept.size() == commit.size()) {
    QLineEdit::inputMethodEvent(event);
  } else {
    QInputMethodEvent trimmed(event->preeditString(), event->attributes());
    trimmed.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&trimmed);
  }
  GrowToText();
}

void CellEditor::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // The editor's own menu (Paste, Undo, ...) takes the focus while it is open:
  // the edit goes on and takes what the menu does to it.
  if (event->reason() == Qt::PopupFocusReason && OwnPopupIsOpen()) return;
  Finish();
}

bool CellEditor::OwnPopupIsOpen() const {
  for (const QWidget* w = QApplication::activePopupWidget(); w != nullptr; w = w->parentWidget()) {
    if (w == this) return true;
  }
  return false;
}

void CellEditor::EndByKey() {
  if (grid_ != nullptr) grid_->setFocus(Qt::OtherFocusReason);
  Finish();  // also when the window is not active and no focus event comes
}

void CellEditor::GrowToText() {
  // Wider as the text grows, to the right, never past the grid's edge; never narrower.
  const int wanted = fontMetrics().horizontalAdvance(text()) + 5 + 8;
  if (wanted <= width() || parentWidget() == nullptr) return;
  const int limit = parentWidget()->width() - x();
  resize(std::min(wanted, std::max(width(), limit)), height());
}

void CellEditor::Finish() {
  if (finished_) return;
  finished_ = true;
  Outcome outcome{row_, column_, std::nullopt, byEnter_};
  if (!cancelled_) outcome.text = text();
  hide();
  deleteLater();
  if (report_) report_(outcome);
}

}  // namespace q5300::ui
