#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

#include "data/Result.h"
#include "files/ImportRules.h"

namespace q5300 {

// The largest import file taken: far more than any file of 200 pages, and
// read in a moment. A larger file is refused before anything is read.
inline constexpr uint64_t MaxImportFileSize = 16 * 1024 * 1024;

// An import file, whatever it is: a spreadsheet (.xlsx or .ods, told by its zip
// container) or text in any encoding the import knows. `path` is only looked
// at to refuse a name that promises a spreadsheet the bytes are not.
Result<ImportedPages> ReadImport(std::span<const uint8_t> bytes, const std::string& path);

// Reads an open import file whole and then as ReadImport does. Fails when the
// file is larger than MaxImportFileSize (before anything is read when its size
// is known; once more than that was read when it is not, as with a pipe) or
// cannot be read; `path` names it in the message.
Result<ImportedPages> ReadImportFile(std::FILE* file, const std::string& path);

}  // namespace q5300
