#pragma once

#include <string_view>

#include "files/ImportColumns.h"
#include "files/ImportRules.h"
#include "files/TextEncoding.h"

namespace q5300 {

// A whole import file of text: its encoding detected, converted to code page 949
// (a character without a form there becomes '?') and read as CsvImporter reads
// it, only as far as pages can still be taken.
ImportedPages ReadImportText(std::string_view bytes);
// The same for any target: the pages of a layout or a preview.
void ReadImportText(std::string_view bytes, ImportTarget& target);

}  // namespace q5300
