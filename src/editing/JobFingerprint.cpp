#include "editing/JobFingerprint.h"

namespace q5300 {
namespace {

PageInputs InputsOf(const GridModel::Row& row, const PageRecord* r) {
  PageInputs page;
  page.line1 = row.cells[Line1Column];
  page.line2 = row.cells[Line2Column];
  page.checked = row.checked;
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
  }
  return page;
}

}  // namespace

JobFingerprint TakeJobFingerprint(const Job& job, const GridModel& grid) {
  JobFingerprint print;
  print.settings = job.settings;
  const PageRecord* r = job.pages.first();
  for (const GridModel::Row& row : grid.rows()) {
    print.pages.push_back(InputsOf(row, r));
    if (r != nullptr) r = r->next;
  }
  return print;
}

JobFingerprint TakeJobFingerprint(const JobSettings& settings, std::span<const PageRecord> records,
                                  std::span<const GridModel::Row> rows) {
  JobFingerprint print;
  print.settings = settings;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    print.pages.push_back(InputsOf(rows[i], i < records.size() ? &records[i] : nullptr));
  }
  return print;
}

}  // namespace q5300
