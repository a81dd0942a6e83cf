#include "files/CsvExport.h"

#include <unicode/ustring.h>

#include <algorithm>
#include <vector>

#include "compile/CodePage.h"
#include "data/AsciiText.h"

namespace q5300 {
namespace {

std::string Utf8(std::u16string_view text) {
  // At most three bytes for each UTF-16 unit.
  std::string out(text.size() * 3, '\0');
  int32_t length = 0;
  UErrorCode status = U_ZERO_ERROR;
  // A lone surrogate (no character at all) is written as U+FFFD.
  u_strToUTF8WithSub(out.data(), static_cast<int32_t>(out.size()), &length, text.data(),
                     static_cast<int32_t>(text.size()), 0xFFFD, nullptr, &status);
  if (U_FAILURE(status)) return {};
  out.resize(static_cast<std::size_t>(length));
  return out;
}

std::string Encoded(std::u16string_view text, CsvEncoding encoding) {
  return encoding == CsvEncoding::Utf8 ? Utf8(text) : ToPrinterCodePage(text);
}

// Neither encoding writes a separator, a quote or a line end inside another
// character, so the bytes can be looked at one by one. A semicolon or a tab is
// quoted too, so that the import never takes it for the separator.
void AppendField(std::string& out, const std::string& field) {
  const bool quoted =
      field.starts_with('"') || field.find_first_of(",;\t\"\r\n") != std::string::npos;
  if (!quoted) {
    out += field;
    return;
  }
  out += '"';
  for (const char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace

std::optional<CsvEncoding> CsvEncodingNamed(std::string_view name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(), AsciiLower);
  if (lower == "utf-8" || lower == "utf8") return CsvEncoding::Utf8;
  if (lower == "cp949" || lower == "949" || lower == "windows-949") return CsvEncoding::CodePage949;
  return std::nullopt;
}

int NumberedPagesNotCarried(std::span<const CsvPage> pages) {
  return static_cast<int>(std::count_if(pages.begin(), pages.end(), [](const CsvPage& page) {
    return page.numbering != CsvPage::Numbering::None;
  }));
}

std::string CsvExportText(std::span<const CsvPage> pages, CsvEncoding encoding) {
  std::vector<ImportedPage> lines;
  lines.reserve(pages.size());
  for (const CsvPage& page : pages) lines.push_back({page.line1, page.line2, page.repeatCount});
  return CsvExportText(lines, encoding);
}

std::string CsvExportText(std::span<const ImportedPage> pages, CsvEncoding encoding) {
  std::string out = encoding == CsvEncoding::Utf8 ? "\xEF\xBB\xBF" : "";
  for (const ImportedPage& page : pages) {
    AppendField(out, Encoded(page.line1, encoding));
    out += ',';
    AppendField(out, Encoded(page.line2, encoding));
    out += ',';
    out += std::to_string(page.repeatCount);
    out += "\r\n";
  }
  return out;
}

}  // namespace q5300
