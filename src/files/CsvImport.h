#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "data/Result.h"
#include "files/ImportRules.h"

namespace q5300 {

// Reads an import file in pieces of any size: code page 949 text, one page per
// line, the fields first line, second line and repeat count separated by commas,
// no quoting. Keeps a bounded amount of each line, however long it is, and hands
// every line to the import rules as a row.
class CsvImporter {
 public:
  // Takes the next bytes of the file. False once no further page can be taken:
  // the rest of the file is not wanted.
  bool Feed(std::string_view bytes);
  // The end of the file: a last line without a line feed is a line too.
  void Finish();
  const CsvImport& result() const { return rules_.result(); }
  CsvImport TakeResult() { return rules_.TakeResult(); }

 private:
  void Take(char c);
  void EndLine();
  // No further byte of the current field changes anything (a text field that
  // is already too long, a repeat count read to its end, anything after it).
  bool FieldIsSettled() const;

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

  ImportRules rules_;
  TextField line1_;
  TextField line2_;
  int field_ = 0;  // 0, 1, 2 the three fields, 3 anything after a third comma
  // The repeat count as C's atoi reads it: blanks, one sign, digits.
  enum class RepeatPhase { Blanks, Digits, Done };
  RepeatPhase repeatPhase_ = RepeatPhase::Blanks;
  bool repeatNegative_ = false;
  long repeatValue_ = 0;
  bool carriageReturn_ = false;  // a 0x0D waiting to see whether a line feed follows
  bool done_ = false;
};

// The whole file in one piece.
CsvImport ParseCsv(std::string_view bytes);

// The largest import file taken: far more than any file of 200 pages, and
// read in a moment. A larger file is refused before anything is read.
inline constexpr uint64_t MaxImportFileSize = 16 * 1024 * 1024;

// Reads an open import file in pieces, stopping once no further page can be
// taken. Fails when the file is larger than MaxImportFileSize or cannot be read
// (the reason in the message); `path` names it there.
Result<CsvImport> ReadCsvFile(std::FILE* file, const std::string& path);

}  // namespace q5300
