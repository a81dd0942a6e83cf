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
  InsertMarker(SuperscriptMarker, kInputOverLength);
}

void PageCommands::Subscript() {
  InsertMarker(SubscriptMarker, kSubscriptOverLength);
}

void PageCommands::InsertMarker(char16_t marker, const char* overLengthMessage) {
  document_.Change([&](JobEdit& e) {
    Page* const page = e.Current();
    if (page == nullptr) return;
    int column = e.currentColumn();
    // A one-line page at a large fixed font size may not get a second line.
    if (column == Line2Column && !MayEditLine2(page)) return;
    column = TextColumn(column);

    std::u16string text = column == Line1Column ? page->line1 : page->line2;
    if (IsFull(text)) {
      Tell(overLengthMessage);
      return;
    }
    // Two markers are never put side by side at the end of a line.
    if (!text.empty() && text.back() == marker) return;

    text += marker;
    if (!FitsOnePage(column == Line1Column ? text : page->line1,
                     column == Line2Column ? text : page->line2)) {
      // The marker would be cut off the record and lost in print.
      Tell(overLengthMessage);
      return;
    }
    // The page takes the new text over as it does after a typed edit.
    CellEdited(e, e.currentRow(), column, std::move(text), /*byEnter=*/false);
  });
}

void PageCommands::ElectricalSymbols() {
  if (document_.currentPage() == nullptr) return;
  SymbolChoice picker;
  if (!op_.RunSymbolPicker(picker)) return;

  document_.Change([&](JobEdit& e) {
    Page* const page = e.Current();
    if (page == nullptr) return;
    const int column = TextColumn(e.currentColumn());
    std::u16string text = column == Line1Column ? page->line1 : page->line2;
    if (IsFull(text)) {
      TellOverLength();
      return;
    }
    text += picker.selection();
    if (!FitsOnePage(column == Line1Column ? text : page->line1,
                     column == Line2Column ? text : page->line2)) {
      // Symbols past the record's 40 bytes would silently not be printed.
      TellOverLength();
      return;
    }
    (column == Line1Column ? page->line1 : page->line2) = std::move(text);
  });
}

void PageCommands::NumberingPressed() {
  const Page* current = document_.currentPage();
  if (current == nullptr) return;
  // The page as it prints: its running number is the placeholder its text has.
  const PageRecord& printed = current->printer();
  if (printed.IsVertical()) {
    Tell(kNoVerticalWriting);
    return;
  }
  NumberingChoice dialog(NumberingFieldsOf(printed));
  if (!op_.RunNumberingDialog(dialog)) return;

  document_.Change([&](JobEdit& e) {
    Page* const page = e.Current();
    if (page == nullptr) return;
    const int column = TextColumn(e.currentColumn());
    std::u16string& cell = column == Line1Column ? page->line1 : page->line2;
    if (IsFull(cell)) {
      TellOverLength();
      return;
    }

    const NumberingFields& fields = dialog.fields();
    StoreNumberingFields(page->record, fields);
    if (page->record.hasNumbering == 1) {
      const char16_t chosen = PlaceholderOf(ChosenKind(fields));
      if (TurnPlaceholder(page->line1, chosen)) return;
      if (TurnPlaceholder(page->line2, chosen)) return;
      if (page->line1.find(chosen) == std::u16string::npos &&
          page->line2.find(chosen) == std::u16string::npos) {
        cell += chosen;
      }
    }
  });
}

}  // namespace q5300
