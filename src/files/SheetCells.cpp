#include "files/SheetCells.h"

#include <unicode/ustring.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <span>

#include "compile/CodePage.h"

namespace q5300 {
namespace {

// A cell's text (UTF-8) in code page 949, as far as a page can hold it.
ImportField CodePageField(std::string_view utf8) {
  ImportField field;
  if (utf8.empty()) return field;
  // Every UTF-8 byte gives at most one UTF-16 unit.
  std::u16string text(utf8.size(), u'\0');
  int32_t length16 = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strFromUTF8WithSub(text.data(), static_cast<int32_t>(text.size()), &length16, utf8.data(),
                       static_cast<int32_t>(utf8.size()), 0xFFFD, nullptr, &status);
  if (U_FAILURE(status)) return field;
  text.resize(static_cast<std::size_t>(length16));
  char bytes[ImportField::Kept];
  const std::size_t length = ToPrinterCodePage(text, std::span<char>(bytes));
  for (std::size_t i = 0; i < length; ++i) field.Add(bytes[i]);
  return field;
}

}  // namespace

std::string GeneralNumber(std::string_view value) {
  double number = 0;
  const char* const end = value.data() + value.size();
  const auto [stop, error] = std::from_chars(value.data(), end, number);
  if (error != std::errc() || stop != end || !std::isfinite(number)) return std::string(value);
  if (number == 0) return "0";
  char out[32];
  const auto written = std::to_chars(out, out + sizeof out, number, std::chars_format::general, 15);
  std::string text(out, written.ptr);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return text;
}

bool TakeSheetRow(ImportTarget& target, const SheetRow& row, long times) {
  int width = 0;
  for (uint64_t left = row.written(); left != 0;) {
    const int column = 63 - std::countl_zero(left);
    if (!row[static_cast<std::size_t>(column)].empty()) {
      width = column + 1;
      break;
    }
    left &= ~(uint64_t{1} << column);
  }
  if (width == 0) {
    static const std::array<ImportField, MaxImportColumns> kNoFields{};
    return target.Take({kNoFields, 0, 0}, times);
  }
  std::array<ImportField, MaxImportColumns> fields;
  for (uint64_t wanted = target.textColumns() & row.written(); wanted != 0; wanted &= wanted - 1) {
    const auto column = static_cast<std::size_t>(std::countr_zero(wanted));
    fields[column] = CodePageField(row[column]);
  }
  const int repeatColumn = target.repeatColumn();
  // An empty cell reads as 0, which the rules take as 1.
  const long repeat = repeatColumn == ImportLayout::None
                          ? 0
                          : RepeatCountOf(row[static_cast<std::size_t>(repeatColumn)]);
  return target.Take({fields, repeat, width}, times);
}

}  // namespace q5300
