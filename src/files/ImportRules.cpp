#include "files/ImportRules.h"

#include <algorithm>
#include <limits>

#include "compile/CodePage.h"
#include "data/JobSettings.h"

namespace q5300 {
std::u16string ImportedText(std::string_view bytes) {
  std::u16string text = FromPrinterCodePage(bytes);
  std::replace(text.begin(), text.end(), u'\uFFFD', u'?');
  return text;
}

bool ImportRules::Take(const ImportRow& row) {
  return Take(row, 1);
}

bool ImportRules::Take(const ImportRow& row, long times) {
  if (full()) return false;
  if (times < 1) return true;
  const ImportField& line1 = row.line1;
  const ImportField& line2 = row.line2;
  if (line1.length() == 0 && line2.length() == 0) return true;
  // The page text is line 1, the separator byte and line 2: a line that fills
  // 40 bytes with its two fields alone would lose its last byte in print.
  const std::size_t textBytes = line1.length() + (line2.length() != 0 ? 1 + line2.length() : 0);
  if (textBytes > static_cast<std::size_t>(MaxTextBytes)) {
    const long room = std::numeric_limits<int>::max() - result_.overLongLines;
    result_.overLongLines += static_cast<int>(std::min(times, room));
    return true;
  }
  ImportedPage page;
  page.line1 = ImportedText(line1.view());
  page.line2 = ImportedText(line2.view());
  page.repeatCount = static_cast<uint16_t>(std::clamp<long>(row.repeatCount, MinRepeat, MaxRepeat));
  const long room = MaxPages - static_cast<long>(result_.pages.size());
  const long taken = std::min(times, room);
  result_.pages.insert(result_.pages.end(), static_cast<std::size_t>(taken), page);
  if (row.repeatCount > MaxRepeat) result_.repeatCountsCut += static_cast<int>(taken);
  if (result_.pages.size() >= static_cast<std::size_t>(MaxPages)) result_.pageLimitReached = true;
  return !full();
}

void RepeatCountReader::Add(char c) {
  // Past this the count is limited to 200 anyway.
  constexpr long kCeiling = 100000;
  switch (phase_) {
    case Phase::Blanks:
      // C's isspace in the "C" locale.
      if (c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n') return;
      phase_ = Phase::Digits;
      if (c == '-' || c == '+') {
        negative_ = c == '-';
        return;
      }
      [[fallthrough]];
    case Phase::Digits:
      if (c >= '0' && c <= '9') {
        value_ = std::min(value_ * 10 + (c - '0'), kCeiling);
      } else {
        phase_ = Phase::Done;
      }
      return;
    case Phase::Done:
      return;
  }
}

long RepeatCountOf(std::string_view text) {
  RepeatCountReader reader;
  for (const char c : text) reader.Add(c);
  return reader.value();
}

}  // namespace q5300
