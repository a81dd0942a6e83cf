#include "files/ImportRules.h"

#include <algorithm>

#include "compile/CodePage.h"
#include "data/JobSettings.h"

namespace q5300 {
namespace {

// A text field as a page may hold it: at most 41 bytes (enough to tell a field
// that is too long), control bytes made plain.
struct PlainField {
  char bytes[MaxTextBytes + 1];
  std::size_t length = 0;

  explicit PlainField(std::string_view field) {
    length = std::min(field.size(), sizeof bytes);
    std::transform(field.begin(), field.begin() + static_cast<std::ptrdiff_t>(length), bytes,
                   [](char c) { return static_cast<unsigned char>(c) < 0x20 ? '?' : c; });
  }
  std::string_view view() const { return {bytes, length}; }
};

// A byte sequence that is no character of the code page is shown as the '?' a
// save makes of it.
std::u16string Decoded(std::string_view bytes) {
  std::u16string text = FromPrinterCodePage(bytes);
  std::replace(text.begin(), text.end(), u'\uFFFD', u'?');
  return text;
}

}  // namespace

bool ImportRules::Take(const ImportRow& row) {
  if (full()) return false;
  const PlainField line1(row.line1);
  const PlainField line2(row.line2);
  if (line1.length == 0 && line2.length == 0) return true;
  // The page text is line 1, the separator byte and line 2: a line that fills
  // 40 bytes with its two fields alone would lose its last byte in print.
  const std::size_t textBytes = line1.length + (line2.length != 0 ? 1 + line2.length : 0);
  if (textBytes > static_cast<std::size_t>(MaxTextBytes)) {
    ++result_.overLongLines;
    return true;
  }
  CsvPage page;
  page.line1 = Decoded(line1.view());
  page.line2 = Decoded(line2.view());
  page.repeatCount = static_cast<uint16_t>(std::clamp<long>(row.repeatCount, MinRepeat, MaxRepeat));
  result_.pages.push_back(std::move(page));
  if (result_.pages.size() >= static_cast<std::size_t>(MaxPages)) result_.pageLimitReached = true;
  return !full();
}

}  // namespace q5300
