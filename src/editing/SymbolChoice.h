#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "compile/Symbols.h"
#include "data/Phrase.h"

namespace q5300 {

// The outer rectangle of the symbol sheet (border included) in dialog coordinates.
struct PictureRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The symbol picker without its window: the selection the operator collects by
// double-clicking the symbol sheet.
class SymbolChoice {
 public:
  static constexpr std::string_view Caption = Q5300_TEXT("q5300", "전기 기호 선택(더블 클릭)");
  static constexpr std::string_view ClearText = Q5300_TEXT("q5300", "선택취소");
  static constexpr std::string_view OkText = Q5300_TEXT("q5300", "확인");
  static constexpr std::string_view CancelText = Q5300_TEXT("q5300", "취소");
  static constexpr int PictureId = 1043;
  static constexpr int SelectionId = 1044;
  static constexpr int ClearId = 1045;
  // The sheet shows symbol i in row i / 16, column i % 16.
  static constexpr int SheetColumns = 16;
  static constexpr int SheetRows = 5;

  // The symbol number under a point of the dialog, or nothing outside the sheet
  // (its right and bottom edges are outside), on an empty cell, or in the strip
  // that the cells' whole-pixel sizes leave at the right and bottom.
  static std::optional<int> SymbolAt(const PictureRect& picture, int x, int y);

  // A double-click with the left button anywhere in the dialog: adds the symbol
  // under the point to the selection. False when it hit no symbol.
  bool DoubleClicked(const PictureRect& picture, int x, int y);
  // "선택취소".
  void ClearSelection() { selection_.clear(); }

  // What edit 1044 shows and what OK gives: the symbols in the order they were picked.
  const std::u16string& selection() const { return selection_; }

 private:
  std::u16string selection_;
};

}  // namespace q5300
