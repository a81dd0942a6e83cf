#pragma once

#include "data/Operator.h"

namespace q5300 {

class NumberingChoice;
class SymbolChoice;
class ColumnChoice;

// The operator as editing meets them: everything an operator is asked and told,
// the two dialogs of the page commands, and the import's column dialog.
class EditingOperator : public Operator {
 public:
  // Runs the numbering dialog on `dialog`; true when it was closed with OK.
  virtual bool RunNumberingDialog(NumberingChoice& dialog) = 0;
  // Runs the symbol picker on `picker`; true when it was closed with OK.
  virtual bool RunSymbolPicker(SymbolChoice& picker) = 0;
  // Runs the import's column dialog on `choice`; true when it was closed with OK.
  virtual bool RunColumnChoice(ColumnChoice& choice) = 0;
};

}  // namespace q5300
