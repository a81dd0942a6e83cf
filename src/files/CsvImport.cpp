#include "files/CsvImport.h"

#include <algorithm>
#include <vector>

#include "files/FileIo.h"

namespace q5300 {
namespace {

// C's isspace in the "C" locale, without the line feed that never reaches a field.
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r';
}

// Past this the repeat count is limited to 200 anyway.
constexpr long kRepeatCeiling = 100000;

}  // namespace

bool CsvImporter::Feed(std::string_view bytes) {
  const char* at = bytes.data();
  const char* const end = at + bytes.size();
  while (at != end) {
    if (done_) return false;
    if (!carriageReturn_ && FieldIsSettled()) {
      // Nothing more of this field is kept: on to the next comma or line end.
      while (at != end && *at != ',' && *at != '\n' && *at != '\r') ++at;
      if (at == end) break;
    }
    const char c = *at++;
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

bool CsvImporter::FieldIsSettled() const {
  switch (field_) {
    case 0:
      return line1_.length == kKept;
    case 1:
      return line2_.length == kKept;
    case 2:
      return repeatPhase_ == RepeatPhase::Done;
    default:
      return true;
  }
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
  // A line without text is passed over, whatever its repeat count.
  if (line1_.length == 0 && line2_.length == 0) {
    field_ = 0;
    repeatPhase_ = RepeatPhase::Blanks;
    repeatNegative_ = false;
    repeatValue_ = 0;
    return;
  }
  ImportRow row;
  row.line1 = line1_.view();
  row.line2 = line2_.view();
  row.repeatCount = field_ < 2 ? 1 : (repeatNegative_ ? -repeatValue_ : repeatValue_);
  if (!rules_.Take(row)) done_ = true;
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
  const auto tooLarge = [](uint64_t size) {
    return Message{"The file has " + std::to_string(size) + " bytes, more than the " +
                   std::to_string(MaxImportFileSize) +
                   " bytes (16 MB) an import file may have; 200 pages take far less. Nothing "
                   "was imported."};
  };
  if (const uint64_t size = FileSizeOf(file); size > MaxImportFileSize) return tooLarge(size);
  CsvImporter importer;
  std::vector<char> buffer(64 * 1024);
  uint64_t total = 0;
  for (;;) {
    const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file);
    total += got;
    // A file that grows while it is read.
    if (total > MaxImportFileSize) return tooLarge(total);
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
