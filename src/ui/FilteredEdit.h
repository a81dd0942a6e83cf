#pragma once

#include <QLineEdit>

#include "editing/InputFilters.h"

namespace q5300::ui {

// A single-line field that lets through only the characters of its mode (any
// text, digits, letters), up to a length limit, and can turn letters to one case.
class FilteredEdit final : public QLineEdit {
  Q_OBJECT

 public:
  explicit FilteredEdit(QWidget* parent = nullptr);

  void SetDigitsMode(int limit);
  void SetLettersMode(int limit, int caseMode);
  void SetAnyMode(int limit);

  FilterMode mode() const { return mode_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  // The typed text as the field takes it: filtered characters dropped, case applied.
  QString Filter(const QString& typed) const;

  FilterMode mode_ = FilterMode::AnyText;
  CaseMode case_ = CaseMode::AsTyped;
};

}  // namespace q5300::ui
