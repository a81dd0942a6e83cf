#include "editing/Engine.h"

#include <algorithm>

#include "compile/RebuildRecords.h"
#include "editing/Dqfh.h"
#include "editing/InputFilters.h"

namespace q5300 {
namespace {

// Commands add to the line being edited, and to the first line from any other column.
int TextColumn(int currentColumn) {
  return currentColumn == Line1Column || currentColumn == Line2Column ? currentColumn : Line1Column;
}

bool IsFull(const std::u16string& line) {
  return line.size() >= static_cast<std::size_t>(MaxCellCharacters);
}

}  // namespace

void Engine::Superscript() {
  InsertMarker(SuperscriptMarker, true, "입력 길이 초과!");
}

void Engine::Subscript() {
  InsertMarker(SubscriptMarker, false, "Input is over length!");
}

void Engine::InsertMarker(char16_t marker, bool superscript, const char* overLengthMessage) {
  gridActions_.FocusGrid();
  const Change change(*this);
  PageRecord* const page = currentRecord_;
  const int row = currentPageIndex_;
  if (page == nullptr || !grid_.IsValidRow(row)) return;
  int column = grid_.currentColumn();
  // A one-line page at a large fixed font size may not get a second line.
  if (column == Line2Column && !CellEditQuery(row, Line2Column)) return;
  column = TextColumn(column);

  std::u16string text = grid_.CellText(row, column);
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
  if (!FitsOnePage(column == Line1Column ? text : grid_.CellText(row, Line1Column),
                   column == Line2Column ? text : grid_.CellText(row, Line2Column))) {
    // The marker would be cut off the record and lost in print.
    Tell(overLengthMessage);
    return;
  }
  ++counter;
  ++page->scriptCount;
  grid_.SetCellText(row, column, std::move(text));
  // The grid's owner takes the new text over as it does after a typed edit.
  CellEdited(row, column);
}

void Engine::ElectricalSymbols() {
  if (currentRecord_ == nullptr || !grid_.IsValidRow(currentPageIndex_)) return;
  Dqfh picker;
  if (!op_.RunSymbolPicker(picker)) return;

  gridActions_.FocusGrid();
  const Change change(*this);
  const int row = currentPageIndex_;
  if (currentRecord_ == nullptr || !grid_.IsValidRow(row)) return;
  const int column = TextColumn(grid_.currentColumn());
  std::u16string text = grid_.CellText(row, column);
  if (IsFull(text)) {
    Tell("입력 길이 초과!");
    return;
  }
  // The record follows at the next rebuild, before anything is printed or saved.
  text += picker.selection();
  if (!FitsOnePage(column == Line1Column ? text : grid_.CellText(row, Line1Column),
                   column == Line2Column ? text : grid_.CellText(row, Line2Column))) {
    // Symbols past the record's 40 bytes would silently not be printed.
    Tell("입력 길이 초과!");
    return;
  }
  grid_.SetCellText(row, column, std::move(text));
}

}  // namespace q5300
