#pragma once

#include <QDialog>
#include <QRadioButton>
#include <map>

#include "editing/NumSet.h"

namespace q5300::ui {

class MyEdit;

// The numbering dialog "넘버링 설정": the kind of running value and its start and
// end. It shows the NumSet model and passes every click and text change to it.
class NumSetDialog : public QDialog {
  Q_OBJECT

 public:
  NumSetDialog(NumSet& model, QWidget* parent = nullptr);

  MyEdit* startBox() const { return start_; }
  MyEdit* endBox() const { return end_; }
  QRadioButton* radio(NumberingKind kind) const { return radios_.at(kind); }

  void accept() override;

 private:
  void ApplyMode();
  void TextEdited(NumBox box, const QString& text);
  void ShowTexts();

  NumSet& model_;
  MyEdit* start_;
  MyEdit* end_;
  std::map<NumberingKind, QRadioButton*> radios_;
};

}  // namespace q5300::ui
