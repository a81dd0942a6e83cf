#include "editing/JobFingerprint.h"

namespace q5300 {

JobFingerprint TakeJobFingerprint(const Job& job, const GridModel& grid) {
  JobFingerprint print;
  print.settings = job.settings;
  const PageRecord* r = job.pages.first();
  for (int row = 0; row < grid.rowCount(); ++row) {
    PageInputs page;
    page.line1 = grid.CellText(row, Line1Column);
    page.line2 = grid.CellText(row, Line2Column);
    page.checked = grid.IsChecked(row);
    if (r != nullptr) {
      page.autoLength = r->autoLength;
      page.lengthCode = r->lengthCode;
      page.setLengthDots = r->autoLength != 0 ? 0 : r->lengthDots;
      page.autoFont = r->autoFont;
      page.setFontSize = r->autoFont != 0 ? 0 : r->fontSize;
      page.halfWidth = r->halfWidth;
      page.frame = r->frame;
      page.direction = r->direction;
      page.repeatCount = r->repeatCount;
      page.numbering = NumberingFieldsOf(*r);
      r = r->next;
    }
    print.pages.push_back(std::move(page));
  }
  return print;
}

}  // namespace q5300
