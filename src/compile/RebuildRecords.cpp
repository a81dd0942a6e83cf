#include "compile/RebuildRecords.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstddef>
#include <span>

#include "compile/CodePage.h"
#include "compile/Metrics.h"

namespace q5300 {
namespace {

std::atomic<std::size_t> compiles{0};

constexpr unsigned char UserDefinedLead = 0xC9;
// The printer's font keeps the electrical symbols in the first row of the code page.
constexpr unsigned char SymbolLead = 0xA1;
constexpr unsigned char FirstSymbolTrail = 0xA1;
constexpr unsigned char LastSymbolTrail = FirstSymbolTrail + SymbolCount - 1;  // 0xED

// Every UTF-16 unit gives at least half a byte (a surrogate pair gives one '?'),
// so this many units of a text yield more than the record holds.
constexpr std::size_t PrefixUnits = 2 * (MaxTextBytes + 1);

// One pass over the page's text: counts the markers, finds the first placeholder
// of each kind, and keeps the start of the text that can reach the record.
class TextScan {
 public:
  explicit TextScan(bool printer) : printer_(printer) {}

  void Add(std::u16string_view line) {
    for (char16_t c : line) {
      if (c == SuperscriptMarker) {
        ++superCount;
        if (printer_) c = SuperscriptCode;
      } else if (c == SubscriptMarker) {
        ++subCount;
        if (printer_) c = SubscriptCode;
      } else if (c >= NumberPlaceholder && c <= LowerPlaceholder) {
        std::size_t& first = placeholder[c - NumberPlaceholder];
        if (first == None) first = position_;
      }
      if (size_ < prefix_.size()) prefix_[size_++] = c;
      ++position_;
    }
  }

  // A page carries one running number: only the first placeholder of the kind
  // that wins becomes a control byte, any other stays a user-defined character.
  void MarkNumbering(PageRecord& r) {
    const std::size_t number = placeholder[NumberPlaceholder - NumberPlaceholder];
    const std::size_t fixed = placeholder[FixedPlaceholder - NumberPlaceholder];
    const std::size_t lower = placeholder[LowerPlaceholder - NumberPlaceholder];
    const std::size_t upper = placeholder[UpperPlaceholder - NumberPlaceholder];
    if (number == None && fixed == None && lower == None && upper == None) {
      // The hexadecimal kinds survive: the fixed-width placeholder is shared by
      // three kinds and only these flags tell them apart.
      r.numNumber = r.numFixed = r.numLower = r.numUpper = 0;
      r.hasNumbering = 0;
      return;
    }
    if (number != None) {
      r.numNumber = 1;
      r.numFixed = r.numLower = r.numUpper = 0;
      Replace(number, NumberCode);
    } else if (fixed != None) {
      Replace(fixed, FixedCode);
    } else if (lower != None) {
      r.numNumber = r.numFixed = r.numUpper = 0;
      r.numLower = 1;
      Replace(lower, LowerCode);
    } else {
      r.numNumber = r.numFixed = r.numLower = 0;
      r.numUpper = 1;
      Replace(upper, UpperCode);
    }
    r.hasNumbering = 1;
  }

  std::u16string_view prefix() const { return {prefix_.data(), size_}; }

  unsigned superCount = 0;
  unsigned subCount = 0;

 private:
  static constexpr std::size_t None = static_cast<std::size_t>(-1);

  void Replace(std::size_t position, char16_t code) {
    if (position < size_) prefix_[position] = code;
  }

