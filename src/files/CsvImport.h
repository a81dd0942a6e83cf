#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/Result.h"

namespace q5300 {

// One page of an import file: its two lines as the grid shows them and its
// repeat count, 1..200.
struct CsvPage {
  std::u16string line1;
  std::u16string line2;
  uint16_t repeatCount = 1;

  friend bool operator==(const CsvPage&, const CsvPage&) = default;
};

struct CsvImport {
  std::vector<CsvPage> pages;     // at most 200, in file order
  int overLongLines = 0;          // lines whose page text would pass 40 bytes
  bool pageLimitReached = false;  // the 200th page is in; nothing after it was read

  friend bool operator==(const CsvImport&, const CsvImport&) = default;
};

// Reads an import file in pieces of any size: code page 949 text, one page per
// line, the fields first line, second line and repeat count separated by commas,
// no quoting. Keeps a bounded amount of each line, however long it is.
class CsvImporter {
 public:
  // Takes the next bytes of the file. False once 200 pages are in: the rest of
  // the file is not wanted.
  bool Feed(std::string_view bytes);
  // The end of the file: a last line without a line feed is a line too.
  void Finish();
  const CsvImport& result() const { return result_; }
  CsvImport TakeResult() { return std::move(result_); }

 private:
  void Take(char c);
  void EndLine();

  // Of each text field only as much is kept as a page can hold, and one byte
  // more to tell a field that is too long.
  static constexpr std::size_t kKept = 41;
  struct TextField {
    char bytes[kKept];
    std::size_t length = 0;  // counts every byte, kept or not, up to kKept
    void Add(char c) {
      if (length < kKept) bytes[length++] = c;
    }
    std::string_view view() const { return {bytes, length}; }
  };

  CsvImport result_;
  TextField line1_;
  TextField line2_;
  int field_ = 0;  // 0, 1, 2 the three fields, 3 anything after a third comma
  // The repeat count as C's atoi reads it: blanks, one sign, digits.
  enum class RepeatPhase { Blanks, Digits, Done };
  RepeatPhase repeatPhase_ = RepeatPhase::Blanks;
  bool repeatNegative_ = false;
  long repeatValue_ = 0;
  bool carriageReturn_ = false;  // a 0x0D waiting to see whether a line feed follows
  bool lineStarted_ = false;     // bytes since the last line feed
  bool done_ = false;
};

// The whole file in one piece.
CsvImport ParseCsv(std::string_view bytes);

// Reads an open import file in pieces, stopping at the 200th page. Fails when
// the file cannot be read (the reason in the message); `path` names it there.
Result<CsvImport> ReadCsvFile(std::FILE* file, const std::string& path);

}  // namespace q5300
