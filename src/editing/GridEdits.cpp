// The grid's reports: a row made current, a cell that may be edited, a committed
// edit, a ticked box, the first heading.
#include "compile/Metrics.h"
#include "compile/PrintPacket.h"
#include "data/NumberText.h"
#include "editing/CellTexts.h"
#include "editing/PageCommands.h"
#include "editing/PageFit.h"
#include "editing/PageMessages.h"

namespace q5300 {

void PageCommands::RowClicked(int row, int column) {
  if (!document_.grid().IsValidRow(row)) return;
  document_.Change([&](JobEdit& e) {
    e.SetCurrentColumn(column);
    e.SetCurrentPage(row);
    const PageRecord& page = *e.Current();
    ControlsState& controls = e.controls();
    if (!e.defaults().autoFont && page.fontSize <= 6) controls.fontSize = page.fontSize;
    if (page.halfWidth <= 1) controls.width = page.halfWidth;
    if (const int frame = IndexForFrame(page.frame); frame >= 0) controls.frame = frame;
    if (const int direction = page.direction[0] - '0'; direction == 0 || direction == 1) {
      controls.direction = direction;
    }
    e.ControlsChanged();
  });
}

bool PageCommands::MayEditLine2(const PageRecord* page) {
  if (page != nullptr && page->twoLines == 0 && page->autoFont == 0 && page->fontSize > 3) {
    Tell(kFontTooLargeForTwoLines);
    return false;
  }
  return true;
}

bool PageCommands::CellEditQuery(int /*row*/, int column) {
  return column != Line2Column || MayEditLine2(document_.currentRecord());
}

void PageCommands::CommitCellEdit(int row, int column, std::u16string text, bool byEnter) {
  document_.Change([&](JobEdit& e) {
    e.grid().SetCellText(row, column, std::move(text));
    CellEdited(e, row, column, byEnter);
  });
}

void PageCommands::CellEdited(JobEdit& e, int row, int column, bool byEnter) {
  GridModel& grid = e.grid();
  // The edited row's own record: a click on another row may be on its way.
  PageRecord* page = e.Page(row);
  if (!grid.IsValidRow(row) || page == nullptr) return;
  const JobSettings& settings = e.settings();

  if (column == RepeatColumn) {
    const long count = ReadLeadingInteger(grid.CellText(row, RepeatColumn));
    if (count > MaxRepeat || count <= 0) {
      Tell(Phrase(kRepeatOutOfRange, MaxRepeat));
      grid.SetCellText(row, RepeatColumn, NumberCellText(page->repeatCount));
      return;
    }
    SetRepeat(*page, static_cast<uint16_t>(count));
  } else {
    const std::u16string& line1 = grid.CellText(row, Line1Column);
    const std::u16string& line2 = grid.CellText(row, Line2Column);
    page->twoLines = line2.empty() ? 0 : 1;
    if (!FitsOnePage(line1, line2)) {
      TellOverLength();
      return;
    }
    TakeText(*page, line1, line2, settings);
    if (IsOverLength(*page, settings.margin)) {
      TellOverLength();
      return;
    }
  }

  if (!byEnter) return;
  const int last = grid.rowCount() - 1;
  if (row < last) {
    int target = row + 1;
    int targetColumn = column;
    if (column == Line2Column) {
      targetColumn = Line1Column;
      int i = row + 1;
      for (const PageRecord* r = e.Page(i); r != nullptr; r = r->next, ++i) {
        if (r->autoFont == 0 && r->fontSize <= 3) {
          target = i;
          targetColumn = Line2Column;
          break;
        }
      }
    }
    e.SetCurrentPage(target);
    e.EditCell(target, targetColumn);
  } else if (row == last && row < MaxPages && PrintImageSize(e.Page(0)) < MaxImageSize) {
    const int before = grid.rowCount();
    e.SetCurrentPage(row);
    Add();
    if (grid.rowCount() > before) e.EditCell(row + 1, Line1Column);
  }
}

void PageCommands::RowChecked(int row, bool checked) {
  document_.Change([&](JobEdit& e) { e.grid().SetChecked(row, checked); });
}

void PageCommands::HeadingClicked(int column) {
  if (column != CheckColumn) return;
  document_.Change([&](JobEdit& e) {
    GridModel& grid = e.grid();
    const int state = grid.GetHeaderCheckState(CheckColumn);
    if (state != EmptyBox && state != CheckedBox) return;
    const bool check = state == EmptyBox;
    grid.SetHeaderCheckState(CheckColumn, check ? CheckedBox : EmptyBox);
    for (int row = 0; row < grid.rowCount(); ++row) grid.SetChecked(row, check);
  });
}

}  // namespace q5300
