// What the toolbar and the panel put into a page's text: the superscript and
// subscript markers, the electrical symbols and the running number.
#include <algorithm>
#include <array>

#include "compile/RebuildRecords.h"
#include "editing/SymbolChoice.h"
#include "editing/InputFilters.h"
#include "editing/NumberingChoice.h"
#include "editing/PageCommands.h"
#include "editing/PageFit.h"
#include "editing/PageMessages.h"

namespace q5300 {
namespace {

// Commands add to the line being edited, and to the first line from any other column.
int TextColumn(int currentColumn) {
  return currentColumn == Line1Column || currentColumn == Line2Column ? currentColumn : Line1Column;
}

bool IsFull(const std::u16string& line) {
  return line.size() >= static_cast<std::size_t>(MaxCellCharacters);
}

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

void PageCommands::Superscript() {
  InsertMarker(SuperscriptMarker, true, kInputOverLength);
}

void PageCommands::Subscript() {
  InsertMarker(SubscriptMarker, false, kSubscriptOverLength);
}

void PageCommands::InsertMarker(char16_t marker, bool superscript, const char* overLengthMessage) {
  document_.Change([&](JobEdit& e) {
    PageRecord* const page = e.Current();
    const int row = e.currentRow();
    GridModel& grid = e.grid();
    if (page == nullptr || !grid.IsValidRow(row)) return;
    int column = e.currentColumn();
    // A one-line page at a large fixed font size may not get a second line.
    if (column == Line2Column && !MayEditLine2(page)) return;
    column = TextColumn(column);

    std::u16string text = grid.CellText(row, column);
    if (IsFull(text)) {
      Tell(overLengthMessage);
      return;
    }
    uint8_t& counter = superscript ? page->superCount : page->subCount;
    counter = static_cast<uint8_t>(std::count(text.begin(), text.end(), marker));
    page->scriptCount = static_cast<uint8_t>(page->subCount + page->superCount);
    // Two markers are never put side by side at the end of a line.
    if (!text.empty() && text.back() == marker) return;

    text += marker;
    if (!FitsOnePage(column == Line1Column ? text : grid.CellText(row, Line1Column),
                     column == Line2Column ? text : grid.CellText(row, Line2Column))) {
      // The marker would be cut off the record and lost in print.
      Tell(overLengthMessage);
      return;
    }
    ++counter;
    ++page->scriptCount;
    grid.SetCellText(row, column, std::move(text));
    // The page takes the new text over as it does after a typed edit.
    CellEdited(e, row, column, /*byEnter=*/false);
  });
}

void PageCommands::ElectricalSymbols() {
  if (document_.currentRecord() == nullptr) return;
  SymbolChoice picker;
  if (!op_.RunSymbolPicker(picker)) return;

  document_.Change([&](JobEdit& e) {
    const int row = e.currentRow();
    GridModel& grid = e.grid();
    if (e.Current() == nullptr || !grid.IsValidRow(row)) return;
    const int column = TextColumn(e.currentColumn());
    std::u16string text = grid.CellText(row, column);
    if (IsFull(text)) {
      TellOverLength();
      return;
    }
    // The grid holds the text: what is printed, saved or previewed is compiled
    // from it when it is needed.
    text += picker.selection();
    if (!FitsOnePage(column == Line1Column ? text : grid.CellText(row, Line1Column),
                     column == Line2Column ? text : grid.CellText(row, Line2Column))) {
      // Symbols past the record's 40 bytes would silently not be printed.
      TellOverLength();
      return;
    }
    grid.SetCellText(row, column, std::move(text));
  });
}

void PageCommands::NumberingPressed() {
  const PageRecord* current = document_.currentRecord();
  if (current == nullptr) return;
  if (current->IsVertical()) {
    Tell(kNoVerticalWriting);
    return;
  }
  NumberingChoice dialog(NumberingFieldsOf(*current));
  if (!op_.RunNumberingDialog(dialog)) return;

  document_.Change([&](JobEdit& e) {
    PageRecord* const page = e.Current();
    const int row = e.currentRow();
    GridModel& grid = e.grid();
    if (page == nullptr || !grid.IsValidRow(row)) return;
    const int column = TextColumn(e.currentColumn());
    std::u16string cell = grid.CellText(row, column);
    std::u16string line1 = grid.CellText(row, Line1Column);
    std::u16string line2 = grid.CellText(row, Line2Column);
    if (IsFull(cell)) {
      TellOverLength();
      return;
    }

    const NumberingFields& fields = dialog.fields();
    StoreNumberingFields(*page, fields);
    if (page->hasNumbering == 1) {
      const char16_t chosen = PlaceholderOf(ChosenKind(fields));
      if (TurnPlaceholder(line1, chosen)) {
        grid.SetCellText(row, Line1Column, std::move(line1));
        return;
      }
      if (TurnPlaceholder(line2, chosen)) {
        grid.SetCellText(row, Line2Column, std::move(line2));
        return;
      }
      if (line1.find(chosen) == std::u16string::npos &&
          line2.find(chosen) == std::u16string::npos) {
        cell += chosen;
      }
    }
    grid.SetCellText(row, column, std::move(cell));
  });
}

}  // namespace q5300
