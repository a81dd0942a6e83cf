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
// Fields are separated by the separator the target names, or else by the one of
// comma, semicolon and tab that splits the first lines with text into the same
// number of fields, the most such; without one, by the one that splits the most
// of them, and by commas when none does. A field that begins
// with a double quote runs to the matching quote and may hold the separator and
// line ends, "" standing for one quote; what follows the closing quote up to the
// separator belongs to the field too. A quote anywhere else is an ordinary
// character.
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
  // Until the separator is known, the first lines are held and split by each
  // candidate as the fields would be.
  struct SeparatorScan {
    struct Candidate {
      char separator;
      bool fieldStart = true;
      bool inQuotes = false;
      bool quoteSeen = false;  // in quotes: a quote that closes or doubles
      bool lineHasText = false;
      int fields = 1;  // of the line being read
      int lines = 0;   // with text, read so far
      int firstFields = 0;
      bool alike = true;  // every line has as many fields as the first
      int splitLines = 0;
      void Step(char c);
      void EndLine();
    };
    Candidate candidates[3] = {{','}, {';'}, {'\t'}};
    void Step(char c);
    // The first lines are read, by every candidate.
    bool Enough() const;
    ImportSeparator Decide();
  };
  void Decide(ImportSeparator separator);
  bool Split(std::string_view bytes);

  void TakeUnquoted(char c);
  void Take(char c);
  void EndLine();
  // No further byte of the current field changes anything (a text field that
  // is already too long, a repeat count read to its end, anything after it).
  bool FieldIsSettled() const;

  ImportTarget target_;
  bool separatorKnown_ = false;
  int separatorChar_ = 0x100;  // the separator once known; no byte before
  SeparatorScan scan_;
  std::string held_;  // bytes read while the separator is unknown

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
