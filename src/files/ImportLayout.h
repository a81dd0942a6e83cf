#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/Result.h"

namespace q5300 {

// Columns past this are not read.
inline constexpr int MaxImportColumns = 64;

// The character between the fields of a text file: the one found in its first
// lines, or the one the operator names.
enum class ImportSeparator : uint8_t { Detect, Comma, Semicolon, Tab };

// Which columns of an import file make a page. The default is the import as it
// has always been: columns 1, 2 and 3 are line 1, line 2 and the repeat count,
// and every row with text is a page.
struct ImportLayout {
  static constexpr int None = -1;
  int line1Column = 0;            // counted from 0
  int line2Column = 1;            // None: line 2 stays empty
  int repeatColumn = 2;           // None: every page gets fixedRepeatCount
  uint16_t fixedRepeatCount = 1;  // 1..200
  bool header = false;            // the first row with text names the columns and makes no page
  // A column: each row makes two pages, one per wire end: (line 1, line 2) and
  // then (line 1, this column). Both count toward the 200 pages, and each gets
  // the row's repeat count.
  int otherEndColumn = None;
  ImportSeparator separator = ImportSeparator::Detect;  // of a text file

  friend bool operator==(const ImportLayout&, const ImportLayout&) = default;
};

// Refuses, with the reason, a layout that names a column outside
// 0..MaxImportColumns-1 (or None where no column is wanted: line 2, the repeat
// count, the other wire end), a fixed repeat count outside 1..200, or a page
// per wire end without line 2 or with the other end in line 2's column.
Status CheckImportLayout(const ImportLayout& layout);

// The first rows of an import file as text, to choose a layout from.
struct ImportPreview {
  // The first rows with text (at most the number asked), each with `columns`
  // cells as the import reads them: the text a page would get, a cell too long
  // for a page cut one byte past what a page holds.
  std::vector<std::vector<std::u16string>> rows;
  // The most cells any row of the file has, counted up to its last cell with
  // text (at most MaxImportColumns), of the rows an import with the default
  // layout reads: the file is read no further than its 200th page.
  int columns = 0;
  // The file imports with the default layout without a question: no row has a
  // fourth cell with text, and the first row with text does not look like a
  // header, that is, its third cell is empty or reads as a number, as a
  // repeat count is read (blanks, a sign, digits: "3", " 12", "-1", "2x"); a
  // header names that column "Count" or "수량".
  bool plain = true;
  // The separator a text file was read with; Detect for a spreadsheet.
  ImportSeparator separator = ImportSeparator::Detect;
};

}  // namespace q5300
