// Adding and deleting pages, and the current page.
#include "compile/PrintPacket.h"
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

int JobImageSize(JobEdit& e) {
  int size = PacketHeaderSize + 1;
  for (Page& page : e.pages()) {
    // A page without text is not in the image, compiled or not.
    if (!page.checked() || !page.HasLines()) continue;
    const PageRecord& r = e.Compiled(page).printer;
    if (r.IsPrintable()) size += PacketRecordSize - 1 + std::min<int>(r.textLength, MaxTextBytes);
  }
  return size;
}

void PageCommands::Add() {
  if (document_.pageCount() >= MaxPages) {
    Tell(kMaxPages);
    return;
  }
  document_.Change([&](JobEdit& e) {
    // No current page: the new page goes to the end rather than replacing the list.
    const int count = e.pageCount();
    const int row = count == 0 ? 0 : e.Current() == nullptr ? count : e.currentRow() + 1;
    Page& page = e.InsertPage(row);
    page.record.creationNo = static_cast<uint8_t>(count + 1);
    if (JobImageSize(e) >= MaxImageSize) {
      e.RemovePage(row);
      Tell(kMaxPrintVolume);
      return;
    }
    e.SetCurrentColumn(PageColumn);
    e.SetCurrentPage(row);
  });
}

void PageCommands::Delete() {
  document_.Change([&](JobEdit& e) {
    if (e.pageCount() == 1) {
      // The only page stays, without its text; its attributes and numbering remain.
      Page& only = *e.PageAt(0);
      only.line1.clear();
      only.line2.clear();
      ClearWidthsIfEmpty(only);
      return;
    }
    const int row = e.currentRow();
    if (row < 0) return;  // nothing is current
    const int count = e.pageCount();
    e.RemovePage(row);
    e.SetCurrentPage(row == count - 1 ? row - 1 : row);
  });
}

void PageCommands::SetCurrentPage(int row) {
  document_.Change([&](JobEdit& e) { e.SetCurrentPage(row); });
}

}  // namespace q5300
