#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/JobSettings.h"

namespace q5300 {

// One page of an import file: its two lines as the grid shows them and its
// repeat count, 1..200.
struct ImportedPage {
  std::u16string line1;
  std::u16string line2;
  uint16_t repeatCount = 1;

  friend bool operator==(const ImportedPage&, const ImportedPage&) = default;
};

// What an import takes from a file.
struct ImportedPages {
  std::vector<ImportedPage> pages;  // at most 200, in file order
  int overLongLines = 0;            // lines whose page text would pass 40 bytes
  bool pageLimitReached = false;    // the 200th page is in; nothing after it was read
  // The line (counted from 1) of a quoted field that the file ends in: the rest
  // of the file was read as that one field. 0 when every quote was closed.
  int unclosedQuoteLine = 0;
  // Cells of a spreadsheet with a formula saved without its result: read as
  // empty, since only the program that saved them can work the result out.
  int formulasWithoutResult = 0;
  // Pages whose repeat count in the file was above 200, and that are repeated 200 times.
  int repeatCountsCut = 0;

  friend bool operator==(const ImportedPages&, const ImportedPages&) = default;
};

// Kept code page 949 bytes as the grid shows them: a byte sequence that is no
// character of the code page is the '?' a save makes of it.
std::u16string ImportedText(std::string_view bytes);

// A text field of an import file in code page 949, as far as a page can hold
// it and one byte more to tell a field that is too long. A control byte (below
// 0x20: the printer's markers, placeholders and line separator among them)
// becomes '?', so that what is imported reads the same once saved and opened
// again.
class ImportField {
 public:
  static constexpr std::size_t Kept = MaxTextBytes + 1;
  void Add(char c) {
    if (length_ < Kept) bytes_[length_++] = static_cast<unsigned char>(c) < 0x20 ? '?' : c;
  }
  void Clear() { length_ = 0; }
  std::size_t length() const { return length_; }
  std::string_view view() const { return {bytes_, length_}; }

 private:
  char bytes_[Kept];
  std::size_t length_ = 0;
};

// One row of an import file as a reader gives it: the first and the second text
// line, and the repeat count as read.
struct ImportRow {
  const ImportField& line1;
  const ImportField& line2;
  long repeatCount = 1;  // before it is limited to 1..200; 1 when the field is absent
};

// The rules of a job for imported rows, whatever file they come from: a row
// without text is passed over, a row whose page text would pass 40 bytes is
// counted and left out, the repeat count is limited to 1..200, and the 200th
// page ends the import. A byte sequence that is no character of the code page
// becomes '?', as a control byte did in the field.
class ImportRules {
 public:
  // False once no further page can be taken.
  bool Take(const ImportRow& row);
  // The same row `times` times over (a sheet's repeated row), in a moment
  // however large `times` is.
  bool Take(const ImportRow& row, long times);
  void QuoteNotClosed(int line) { result_.unclosedQuoteLine = line; }
  void FormulaWithoutResult() { ++result_.formulasWithoutResult; }
  bool full() const { return result_.pageLimitReached; }
  const ImportedPages& result() const { return result_; }
  ImportedPages TakeResult() { return std::move(result_); }

 private:
  ImportedPages result_;
};

// A repeat count written as text, read a byte at a time as C's atoi reads it:
// leading blanks, one sign, the digits up to the first other character; no
// digits give 0. Not limited yet.
class RepeatCountReader {
 public:
  void Add(char c);
  long value() const { return negative_ ? -value_ : value_; }
  // No further byte changes the value.
  bool done() const { return phase_ == Phase::Done; }

 private:
  enum class Phase { Blanks, Digits, Done };
  Phase phase_ = Phase::Blanks;
  bool negative_ = false;
  long value_ = 0;
};

// The same for a whole text.
long RepeatCountOf(std::string_view text);

}  // namespace q5300
