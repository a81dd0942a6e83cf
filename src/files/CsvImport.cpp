#include "files/CsvImport.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>

namespace q5300 {

namespace {

// The first lines with text the separator is found in, and the most bytes held
// for them (a quoted field may run long).
constexpr int kSampleLines = 10;
constexpr std::size_t kMaxHeldBytes = 64 * 1024;

char SeparatorChar(ImportSeparator separator) {
  switch (separator) {
    case ImportSeparator::Semicolon:
      return ';';
    case ImportSeparator::Tab:
      return '\t';
    case ImportSeparator::Comma:
    case ImportSeparator::Detect:
      break;
  }
  return ',';
}

}  // namespace

CsvImporter::CsvImporter(ImportTarget target)
    : target_(std::move(target)),
      keep_(target_.textColumns()),
      repeatColumn_(target_.repeatColumn()) {
  if (target_.separator() != ImportSeparator::Detect) Decide(target_.separator());
}

void CsvImporter::SeparatorScan::Candidate::Step(char c) {
  if (inQuotes) {
    if (!quoteSeen) {
      if (c == '"') quoteSeen = true;
      return;
    }
    quoteSeen = false;
    if (c == '"') return;  // "" in quotes
    inQuotes = false;
  }
  if (c == '\n') {
    EndLine();
    return;
  }
  if (c == '\r') return;
  if (c == separator) {
    ++fields;
    fieldStart = true;
    return;
  }
  if (c == '"' && fieldStart) inQuotes = true;
  lineHasText = true;
  fieldStart = false;
}

void CsvImporter::SeparatorScan::Candidate::EndLine() {
  // A line without text makes no page: it says nothing of the separator.
  if (lineHasText) {
    if (lines == 0) firstFields = fields;
    alike = alike && fields == firstFields;
    if (fields > 1) ++splitLines;
    ++lines;
  }
  fields = 1;
  fieldStart = true;
  lineHasText = false;
  inQuotes = false;
  quoteSeen = false;
}

void CsvImporter::SeparatorScan::Step(char c) {
  for (Candidate& candidate : candidates) candidate.Step(c);
}

bool CsvImporter::SeparatorScan::Enough() const {
  for (const Candidate& candidate : candidates) {
    if (candidate.lines < kSampleLines) return false;
  }
  return true;
}

ImportSeparator CsvImporter::SeparatorScan::Decide() {
  // A last line without a line end is a line too.
  for (Candidate& candidate : candidates) {
    if (candidate.lineHasText && candidate.lines < kSampleLines) candidate.EndLine();
  }
  constexpr ImportSeparator kSeparators[] = {ImportSeparator::Comma, ImportSeparator::Semicolon,
                                             ImportSeparator::Tab};
  // The one that splits every line into as many fields, the most such; a
  // spreadsheet program writes as many separators on every line.
  int best = -1;
  for (int i = 0; i < 3; ++i) {
    const Candidate& c = candidates[i];
    if (c.lines > 0 && c.alike && c.firstFields >= 2 &&
        (best < 0 || c.firstFields > candidates[best].firstFields)) {
      best = i;
    }
  }
  if (best >= 0) return kSeparators[best];
  // Else the one that splits the most lines, commas when none splits any.
  best = 0;
  for (int i = 1; i < 3; ++i) {
    if (candidates[i].splitLines > candidates[best].splitLines) best = i;
  }
  return kSeparators[best];
}

bool CsvImporter::Feed(std::string_view bytes) {
  if (!separatorKnown_) {
    if (done_) return false;
    std::size_t taken = 0;
    while (taken < bytes.size() && !scan_.Enough() && held_.size() + taken < kMaxHeldBytes) {
      scan_.Step(bytes[taken++]);
    }
    held_.append(bytes.substr(0, taken));
    bytes.remove_prefix(taken);
    if (!scan_.Enough() && held_.size() < kMaxHeldBytes) return true;
    Decide(scan_.Decide());
  }
  return Split(bytes);
}

void CsvImporter::Decide(ImportSeparator separator) {
  separatorKnown_ = true;
  separatorChar_ = static_cast<unsigned char>(SeparatorChar(separator));
  target_.SeparatorUsed(separator);
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
  if (!separatorKnown_) Decide(scan_.Decide());
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
