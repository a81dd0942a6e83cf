#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>

#include "editing/ColumnChoice.h"

namespace q5300::ui {

// The column dialog of the import: the first rows of the list as a table, and
// beside them which column is line 1, line 2 and the repeat count (or one count
// for every page), whether the first row names the columns, and one page per row
// or per wire end. It shows the ColumnChoice model and passes every change to it.
class ColumnChoiceDialog : public QDialog {
  Q_OBJECT

 public:
  ColumnChoiceDialog(ColumnChoice& model, QWidget* parent = nullptr);

  QTableWidget* table() const { return table_; }
  QComboBox* separatorBox() const { return separator_; }
  QCheckBox* headerBox() const { return header_; }
  QComboBox* line1Box() const { return line1_; }
  QComboBox* line2Box() const { return line2_; }
  QRadioButton* repeatColumnRadio() const { return repeatByColumn_; }
  QComboBox* repeatColumnBox() const { return repeatColumn_; }
  QRadioButton* fixedRepeatRadio() const { return repeatFixed_; }
  QSpinBox* fixedRepeatBox() const { return fixedCount_; }
  QRadioButton* perWireEndRadio() const { return perWireEnd_; }
  QComboBox* otherEndBox() const { return otherEnd_; }
  QLabel* firstPages() const { return firstPages_; }

 private:
  void FillTable();
  void FillColumnBoxes();
  void ShowLayout();

  ColumnChoice& model_;
  QTableWidget* table_;
  QComboBox* separator_;
  QCheckBox* header_;
  QComboBox* line1_;
  QComboBox* line2_;
  QRadioButton* repeatByColumn_;
  QComboBox* repeatColumn_;
  QRadioButton* repeatFixed_;
  QSpinBox* fixedCount_;
  QRadioButton* perRow_;
  QRadioButton* perWireEnd_;
  QComboBox* otherEnd_;
  QLabel* firstPages_;
  bool showing_ = false;  // the boxes are being set from the model
};

}  // namespace q5300::ui
