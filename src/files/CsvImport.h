#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/ImportColumns.h"
#include "files/ImportRules.h"

namespace q5300 {

// Reads an import file's text in pieces of any size: code page 949, one row per
// line. Keeps a bounded amount of each field its target asks for, however long
// it is, reads the repeat count from its column, passes over the fields no one
// asks for and the columns past MaxImportColumns, and hands every line to the
// target as a row.
//
// Fields are separated by commas, or by tabs when the first line with text has
// tabs and no commas (the tab-separated text spreadsheet programs write). A field
// that begins with a double quote runs to the matching quote and may hold the
// separator and line ends, "" standing for one quote; what follows the closing
// quote up to the separator belongs to the field too. A quote anywhere else is an
// ordinary character.
class CsvImporter {
 public:
  CsvImporter() : CsvImporter(ImportTarget()) {}
  explicit CsvImporter(ImportTarget target);

  // Takes the next bytes of the file. False once no further page can be taken:
  // the rest of the file is not wanted.
  bool Feed(std::string_view bytes);
  // The end of the file: a last line without a line feed is a line too.
  void Finish();
  const ImportedPages& result() const { return target_.result(); }
  ImportedPages TakeResult() { return target_.TakeResult(); }
  ImportTarget& target() { return target_; }

 private:
  // Until the separator is known (a comma outside quotes in the first line with
  // text, or that line's end), the bytes from its first tab on are held; the
  // bytes before that tab read the same with either separator.
  enum class Separator { Unknown, Comma, Tab };
  struct SeparatorScan {
    bool lineHasText = false;
    bool fieldStart = true;
    bool inQuotes = false;
    bool quoteSeen = false;  // in quotes: a quote that closes or doubles
    bool tabSeen = false;
    Separator Step(char c);
    // How many bytes from the start of `bytes` leave the scan as it is.
    std::size_t Unchanged(std::string_view bytes) const;
    Separator AtEnd() const { return tabSeen ? Separator::Tab : Separator::Comma; }
  };
  void Decide(Separator separator);
  bool Split(std::string_view bytes);

  void TakeUnquoted(char c);
  void Take(char c);
  void EndLine();
  // No further byte of the current field changes anything (a text field that
  // is already too long, a repeat count read to its end, anything after it).
  bool FieldIsSettled() const;

  ImportTarget target_;
  Separator separator_ = Separator::Unknown;
  int separatorChar_ = 0x100;  // ',' or '\t' once known; no byte before
  SeparatorScan scan_;
  std::string held_;  // bytes read while the separator is unknown, from the first tab

  std::array<ImportField, MaxImportColumns> cells_;
  uint64_t keep_ = 0;  // the fields of this line that are kept, one bit per column
  int repeatColumn_ = ImportLayout::None;
  int field_ = 0;           // the column; MaxImportColumns for any past the last one read
  int width_ = 0;           // the fields of this line up to the last with text
  bool fieldStart_ = true;  // nothing of the current field read yet
  enum class Quote { None, Inside, QuoteSeen };
  Quote quote_ = Quote::None;
  int line_ = 1;       // the line of the file being read, counted from 1
  int quoteLine_ = 0;  // the line where the open quoted field began
  // The repeat count as C's atoi reads it: blanks, one sign, digits.
  RepeatCountReader repeat_;
  bool carriageReturn_ = false;  // a 0x0D waiting to see whether a line feed follows
  bool done_ = false;
};

// The whole text in one piece, in code page 949.
ImportedPages ParseCsv(std::string_view bytes);

}  // namespace q5300
