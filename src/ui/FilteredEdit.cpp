#include "ui/FilteredEdit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace q5300::ui {
namespace {
constexpr int NoLimit = 32767;
}

FilteredEdit::FilteredEdit(QWidget* parent) : QLineEdit(parent) {}

void FilteredEdit::SetDigitsMode(int limit) {
  mode_ = FilterMode::DigitsOnly;
  if (limit != 0) setMaxLength(limit);
}

void FilteredEdit::SetLettersMode(int limit, int caseMode) {
  mode_ = FilterMode::LettersOnly;
  if (limit != 0) setMaxLength(limit);
  case_ = caseMode == 1 ? CaseMode::Lower : caseMode == 2 ? CaseMode::Upper : CaseMode::AsTyped;
}

void FilteredEdit::SetAnyMode(int limit) {
  mode_ = FilterMode::AnyText;
  setMaxLength(limit == 0 ? NoLimit : limit);
}

QString FilteredEdit::Filter(const QString& typed) const {
  QString out;
  for (const QChar c : typed) {
    if (const auto kept = FilterTypedCharacter(mode_, case_, c.unicode())) out += QChar(*kept);
  }
  return out;
}

void FilteredEdit::keyPressEvent(QKeyEvent* event) {
  const QString typed = event->text();
  if (typed.isEmpty() || !typed.at(0).isPrint()) {
    QLineEdit::keyPressEvent(event);  // editing keys, Backspace, navigation
    return;
  }
  const QString kept = Filter(typed);
  if (kept.isEmpty()) return;
  if (kept == typed) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  QKeyEvent changed(event->type(), event->key(), event->modifiers(), kept, event->isAutoRepeat(),
                    static_cast<ushort>(event->count()));
  QLineEdit::keyPressEvent(&changed);
}

void FilteredEdit::inputMethodEvent(QInputMethodEvent* event) {
  if (event->commitString().isEmpty() || mode_ == FilterMode::AnyText) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  QInputMethodEvent filtered(event->preeditString(), event->attributes());
  filtered.setCommitString(Filter(event->commitString()), event->replacementStart(),
                           event->replacementLength());
  QLineEdit::inputMethodEvent(&filtered);
}

}  // namespace q5300::ui
