#include "files/CsvImport.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>

namespace q5300 {

CsvImporter::CsvImporter(ImportTarget target)
    : target_(std::move(target)),
      keep_(target_.textColumns()),
      repeatColumn_(target_.repeatColumn()) {}

CsvImporter::Separator CsvImporter::SeparatorScan::Step(char c) {
  if (inQuotes) {
    if (!quoteSeen) {
      if (c == '"') quoteSeen = true;
      return Separator::Unknown;
    }
    quoteSeen = false;
    if (c == '"') return Separator::Unknown;  // "" in quotes
    inQuotes = false;
  }
  switch (c) {
    case '\n':
      if (lineHasText) return AtEnd();
      fieldStart = true;  // an empty line: the first line with text is still to come
      return Separator::Unknown;
    case '\r':
      return Separator::Unknown;
    case ',':
      return Separator::Comma;
    case '\t':
      tabSeen = true;
      lineHasText = true;
      fieldStart = true;
      return Separator::Unknown;
    case '"':
      inQuotes = fieldStart;
      break;
    default:
      break;
  }
  lineHasText = true;
  fieldStart = false;
  return Separator::Unknown;
}

std::size_t CsvImporter::SeparatorScan::Unchanged(std::string_view bytes) const {
  std::size_t at = 0;
  if (inQuotes) {
    if (quoteSeen) return 0;
    while (at < bytes.size() && bytes[at] != '"') ++at;
  } else if (!lineHasText) {
    // Empty lines.
    while (at < bytes.size() && (bytes[at] == '\n' || bytes[at] == '\r')) ++at;
  } else if (!fieldStart) {
    // Within a field nothing but a line end and the separators counts.
    while (at < bytes.size() && bytes[at] != '\n' && bytes[at] != ',' && bytes[at] != '\t') ++at;
  }
  return at;
}

bool CsvImporter::Feed(std::string_view bytes) {
  while (separator_ == Separator::Unknown && !bytes.empty()) {
    if (done_) return false;
    // Bytes before the first tab read alike with either separator and go on at
    // once; from the first tab on they are held until the separator is known.
    const bool holding = scan_.tabSeen;
    Separator decided = Separator::Unknown;
    std::size_t scanned = 0;
    while (scanned < bytes.size() && decided == Separator::Unknown) {
      scanned += scan_.Unchanged(bytes.substr(scanned));
      if (scanned == bytes.size()) break;
      decided = scan_.Step(bytes[scanned++]);
      if (!holding && scan_.tabSeen) break;
    }
    const bool stopped = decided != Separator::Unknown || (!holding && scan_.tabSeen);
    const std::size_t direct = holding ? 0 : stopped ? scanned - 1 : scanned;
    Split(bytes.substr(0, direct));
    held_.append(bytes.substr(direct, scanned - direct));
    bytes.remove_prefix(scanned);
    if (decided != Separator::Unknown) Decide(decided);
  }
  return Split(bytes);
}

void CsvImporter::Decide(Separator separator) {
  separator_ = separator;
  separatorChar_ = separator == Separator::Tab ? '\t' : ',';
  std::string held;
  held.swap(held_);
  Split(held);
}

bool CsvImporter::Split(std::string_view bytes) {
  const char* at = bytes.data();
  const char* const end = at + bytes.size();
  while (at != end) {
    if (done_) return false;
    if (!carriageReturn_ && !fieldStart_ && FieldIsSettled()) {
      // Nothing more of this field is kept: on to where it may end.
      if (quote_ == Quote::Inside) {
        const void* quote = std::memchr(at, '"', static_cast<std::size_t>(end - at));
        const char* const to = quote == nullptr ? end : static_cast<const char*>(quote);
        line_ += static_cast<int>(std::count(at, to, '\n'));
        at = to;
      } else if (quote_ == Quote::None) {
        while (at != end && *at != separatorChar_ && *at != '\n' && *at != '\r') ++at;
      }
      if (at == end) break;
    }
    const char c = *at++;
    if (c == '\n') ++line_;
    if (quote_ == Quote::Inside) {
      if (c == '"') {
        quote_ = Quote::QuoteSeen;
      } else {
        Take(c);
      }
      continue;
    }
    if (quote_ == Quote::QuoteSeen) {
      if (c == '"') {
        Take('"');
        quote_ = Quote::Inside;
        continue;
      }
      quote_ = Quote::None;
    }
    if (c == '\n') {
      carriageReturn_ = false;  // a carriage return before the line feed is dropped
      EndLine();
      continue;
    }
    if (carriageReturn_) {
      carriageReturn_ = false;
      TakeUnquoted('\r');
    }
    if (c == '\r') {
      carriageReturn_ = true;
      continue;
    }
    TakeUnquoted(c);
  }
  return !done_;
}

bool CsvImporter::FieldIsSettled() const {
  if (field_ >= MaxImportColumns) return true;
  if (field_ == repeatColumn_ && !repeat_.done()) return false;
  if ((keep_ >> field_) & 1) {
    return cells_[static_cast<std::size_t>(field_)].length() == ImportField::Kept;
  }
  // A field no one reads counts only for having text.
  return width_ > field_;
}

void CsvImporter::Finish() {
  if (done_) return;
  if (separator_ == Separator::Unknown) Decide(scan_.AtEnd());
  if (quote_ == Quote::Inside) target_.QuoteNotClosed(quoteLine_);
  quote_ = Quote::None;
  if (carriageReturn_) {
    carriageReturn_ = false;
    TakeUnquoted('\r');
  }
  EndLine();
  done_ = true;
}

void CsvImporter::TakeUnquoted(char c) {
  if (c == separatorChar_) {
    if (field_ < MaxImportColumns) ++field_;
    fieldStart_ = true;
    return;
  }
  if (c == '"' && fieldStart_) {
    fieldStart_ = false;
    quote_ = Quote::Inside;
    quoteLine_ = line_;
    return;
  }
  Take(c);
}

void CsvImporter::Take(char c) {
  fieldStart_ = false;
  if (field_ >= MaxImportColumns) return;
  // Fields come left to right: this one is the last with text so far.
  width_ = field_ + 1;
  if ((keep_ >> field_) & 1) cells_[static_cast<std::size_t>(field_)].Add(c);
  if (field_ == repeatColumn_) repeat_.Add(c);
}

void CsvImporter::EndLine() {
  // A line without text is passed over, whatever its repeat count.
  if (width_ != 0 && !target_.Take({cells_, repeat_.value(), width_})) done_ = true;
  // Only the fields up to the last with text hold anything.
  const uint64_t written = width_ >= 64 ? ~uint64_t{0} : (uint64_t{1} << width_) - 1;
  for (uint64_t kept = keep_ & written; kept != 0; kept &= kept - 1) {
    cells_[static_cast<std::size_t>(std::countr_zero(kept))].Clear();
  }
  keep_ = target_.textColumns();
  field_ = 0;
  width_ = 0;
  fieldStart_ = true;
  repeat_ = {};
}

ImportedPages ParseCsv(std::string_view bytes) {
  CsvImporter importer;
  if (importer.Feed(bytes)) importer.Finish();
  return importer.TakeResult();
}

}  // namespace q5300
