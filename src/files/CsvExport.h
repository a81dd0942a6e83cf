#pragma once

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

}  // namespace q5300
