#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "files/ImportRules.h"

namespace q5300 {

// The encodings a job is exported in: UTF-8 with a byte order mark, which
// spreadsheet programs take for UTF-8, or code page 949 as the import has
// always read it.
enum class CsvEncoding { Utf8, CodePage949 };

// "utf-8" or "cp949" (any case; "utf8", "949" and "windows-949" too).
std::optional<CsvEncoding> CsvEncodingNamed(std::string_view name);

// Pages as an import file: one line per page, its first line, second line and
// repeat count separated by commas, lines ending in CR LF. A text that holds a
// comma, a quote or a line end, or begins with a quote, is written in quotes
// with its quotes doubled, so that the import reads every page as it was. A
// character without a code page 949 form is written as '?' in that encoding.
std::string CsvExportText(std::span<const ImportedPage> pages, CsvEncoding encoding);

// A page of a job as the export takes it.
struct CsvPage {
  std::u16string line1;
  std::u16string line2;
  uint16_t repeatCount = 1;
  // Its numbering, when it has one: the kind of placeholder, and the first and
  // the last number as the page prints them ("1" and "30", "A" and "Z").
  enum class Numbering { None, Number, FixedDigits, UpperLetter, LowerLetter };
  Numbering numbering = Numbering::None;
  std::string numberingStart;
  std::string numberingEnd;
};

// One line per page, as above. A numbered page goes out as one line with its
// placeholder: a CSV file holds no numbering, and reads back as one label per
// page, each of the placeholder's first value.
std::string CsvExportText(std::span<const CsvPage> pages, CsvEncoding encoding);
// How many of the pages are numbered: their numbering is lost in a CSV file.
int NumberedPagesNotCarried(std::span<const CsvPage> pages);

}  // namespace q5300
