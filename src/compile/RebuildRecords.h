#pragma once

#include <cstddef>
#include <string>
#include <span>
#include <string_view>
#include <vector>

#include "data/PageRecord.h"

namespace q5300 {

// PrinterMode: markers become the printer's control bytes and symbols move to
// lead byte 0xA1. EditorMode: both stay user-defined characters of the code page.
enum class RebuildMode { PrinterMode = 0, EditorMode = 1 };

// Special characters of the grid text.
inline constexpr char16_t FirstSymbol = 0xE000;  // 77 electrical symbols, U+E000..U+E04C
inline constexpr int SymbolCount = 77;
inline constexpr char16_t NumberPlaceholder = 0xE04D;  // "0-999"
inline constexpr char16_t FixedPlaceholder = 0xE04E;   // "000-999", hexadecimal
inline constexpr char16_t UpperPlaceholder = 0xE04F;   // "A-Z"
inline constexpr char16_t LowerPlaceholder = 0xE050;   // "a-z"
inline constexpr char16_t SuperscriptMarker = 0xE051;
inline constexpr char16_t SubscriptMarker = 0xE052;
inline constexpr char16_t LineSeparator = 0x001A;

// Control bytes of the record text.
inline constexpr unsigned char NumberCode = 0x12;
inline constexpr unsigned char FixedCode = 0x14;
inline constexpr unsigned char UpperCode = 0x16;
inline constexpr unsigned char LowerCode = 0x18;
inline constexpr unsigned char SeparatorCode = 0x1A;
inline constexpr unsigned char SuperscriptCode = 0x1C;
inline constexpr unsigned char SubscriptCode = 0x1E;

// The text of a page as one string: line 1, then U+001A and line 2 when line 2
// is not empty.
std::u16string JoinLines(std::u16string_view line1, std::u16string_view line2);

// Puts code page bytes into the record's text, cut to 40 bytes without splitting
// a double-byte character (so the text may end up 39 bytes long); the rest of the
// field is zero. Sets textLength and nothing else.
void StorePageText(PageRecord& record, std::string_view bytes);

// Compiles one page's two lines into its record: the text with its control bytes,
// the marker counts, the numbering kind, twoLines and wideCount. Metrics, check
// and current marks are left alone. Returns the length in bytes of the text
// before the cut to the record's 40 bytes (a text longer than that counts as 41).
std::size_t CompilePageText(RebuildMode mode, std::u16string_view line1,
                            std::u16string_view line2, PageRecord& record);

// The length in bytes of the text CompilePageText makes of the two lines, before
// the cut to the record's 40 bytes; a text longer than that counts as 41.
std::size_t CompiledTextBytes(RebuildMode mode, std::u16string_view line1,
                              std::u16string_view line2);

// Records compiled from a job in one form: copies of the job's records, linked
// in list order, which the job never sees again. Moving keeps the links; a copy
// would not, so there is none.
class CompiledJob {
 public:
  explicit CompiledJob(std::vector<PageRecord> records);
  CompiledJob(CompiledJob&&) = default;
  CompiledJob& operator=(CompiledJob&&) = default;
  CompiledJob(const CompiledJob&) = delete;
  CompiledJob& operator=(const CompiledJob&) = delete;

  PageRecord* first() { return records_.empty() ? nullptr : records_.data(); }
  const PageRecord* first() const { return records_.empty() ? nullptr : records_.data(); }
  std::span<const PageRecord> records() const { return records_; }
  const PageRecord& operator[](std::size_t i) const { return records_[i]; }
  std::size_t size() const { return records_.size(); }

 private:
  std::vector<PageRecord> records_;
};

// One page to compile: its two lines as typed and its record, which carries
// every attribute and the tick.
struct PageSource {
  std::u16string_view line1;
  std::u16string_view line2;
  const PageRecord& record;
};

// A page's record compiled in `mode` from its lines: the text and what is
// counted from it, then the metrics. `page` is left as it is.
PageRecord CompilePageRecord(RebuildMode mode, const PageSource& page, int margin);

// The job's records compiled in `mode`, the pages left as they are: each record
// compiled from its lines, the record of `currentRow` marked.
CompiledJob RebuildRecords(RebuildMode mode, std::span<const PageSource> pages, int currentRow,
                           int margin);

// How many times a page text was compiled in this process (a figure for
// benchmarks: what a command costs in compiles).
std::size_t CompileCount();

}  // namespace q5300
