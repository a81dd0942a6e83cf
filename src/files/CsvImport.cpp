#include "files/CsvImport.h"

#include <algorithm>

#include "compile/CodePage.h"
#include "data/JobSettings.h"
#include "files/FileIo.h"

namespace q5300 {
namespace {

// C's isspace in the "C" locale, without the line feed that never reaches a field.
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r';
}

// Past this the repeat count is clamped to 200 anyway.
constexpr long kRepeatCeiling = 100000;

}  // namespace

bool CsvImporter::Feed(std::string_view bytes) {
  for (const char c : bytes) {
    if (done_) return false;
    if (c == '\n') {
      carriageReturn_ = false;  // a carriage return before the line feed is dropped
      EndLine();
      continue;
    }
    if (carriageReturn_) {
      carriageReturn_ = false;
      Take('\r');
    }
    if (c == '\r') {
      carriageReturn_ = true;
      continue;
    }
    Take(c);
  }
  return !done_;
}

void CsvImporter::Finish() {
  if (done_) return;
  if (carriageReturn_) {
    carriageReturn_ = false;
    Take('\r');
  }
  EndLine();
  done_ = true;
}

void CsvImporter::Take(char c) {
  if (c == ',') {
    if (field_ < 3) ++field_;
    return;
  }
  switch (field_) {
    case 0:
      line1_.Add(c);
      return;
    case 1:
      line2_.Add(c);
      return;
    case 2:
      break;
    default:
      return;
  }
  switch (repeatPhase_) {
    case RepeatPhase::Blanks:
      if (IsBlank(c)) return;
      repeatPhase_ = RepeatPhase::Digits;
      if (c == '-' || c == '+') {
        repeatNegative_ = c == '-';
        return;
      }
      [[fallthrough]];
    case RepeatPhase::Digits:
      if (c >= '0' && c <= '9') {
        repeatValue_ = std::min(repeatValue_ * 10 + (c - '0'), kRepeatCeiling);
      } else {
        repeatPhase_ = RepeatPhase::Done;
      }
      return;
    case RepeatPhase::Done:
      return;
  }
}

void CsvImporter::EndLine() {
  const std::size_t length1 = line1_.length;
  const std::size_t length2 = line2_.length;
  if (length1 != 0 || length2 != 0) {
    // The page text is line 1, the separator byte and line 2: a line that fills
    // 40 bytes with its two fields alone would lose its last byte in print.
    const std::size_t textBytes = length1 + (length2 != 0 ? 1 + length2 : 0);
    if (textBytes > static_cast<std::size_t>(MaxTextBytes)) {
      ++result_.overLongLines;
    } else {
      CsvPage page;
      page.line1 = FromPrinterCodePage(line1_.view());
      page.line2 = FromPrinterCodePage(line2_.view());
      const long repeat = field_ < 2 ? 1 : (repeatNegative_ ? -repeatValue_ : repeatValue_);
      page.repeatCount = static_cast<uint16_t>(std::clamp<long>(repeat, MinRepeat, MaxRepeat));
      result_.pages.push_back(std::move(page));
      if (result_.pages.size() >= static_cast<std::size_t>(MaxPages)) {
        result_.pageLimitReached = true;
        done_ = true;
      }
    }
  }
  line1_.length = 0;
  line2_.length = 0;
  field_ = 0;
  repeatPhase_ = RepeatPhase::Blanks;
  repeatNegative_ = false;
  repeatValue_ = 0;
}

CsvImport ParseCsv(std::string_view bytes) {
  CsvImporter importer;
  if (importer.Feed(bytes)) importer.Finish();
  return importer.TakeResult();
}

Result<CsvImport> ReadCsvFile(std::FILE* file, const std::string& path) {
  CsvImporter importer;
  std::vector<char> buffer(64 * 1024);
  for (;;) {
    const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file);
    if (!importer.Feed(std::string_view(buffer.data(), got))) break;
    if (got < buffer.size()) {
      if (std::ferror(file) != 0) return ReadFailure(path);
      importer.Finish();
      break;
    }
  }
  return importer.TakeResult();
}

}  // namespace q5300