  bool printer_;
  std::array<std::size_t, 4> placeholder = {None, None, None, None};  // by kind, from U+E04D
  std::array<char16_t, PrefixUnits> prefix_{};
  std::size_t size_ = 0;
  std::size_t position_ = 0;
};

// The page's text with its markers and its running number's placeholder compiled,
// as code page bytes; `out` has room for one byte more than the record, which
// shows a cut. The marker counts and the numbering kind go into `r`.
std::size_t CompileBytes(bool printer, std::u16string_view line1, std::u16string_view line2,
                         PageRecord& r, std::span<char, MaxTextBytes + 1> out) {
  compiles.fetch_add(1, std::memory_order_relaxed);
  TextScan scan(printer);
  scan.Add(line1);
  if (!line2.empty()) {
    scan.Add(std::u16string_view(&LineSeparator, 1));
    scan.Add(line2);
  }
  r.superCount = static_cast<uint8_t>(scan.superCount);
  r.subCount = static_cast<uint8_t>(scan.subCount);
  r.scriptCount = static_cast<uint8_t>(r.superCount + r.subCount);
  scan.MarkNumbering(r);
  return ToPrinterCodePage(scan.prefix(), out);
}

void MoveSymbolsToPrinterRow(PageRecord& r) {
  const std::size_t length = r.textLength;
  for (std::size_t i = 0; i < length;) {
    if (!IsLeadByte(r.text[i]) || i + 1 >= length) {
      ++i;
      continue;
    }
    const uint8_t trail = r.text[i + 1];
    if (r.text[i] == UserDefinedLead && trail >= FirstSymbolTrail && trail <= LastSymbolTrail) {
      r.text[i] = SymbolLead;
    }
    i += 2;
  }
}

}  // namespace

std::u16string JoinLines(std::u16string_view line1, std::u16string_view line2) {
  std::u16string s(line1);
  if (!line2.empty()) {
    s.push_back(LineSeparator);
    s.append(line2);
  }
  return s;
}

void StorePageText(PageRecord& r, std::string_view bytes) {
  r.text.fill(0);
  const std::size_t length = WholeCharacterPrefix(bytes, MaxTextBytes);
  std::copy_n(bytes.begin(), length, r.text.begin());
  r.textLength = static_cast<uint8_t>(length);
}

std::size_t CompilePageText(RebuildMode mode, std::u16string_view line1,
                            std::u16string_view line2, PageRecord& r) {
  const bool printer = mode == RebuildMode::PrinterMode;
  r.twoLines = line2.empty() ? 0 : 1;
  std::array<char, MaxTextBytes + 1> bytes;
  const std::size_t n = CompileBytes(printer, line1, line2, r, bytes);
  StorePageText(r, std::string_view(bytes.data(), n));
  if (printer) MoveSymbolsToPrinterRow(r);

  const auto wideBytes =
      std::count_if(r.text.begin(), r.text.end(), [](uint8_t b) { return b > 0xA0; });
  r.wideCount = static_cast<uint8_t>(wideBytes / 2);

  const auto textEnd = r.text.begin() + r.textLength;
  // Line 1 filled the whole text: line 2 is not printed.
  if (r.twoLines == 1 && std::find(r.text.begin(), textEnd, SeparatorCode) == textEnd) {
    r.twoLines = 0;
  }
  return n;
}

std::size_t CompiledTextBytes(RebuildMode mode, std::u16string_view line1,
                              std::u16string_view line2) {
  PageRecord scratch;
  std::array<char, MaxTextBytes + 1> bytes;
  return CompileBytes(mode == RebuildMode::PrinterMode, line1, line2, scratch, bytes);
}

CompiledJob::CompiledJob(std::vector<PageRecord> records) : records_(std::move(records)) {
  for (std::size_t i = 0; i < records_.size(); ++i) {
    records_[i].prev = i == 0 ? nullptr : &records_[i - 1];
    records_[i].next = i + 1 == records_.size() ? nullptr : &records_[i + 1];
  }
}

PageRecord CompilePageRecord(RebuildMode mode, const PageSource& page, int margin) {
  PageRecord r = page.record;
  r.prev = r.next = nullptr;
  CompilePageText(mode, page.line1, page.line2, r);
  ComputeMetrics(r, margin);
  return r;
}

CompiledJob RebuildRecords(RebuildMode mode, std::span<const PageSource> pages, int currentRow,
                           int margin) {
  std::vector<PageRecord> records;
  records.reserve(pages.size());
  for (std::size_t i = 0; i < pages.size(); ++i) {
    PageRecord& r = records.emplace_back(CompilePageRecord(mode, pages[i], margin));
    r.isCurrent = static_cast<int>(i) == currentRow ? 1 : 0;
  }
  return CompiledJob(std::move(records));
}

std::size_t CompileCount() {
  return compiles.load(std::memory_order_relaxed);
}

}  // namespace q5300
