#include "editing/ColumnChoice.h"

#include <algorithm>
#include <utility>

#include "compile/Symbols.h"
#include "data/JobSettings.h"
#include "editing/InputFilters.h"
#include "files/ImportRules.h"

namespace q5300 {
namespace {

bool HasDigit(const std::vector<std::u16string>& row) {
  return std::any_of(row.begin(), row.end(), [](const std::u16string& cell) {
    return std::any_of(cell.begin(), cell.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
  });
}

const std::u16string& CellOf(const std::vector<std::u16string>& row, int column) {
  static const std::u16string kEmpty;
  if (column < 0 || static_cast<std::size_t>(column) >= row.size()) return kEmpty;
  return row[static_cast<std::size_t>(column)];
}

// A whole number, blanks around it allowed: what a repeat count column holds.
bool IsCount(std::u16string_view text) {
  const auto first = text.find_first_not_of(u' ');
  if (first == std::u16string_view::npos) return false;
  const auto last = text.find_last_not_of(u' ');
  return std::all_of(text.begin() + first, text.begin() + last + 1,
                     [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

constexpr std::size_t kNameCharacters = 12;

}  // namespace

ColumnChoice::ColumnChoice(ImportPreview preview, Reread reread)
    : preview_(std::move(preview)), reread_(std::move(reread)) {
  Guess();
}

void ColumnChoice::SetSeparator(ImportSeparator separator) {
  if (!reread_ || !HasSeparator() || separator == ImportSeparator::Detect) return;
  std::optional<ImportPreview> preview = reread_(separator);
  if (!preview) return;
  preview_ = std::move(*preview);
  preview_.separator = separator;
  Guess();
}

void ColumnChoice::Guess() {
  layout_ = ImportLayout{};
  layout_.separator = preview_.separator;
  const auto& rows = preview_.rows;
  layout_.header = rows.size() >= 2 && !HasDigit(rows[0]) && HasDigit(rows[1]);
  layout_.line2Column = preview_.columns >= 2 ? 1 : ImportLayout::None;
  bool counts = false;
  bool other = false;
  for (std::size_t r = layout_.header ? 1 : 0; r < rows.size(); ++r) {
    const std::u16string& cell = CellOf(rows[r], 2);
    if (cell.find_first_not_of(u' ') == std::u16string::npos) continue;
    (IsCount(cell) ? counts : other) = true;
  }
  layout_.repeatColumn = counts && !other ? 2 : ImportLayout::None;
}

int ColumnChoice::Clamped(int column) const {
  return std::clamp(column, 0, std::max(preview_.columns, 1) - 1);
}

void ColumnChoice::SetLine1Column(int column) {
  layout_.line1Column = Clamped(column);
}

void ColumnChoice::SetLine2Column(int column) {
  layout_.line2Column = column == ImportLayout::None ? column : Clamped(column);
}

void ColumnChoice::SetRepeatColumn(int column) {
  layout_.repeatColumn = Clamped(column);
}

void ColumnChoice::SetFixedRepeatCount(int count) {
  layout_.repeatColumn = ImportLayout::None;
  layout_.fixedRepeatCount = static_cast<uint16_t>(std::clamp(count, 1, MaxRepeat));
}

void ColumnChoice::SetOtherEndColumn(int column) {
  layout_.otherEndColumn = column == ImportLayout::None ? column : Clamped(column);
}

int ColumnChoice::SuggestedOtherEnd() const {
  const int line2 =
      layout_.line2Column == ImportLayout::None ? layout_.line1Column : layout_.line2Column;
  return Clamped(line2 + 1);
}

Phrase ColumnChoice::ColumnName(int column) const {
  const std::u16string name =
      layout_.header && !preview_.rows.empty() ? CellOf(preview_.rows[0], column) : u"";
  if (name.empty()) return Phrase(std::string(ColumnNumber), column + 1);
  std::u16string shown = name.substr(0, kNameCharacters);
  if (shown.size() < name.size()) shown += u'\u2026';
  return Phrase(std::string(NamedColumn), column + 1, Phrase::Literal(ReadableText(shown)));
}

std::vector<std::u16string> ColumnChoice::FirstPages(std::size_t count) const {
  std::vector<std::u16string> pages;
  const auto& rows = preview_.rows;
  for (std::size_t r = layout_.header ? 1 : 0; r < rows.size() && pages.size() < count; ++r) {
    const std::u16string& line1 = CellOf(rows[r], layout_.line1Column);
    long repeat = layout_.fixedRepeatCount;
    if (layout_.repeatColumn != ImportLayout::None) {
      repeat = std::clamp<long>(RepeatCountOf(U16ToAscii(CellOf(rows[r], layout_.repeatColumn))), 1,
                                MaxRepeat);
    }
    const std::u16string times = u" \u00D7" + [&] {
      std::u16string digits;
      for (const char c : std::to_string(repeat)) digits += static_cast<char16_t>(c);
      return digits;
    }();
    std::vector<int> ends = {layout_.line2Column};
    if (layout_.otherEndColumn != ImportLayout::None) ends.push_back(layout_.otherEndColumn);
    for (const int end : ends) {
      const std::u16string& line2 = CellOf(rows[r], end);
      if (line1.empty() && line2.empty()) continue;
      if (pages.size() == count) break;
      pages.push_back(line2.empty() ? line1 + times : line1 + u" / " + line2 + times);
    }
  }
  return pages;
}

}  // namespace q5300
