#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "data/JobSettings.h"
#include "files/ImportColumns.h"
#include "files/ImportRules.h"

namespace q5300 {

// The most a sheet file may unpack to per part, and its rows.
inline constexpr uint64_t MaxSheetPartBytes = 64 * 1024 * 1024;
// The most rows a sheet has (the spreadsheet programs' own limit, 1,048,576): a
// repeated row counts as this many at most, and rows past it are not read, as
// those programs leave them (a file of ten million empty rows ends there).
inline constexpr long MaxSheetRows = 1L << 20;

// The text of one cell as a file gives it (UTF-8), of which only as much is kept
// as can make a page: a page holds 40 bytes, and no character takes fewer than
// one byte there, so `kept` bytes of a text that is written with at most
// kept / 41 bytes per character tell a text that is too long.
class CellText {
 public:
  explicit CellText(std::size_t kept) : kept_(kept) {}
  void Append(std::string_view text) {
    text_.append(text.substr(0, kept_ - std::min(kept_, text_.size())));
  }
  void Append(std::size_t count, char c) {
    text_.append(std::min(count, kept_ - std::min(kept_, text_.size())), c);
  }
  void Clear() { text_.clear(); }
  const std::string& text() const { return text_; }

 private:
  std::size_t kept_;
  std::string text_;
};

// UTF-8 takes at most 4 bytes per character.
inline constexpr std::size_t KeptUtf8Bytes = 4 * (MaxTextBytes + 1);

// A number as a sheet shows it in the general format: "3" for 3 (a whole number
// without ".0"), "2.5", "0.3" for 0.30000000000000004 (15 significant digits),
// "1E+20". Text that is no number comes back as it is.
std::string GeneralNumber(std::string_view value);

// The cells of a sheet row that its target wants, as text (UTF-8), in the first
// MaxImportColumns columns; the others stay empty.
class SheetRow {
 public:
  void Set(std::size_t column, std::string text) {
    written_ |= uint64_t{1} << column;
    cells_[column] = std::move(text);
  }
  const std::string& operator[](std::size_t column) const { return cells_[column]; }
  // The cells written since the last Clear, one bit per column: a sheet of
  // millions of empty rows clears nothing.
  uint64_t written() const { return written_; }
  void Clear() {
    for (uint64_t left = written_; left != 0; left &= left - 1) {
      cells_[static_cast<std::size_t>(std::countr_zero(left))].clear();
    }
    written_ = 0;
  }

 private:
  std::array<std::string, MaxImportColumns> cells_;
  uint64_t written_ = 0;
};

// Hands a sheet row, read `times` times in a row, to the target: the cells it
// wants as text converted to code page 949 (a character without a form there
// becomes '?'), the repeat count read from its cell as a CSV field's is. False
// once no further row is wanted.
bool TakeSheetRow(ImportTarget& target, const SheetRow& row, long times = 1);

}  // namespace q5300
