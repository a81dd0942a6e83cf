#include "files/SheetCells.h"

#include <unicode/ustring.h>

#include <charconv>
#include <cmath>
#include <span>

#include "compile/CodePage.h"

namespace q5300 {
namespace {

// A cell's text in code page 949, as far as a page can hold it and one byte more.
struct CodePageField {
  char bytes[MaxTextBytes + 1];
  std::size_t length = 0;

  explicit CodePageField(std::string_view utf8) {
    if (utf8.empty()) return;
    // Every UTF-8 byte gives at most one UTF-16 unit.
    std::u16string text(utf8.size(), u'\0');
    int32_t length16 = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8WithSub(text.data(), static_cast<int32_t>(text.size()), &length16, utf8.data(),
                         static_cast<int32_t>(utf8.size()), 0xFFFD, nullptr, &status);
    if (U_FAILURE(status)) return;
    text.resize(static_cast<std::size_t>(length16));
    length = ToPrinterCodePage(text, std::span<char>(bytes));
  }
  std::string_view view() const { return {bytes, length}; }
};

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

bool TakeSheetRow(ImportRules& rules, const SheetRow& row, long times) {
  const CodePageField line1(row.cells[0]);
  const CodePageField line2(row.cells[1]);
  ImportRow imported;
  imported.line1 = line1.view();
  imported.line2 = line2.view();
  // An empty cell reads as 0, which the rules take as 1.
  imported.repeatCount = RepeatCountOf(row.cells[2]);
  return rules.Take(imported, times);
}

}  // namespace q5300
