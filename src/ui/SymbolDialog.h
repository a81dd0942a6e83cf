#pragma once

#include <QDialog>
#include <QLineEdit>

#include "editing/SymbolChoice.h"

namespace q5300::ui {

// The sheet of the 77 electrical symbols, 16 to a row, drawn from the program's
// symbol font.
class SymbolSheet final : public QWidget {
  Q_OBJECT

 public:
  explicit SymbolSheet(QWidget* parent = nullptr);
  QSize sizeHint() const override { return {671, 209}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// The symbol picker "전기 기호 선택(더블 클릭)": every double-click on the sheet
// adds a symbol to the selection; OK hands the selection over.
class SymbolDialog : public QDialog {
  Q_OBJECT

 public:
  SymbolDialog(SymbolChoice& model, QWidget* parent = nullptr);

  SymbolSheet* sheet() const { return sheet_; }
  QLineEdit* selectionBox() const { return selection_; }
  // The sheet's outer rectangle in the dialog's coordinates.
  PictureRect SheetRect() const;

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void ShowSelection();

  SymbolChoice& model_;
  SymbolSheet* sheet_;
  QLineEdit* selection_;
};

}  // namespace q5300::ui
