// Adding and deleting pages: the page list and the grid kept in step, the
// current page tracked.
#include "compile/PrintPacket.h"
#include "editing/CellTexts.h"
#include "editing/PageCommands.h"
#include "editing/PageMessages.h"

namespace q5300 {

void PageCommands::Tell(Phrase text) {
  op_.Tell(Message{std::move(text)});
}

void PageCommands::TellOverLength() {
  // Told once the grid and the counts show the line that is too long.
  document_.AfterChange([this] { Tell(kInputOverLength); });
}

void PageCommands::Add() {
  if (document_.grid().rowCount() >= MaxPages) {
    Tell(kMaxPages);
    return;
  }
  document_.Change([&](JobEdit& e) {
    // No current page: the new page goes to the end rather than replacing the list.
    const int row = e.pages().empty() ? 0
                    : e.Current() == nullptr ? e.pages().size()
                                             : e.currentRow() + 1;
    PageRecord* const record = e.InsertPage(row);
    if (PrintImageSize(e.Page(0)) >= MaxImageSize) {
      e.RemovePage(row);
      Tell(kMaxPrintVolume);
      return;
    }
    GridModel& grid = e.grid();
    record->creationNo = static_cast<uint8_t>(grid.rowCount());
    const PageDefaults& defaults = e.defaults();
    grid.SetChecked(row, true);
    grid.SetCellText(row, PageColumn, NumberCellText(row + 1));
    grid.SetCellText(row, RepeatColumn, NumberCellText(defaults.repeatCount));
    grid.SetCellText(row, FontSizeColumn, NumberCellText(defaults.fontSize));
    grid.SetCellText(row, FrameColumn, FrameCellText(defaults.frame));
    grid.SetCellText(row, DirectionColumn, DirectionCellText(defaults.direction));
    grid.SetCellText(row, ZoomColumn, ZoomCellText(record->halfWidth));
    e.SetCurrentColumn(PageColumn);
    e.SetCurrentPage(row);
  });
}

void PageCommands::Delete() {
  document_.Change([&](JobEdit& e) {
    GridModel& grid = e.grid();
    if (grid.rowCount() == 1) {
      if (PageRecord* only = e.Page(0)) {
        only->textLength = 0;
        only->text.fill(0);
        // No text, so no second line either: the page must not count as a two-line page.
        only->twoLines = 0;
        only->line1Width = 0;
        only->line2Width = 0;
      }
      grid.SetCellText(0, Line1Column, u"");
      grid.SetCellText(0, Line2Column, u"");
      return;
    }
    const int row = e.currentRow();
    if (e.Current() == nullptr) return;  // nothing is current
    const int count = grid.rowCount();
    e.RemovePage(row);
    e.SetCurrentPage(row == count - 1 ? row - 1 : row);
  });
}

void PageCommands::SetCurrentPage(int row) {
  document_.Change([&](JobEdit& e) { e.SetCurrentPage(row); });
}

}  // namespace q5300
