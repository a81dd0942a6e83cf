#include "editing/Engine.h"

#include <array>

#include "compile/RebuildRecords.h"
#include "editing/NumSet.h"

namespace q5300 {
namespace {

// A page carries one running value: a placeholder of another kind is turned into
// the chosen one where it stands, looked for in this order.
constexpr std::array<char16_t, 4> PlaceholderSearchOrder = {NumberPlaceholder, FixedPlaceholder,
                                                            LowerPlaceholder, UpperPlaceholder};

NumberingKind ChosenKind(const NumberingFields& fields) {
  for (int k = 0; k < NumberingKindCount; ++k) {
    if (fields.flags[static_cast<std::size_t>(k)] != 0) return static_cast<NumberingKind>(k);
  }
  return NumberingKind::Number;
}

// Replaces the first placeholder other than `chosen` in `line`; false when the
// line holds none.
bool TurnPlaceholder(std::u16string& line, char16_t chosen) {
  for (const char16_t candidate : PlaceholderSearchOrder) {
    if (candidate == chosen) continue;
    if (const std::size_t at = line.find(candidate); at != std::u16string::npos) {
      line[at] = chosen;
      return true;
    }
  }
  return false;
}

}  // namespace

void Engine::NumberingPressed() {
  if (currentRecord_ == nullptr || !grid_.IsValidRow(currentPageIndex_)) return;
  if (currentRecord_->IsVertical()) {
    Tell("세로쓰기불가!");
    return;
  }
  NumSet dialog(NumberingFieldsOf(*currentRecord_));
  if (!op_.RunNumberingDialog(dialog)) return;

  gridActions_.FocusGrid();
  const Change change(*this);
  PageRecord* const page = currentRecord_;
  const int row = currentPageIndex_;
  if (page == nullptr || !grid_.IsValidRow(row)) return;
  const int currentColumn = grid_.currentColumn();
  const int column =
      currentColumn == Line1Column || currentColumn == Line2Column ? currentColumn : Line1Column;
  std::u16string cell = grid_.CellText(row, column);
  std::u16string line1 = grid_.CellText(row, Line1Column);
  std::u16string line2 = grid_.CellText(row, Line2Column);
  if (cell.size() >= static_cast<std::size_t>(MaxCellCharacters)) {
    Tell("입력 길이 초과!");
    return;
  }

  const NumberingFields& fields = dialog.fields();
  StoreNumberingFields(*page, fields);
  if (page->hasNumbering == 1) {
    const char16_t chosen = PlaceholderOf(ChosenKind(fields));
    if (TurnPlaceholder(line1, chosen)) {
      grid_.SetCellText(row, Line1Column, std::move(line1));
      return;
    }
    if (TurnPlaceholder(line2, chosen)) {
      grid_.SetCellText(row, Line2Column, std::move(line2));
      return;
    }
    if (line1.find(chosen) == std::u16string::npos && line2.find(chosen) == std::u16string::npos) {
      cell += chosen;
    }
  }
  grid_.SetCellText(row, column, std::move(cell));
}

}  // namespace q5300
