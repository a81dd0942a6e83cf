#include "files/ImportColumns.h"

#include <algorithm>

#include "data/JobSettings.h"

namespace q5300 {
namespace {

constexpr uint64_t kAllColumns = ~uint64_t{0};
static_assert(MaxImportColumns == 64, "a column is one bit of a 64-bit mask");

constexpr uint64_t Bit(int column) {
  return column == ImportLayout::None ? 0 : uint64_t{1} << column;
}

constexpr char kLine1Column[] =
    Q5300_TEXT("q5300", "Line 1 is to come from column %1, but an import reads columns 1 to %2.");
constexpr char kLine2Column[] =
    Q5300_TEXT("q5300", "Line 2 is to come from column %1, but an import reads columns 1 to %2.");
constexpr char kRepeatColumn[] = Q5300_TEXT(
    "q5300", "The repeat count is to come from column %1, but an import reads columns 1 to %2.");
constexpr char kOtherEndColumn[] = Q5300_TEXT(
    "q5300", "The other wire end is to come from column %1, but an import reads columns 1 to %2.");
constexpr char kOtherEndIsLine2[] =
    Q5300_TEXT("q5300",
               "The other wire end is to come from column %1, which line 2 comes from already: "
               "each page would be made twice.");
constexpr char kOtherEndWithoutLine2[] =
    Q5300_TEXT("q5300",
               "A page per wire end takes line 2 from each end's column, but line 2 is to stay "
               "empty: the first page of each row would have no line 2.");
constexpr char kFixedRepeat[] =
    Q5300_TEXT("q5300", "Every page is to be repeated %1 times, but a repeat count is 1 to %2.");

// A column as the operator counts them, from 1.
Status CheckColumn(const char* text, int column, bool mayBeNone) {
  if (column >= 0 && column < MaxImportColumns) return Status::Ok();
  if (mayBeNone && column == ImportLayout::None) return Status::Ok();
  return Message{Phrase(text, static_cast<long>(column) + 1, MaxImportColumns)};
}

// A cell a repeat count could come from: after blanks and one sign, a digit.
bool ReadsAsNumber(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r'))) ++at;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  return at < text.size() && text[at] >= '0' && text[at] <= '9';
}

const ImportField kEmptyField{};

}  // namespace

Status CheckImportLayout(const ImportLayout& layout) {
  const struct {
    const char* text;
    int column;
    bool mayBeNone;
  } columns[] = {
      {kLine1Column, layout.line1Column, false},
      {kLine2Column, layout.line2Column, true},
      {kRepeatColumn, layout.repeatColumn, true},
      {kOtherEndColumn, layout.otherEndColumn, true},
  };
  for (const auto& c : columns) {
    if (Status checked = CheckColumn(c.text, c.column, c.mayBeNone); !checked) return checked;
  }
  if (layout.otherEndColumn != ImportLayout::None) {
    if (layout.line2Column == ImportLayout::None) return Message{kOtherEndWithoutLine2};
    if (layout.otherEndColumn == layout.line2Column) {
      return Message{Phrase(kOtherEndIsLine2, static_cast<long>(layout.otherEndColumn) + 1)};
    }
  }
  if (layout.fixedRepeatCount < MinRepeat || layout.fixedRepeatCount > MaxRepeat) {
    return Message{Phrase(kFixedRepeat, layout.fixedRepeatCount, MaxRepeat)};
  }
  return Status::Ok();
}

ImportTarget::ImportTarget(const ImportLayout& layout)
    : layout_(layout),
      textColumns_(Bit(layout.line1Column) | Bit(layout.line2Column) | Bit(layout.otherEndColumn)),
      repeatColumn_(layout.repeatColumn),
      headerPending_(layout.header) {}

ImportTarget ImportTarget::Preview(int rows, ImportSeparator separator) {
  ImportTarget target;
  target.layout_.separator = separator;
  target.preview_ = true;
  target.previewRows_ = std::max(rows, 0);
  target.textColumns_ = kAllColumns;
  // The default layout's repeat count, for the pages that layout would take.
  target.repeatColumn_ = 2;
  target.headerPending_ = false;
  return target;
}

bool ImportTarget::Wants(long first, long count) const {
  if (first < 0 || first >= MaxImportColumns || count < 1) return false;
  // Until the header is taken any cell with text may be it, as in a text file.
  if (preview_ || headerPending_) return true;
  const long last = std::min<long>(first + count, MaxImportColumns);
  const uint64_t span = last - first == 64 ? kAllColumns : ((uint64_t{1} << (last - first)) - 1);
  return ((textColumns_ | Bit(repeatColumn_)) & (span << first)) != 0;
}

bool ImportTarget::Take(const ImportCells& row, long times) {
  if (row.width == 0 || times < 1) return !rules_.full();
  if (preview_) return TakePreviewRow(row, times);
  if (headerPending_) {
    headerPending_ = false;
    if (--times < 1) return !rules_.full();
  }
  const ImportField& line1 = row.cells[static_cast<std::size_t>(layout_.line1Column)];
  const ImportField& line2 = layout_.line2Column == ImportLayout::None
                                 ? kEmptyField
                                 : row.cells[static_cast<std::size_t>(layout_.line2Column)];
  const long repeat =
      repeatColumn_ == ImportLayout::None ? layout_.fixedRepeatCount : row.repeatCount;
  const ImportRow first{line1, line2, repeat};
  if (layout_.otherEndColumn == ImportLayout::None) return rules_.Take(first, times);
  const ImportRow second{line1, row.cells[static_cast<std::size_t>(layout_.otherEndColumn)],
                         repeat};
  return TakeWireEnds(first, second, times);
}

bool ImportTarget::TakeWireEnds(const ImportRow& first, const ImportRow& second, long times) {
  // The two pages alternate as often as the row repeats. A pair that makes a
  // page ends the loop within 200 rounds; one that makes none is only counted.
  for (long round = 0; round < times; ++round) {
    const std::size_t before = rules_.result().pages.size();
    if (!rules_.Take(first) || !rules_.Take(second)) return false;
    if (rules_.result().pages.size() == before) {
      rules_.Take(first, times - round - 1);
      rules_.Take(second, times - round - 1);
      break;
    }
  }
  return !rules_.full();
}

bool ImportTarget::TakePreviewRow(const ImportCells& row, long times) {
  if (!firstRowSeen_) {
    firstRowSeen_ = true;
    const ImportField& third = row.cells[2];
    if (third.length() != 0 && !ReadsAsNumber(third.view())) seen_.plain = false;
  }
  seen_.columns = std::max(seen_.columns, row.width);
  if (row.width > 3) seen_.plain = false;
  for (long shown = 0; shown < times && seen_.rows.size() < static_cast<std::size_t>(previewRows_);
       ++shown) {
    std::vector<std::u16string>& cells = seen_.rows.emplace_back();
    for (int column = 0; column < row.width; ++column) {
      cells.push_back(ImportedText(row.cells[static_cast<std::size_t>(column)].view()));
    }
  }
  // The rest of the file tells how many columns it has, and makes the pages the
  // default layout would take: the file is read no further than an import with
  // that layout reads it, since columns past that could change no page.
  const bool previewed = seen_.rows.size() >= static_cast<std::size_t>(previewRows_);
  if (previewed) textColumns_ = Bit(0) | Bit(1);
  const bool more = rules_.Take({row.cells[0], row.cells[1], row.repeatCount}, times);
  return more || !previewed;
}

ImportPreview ImportTarget::TakePreview() {
  for (std::vector<std::u16string>& cells : seen_.rows) {
    cells.resize(static_cast<std::size_t>(seen_.columns));
  }
  return std::move(seen_);
}

}  // namespace q5300
