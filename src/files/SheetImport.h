#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "data/Result.h"
#include "files/ImportColumns.h"
#include "files/ImportRules.h"

namespace q5300 {

// The bytes start like a zip container (the form of .xlsx and .ods files).
bool IsZipContainer(std::span<const uint8_t> bytes);

// A spreadsheet file, .xlsx (Office Open XML) or .ods (OpenDocument), told apart
// by what its zip container holds. Its first sheet is read as an import file:
// each row a line, its columns (A the first) the fields, of which those the
// target wants are read, each cell's text as the sheet shows it: a number, date
// or time in the cell's number format ("007" for 7 in "000"), in the general
// format when it has none or one this reader cannot show; a formula saved
// without its result reads as empty and is counted. Refused, with the reason,
// when it is neither, is damaged, or would unpack to more than a spreadsheet
// does.
Status ReadSheetFile(std::span<const uint8_t> bytes, ImportTarget& target);
// The pages of `layout`.
Result<ImportedPages> ReadSheetFile(std::span<const uint8_t> bytes,
                                    const ImportLayout& layout = {});

// The readers without the container: the first sheet's part of an .xlsx file
// and its shared strings (empty for none; no styles part), and the content.xml
// of an .ods file (its own automatic styles only).
Result<ImportedPages> ReadXlsxSheet(std::string_view sheetXml, std::string_view sharedStringsXml,
                                    const ImportLayout& layout = {});
Result<ImportedPages> ReadOdsContent(std::string_view contentXml, const ImportLayout& layout = {});

}  // namespace q5300
