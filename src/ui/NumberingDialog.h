#pragma once

#include <QDialog>
#include <QRadioButton>
#include <map>

#include "editing/NumberingChoice.h"

namespace q5300::ui {

class FilteredEdit;

// The numbering dialog "넘버링 설정": the kind of running value and its start and
// end. It shows the NumberingChoice model and passes every click and text change to it.
class NumberingDialog : public QDialog {
  Q_OBJECT

 public:
  NumberingDialog(NumberingChoice& model, QWidget* parent = nullptr);

  FilteredEdit* startBox() const { return start_; }
  FilteredEdit* endBox() const { return end_; }
  QRadioButton* radio(NumberingKind kind) const { return radios_.at(kind); }

  void accept() override;

 private:
  void ApplyMode();
  void TextEdited(NumBox box, const QString& text);
  void ShowTexts();

  NumberingChoice& model_;
  FilteredEdit* start_;
  FilteredEdit* end_;
  std::map<NumberingKind, QRadioButton*> radios_;
};

}  // namespace q5300::ui
