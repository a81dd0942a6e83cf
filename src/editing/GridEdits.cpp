// The grid's reports: a row made current, a cell that may be edited, a committed
// edit, a ticked box, the first heading.
#include "compile/PrintPacket.h"
#include "data/NumberText.h"
#include "editing/PageCommands.h"
#include "editing/PageMessages.h"

namespace q5300 {

void PageCommands::RowClicked(int row, int column) {
  document_.SelectPage(row, column);
}

bool PageCommands::MayEditLine2(const Page* page, bool tell) {
  // A one-line page at a large fixed font size may not get a second line.
  if (page != nullptr && page->line2.empty() && page->record.autoFont == 0 &&
      page->record.fontSize > 3) {
    if (tell) Tell(kFontTooLargeForTwoLines);
    return false;
  }
  return true;
}

bool PageCommands::CellEditQuery(int row, int column) {
  return column != Line2Column || MayEditLine2(document_.PageAt(row));
}

bool PageCommands::CommitCellEdit(int row, int column, std::u16string text, bool byEnter) {
  bool taken = true;
  document_.Change(
      [&](JobEdit& e) { taken = CellEdited(e, row, column, std::move(text), byEnter); });
  return taken;
}

bool PageCommands::CellEdited(JobEdit& e, int row, int column, std::u16string text,
                              bool byEnter) {
  Page* page = e.PageAt(row);
  if (page == nullptr) return true;

  if (column == RepeatColumn) {
    const long count = ReadLeadingInteger(text);
    if (count > MaxRepeat || count <= 0) {
      // The cell shows the page's count again.
      Tell(Phrase(kRepeatOutOfRange, MaxRepeat));
      return true;
    }
    SetRepeat(page->record, static_cast<uint16_t>(count));
  } else if (column == Line1Column || column == Line2Column) {
    if (column == Line2Column && !text.empty() && !MayEditLine2(page)) return false;
    const Page before = *page;
    (column == Line1Column ? page->line1 : page->line2) = std::move(text);
    ClearWidthsIfEmpty(*page);
    const CompiledPage& compiled = e.Compiled(*page);
    if (!compiled.length.fits) {
      // Past the record's 40 bytes the text would be cut in print: the page
      // keeps the text it had, and the operator hears why once it shows it.
      *page = before;
      document_.AfterChange([this] { Tell(kInputOverLength); });
      return false;
    }
    if (compiled.length.overLength) {
      // The page keeps the text, marked as too long for its length.
      TellOverLength();
      return true;
    }
  } else {
    return true;
  }

  if (!byEnter) return true;
  const int last = e.pageCount() - 1;
  if (row < last) {
    int target = row + 1;
    int targetColumn = column;
    if (column == Line2Column) {
      targetColumn = Line1Column;
      for (int i = row + 1; i <= last; ++i) {
        const PageRecord& r = e.PageAt(i)->record;
        if (r.autoFont == 0 && r.fontSize <= 3) {
          target = i;
          targetColumn = Line2Column;
          break;
        }
      }
    }
    e.SetCurrentPage(target);
    e.EditCell(target, targetColumn);
  } else if (row == last && row < MaxPages && JobImageSize(e) < MaxImageSize) {
    const int before = e.pageCount();
    e.SetCurrentPage(row);
    Add();
    if (e.pageCount() > before) e.EditCell(row + 1, Line1Column);
  }
  return true;
}

void PageCommands::RowChecked(int row, bool checked) {
  document_.Change([&](JobEdit& e) {
    if (Page* page = e.PageAt(row)) page->record.isChecked = checked ? 1 : 0;
  });
}

void PageCommands::HeadingClicked(int column) {
  if (column != CheckColumn) return;
  document_.Change([&](JobEdit& e) {
    const int state = e.headerCheck();
    if (state != EmptyBox && state != CheckedBox) return;
    const bool check = state == EmptyBox;
    e.SetHeaderCheck(check ? CheckedBox : EmptyBox);
    for (Page& page : e.pages()) page.record.isChecked = check ? 1 : 0;
  });
}

}  // namespace q5300
