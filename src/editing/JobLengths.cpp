// The length of every page as the grid holds it, kept at hand for the window:
// measured on a copy of the page's record, so measuring never changes the job.
#include "data/NumberText.h"
#include "editing/JobDocument.h"
#include "editing/PageFit.h"

namespace q5300 {

PageLength JobDocument::MeasureDraft(int row, int column, std::u16string_view text) const {
  const PageRecord* record = job_.pages.At(row);
  if (record == nullptr || !grid_.IsValidRow(row)) return {};
  PageRecord page = *record;
  page.isChecked = grid_.IsChecked(row) ? 1 : 0;
  if (column == RepeatColumn) {
    const long count = ReadLeadingInteger(text);
    if (count >= MinRepeat && count <= MaxRepeat) SetRepeat(page, static_cast<uint16_t>(count));
  }
  return Measure(page, column == Line1Column ? text : grid_.CellText(row, Line1Column),
                 column == Line2Column ? text : grid_.CellText(row, Line2Column), job_.settings);
}

void JobDocument::RefreshLengths() {
  lengths_.clear();
  counts_ = JobCounts{};
  counts_.pages = grid_.rowCount();
  counts_.copies = job_.settings.copies;
  int row = 0;
  for (const PageRecord& r : job_.pages) {
    if (!grid_.IsValidRow(row)) break;
    PageRecord page = r;
    page.isChecked = grid_.IsChecked(row) ? 1 : 0;
    const PageLength& length =
        lengths_.emplace_back(Measure(page, grid_.CellText(row, Line1Column),
                                      grid_.CellText(row, Line2Column), job_.settings));
    counts_.labels += length.labels;
    if (length.labels > 0) ++counts_.printedPages;
    if (length.overLength) ++counts_.overLengthPages;
    ++row;
  }
}

const PageLength& JobDocument::rowLength(int row) const {
  static const PageLength none;
  return row >= 0 && static_cast<std::size_t>(row) < lengths_.size()
             ? lengths_[static_cast<std::size_t>(row)]
             : none;
}

}  // namespace q5300
