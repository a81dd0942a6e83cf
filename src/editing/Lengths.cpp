// The length of every page as the grid holds it, kept at hand for the window:
// measured on a copy of the page's record, so measuring never changes the job.
#include <algorithm>

#include "compile/Metrics.h"
#include "compile/RebuildRecords.h"
#include "data/NumberText.h"
#include "editing/Engine.h"

namespace q5300 {

PageLength Engine::Measure(const PageRecord& record, std::u16string_view line1,
                           std::u16string_view line2) {
  PageLength length;
  PageRecord page = record;
  page.prev = page.next = nullptr;
  length.fits = FitsOnePage(line1, line2);
  // As a committed edit takes the text.
  TakeText(page, line1, line2);
  length.hasText = page.textLength != 0;
  length.autoLength = page.autoLength != 0;
  // The test measures the page first.
  const bool over = length.hasText && IsOverLength(page, job_.settings.margin);
  length.neededDots = length.hasText ? WidestLine(page) + LengthSlack : 0;
  length.lengthDots = length.autoLength ? length.neededDots : page.lengthDots;
  length.overLength = !length.fits || over;
  length.labels = LabelCount(page);
  return length;
}

PageLength Engine::MeasureDraft(int row, int column, std::u16string_view text) {
  const PageRecord* record = job_.pages.At(row);
  if (record == nullptr || !grid_.IsValidRow(row)) return {};
  PageRecord page = *record;
  page.isChecked = grid_.IsChecked(row) ? 1 : 0;
  if (column == RepeatColumn) {
    const long count = ReadLeadingInteger(text);
    if (count >= MinRepeat && count <= MaxRepeat) SetRepeat(page, static_cast<uint16_t>(count));
  }
  return Measure(page, column == Line1Column ? text : grid_.CellText(row, Line1Column),
                 column == Line2Column ? text : grid_.CellText(row, Line2Column));
}

void Engine::RefreshLengths() {
  lengths_.clear();
  counts_ = JobCounts{};
  counts_.pages = grid_.rowCount();
  counts_.copies = job_.settings.copies;
  int row = 0;
  for (const PageRecord& r : job_.pages) {
    if (!grid_.IsValidRow(row)) break;
    PageRecord page = r;
    page.isChecked = grid_.IsChecked(row) ? 1 : 0;
    const PageLength& length = lengths_.emplace_back(
        Measure(page, grid_.CellText(row, Line1Column), grid_.CellText(row, Line2Column)));
    counts_.labels += length.labels;
    if (length.labels > 0) ++counts_.printedPages;
    if (length.overLength) ++counts_.overLengthPages;
    ++row;
  }
}

const PageLength& Engine::rowLength(int row) const {
  static const PageLength none;
  return row >= 0 && static_cast<std::size_t>(row) < lengths_.size()
             ? lengths_[static_cast<std::size_t>(row)]
             : none;
}

}  // namespace q5300
