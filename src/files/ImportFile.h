#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "data/Result.h"
#include "files/ImportLayout.h"
#include "files/ImportRules.h"

namespace q5300 {

// The largest import file taken: far more than any file of 200 pages, and
// read in a moment. A larger file is refused before anything is read.
inline constexpr uint64_t MaxImportFileSize = 16 * 1024 * 1024;

// An import file, whatever it is: a spreadsheet (.xlsx or .ods, told by its zip
// container) or text in any encoding the import knows. `path` is only looked
// at to refuse a name that promises a spreadsheet the bytes are not. The pages
// are made as `layout` says; a layout CheckImportLayout refuses is refused.
Result<ImportedPages> ReadImport(std::span<const uint8_t> bytes, const std::string& path,
                                 const ImportLayout& layout = {});

// The first `rows` rows of an import file, read as ReadImport reads them, and
// whether the file imports with the default layout without a question. The
// file is read for that as far as an import with the default layout reads it
// (to its 200th page, or its end), in the same bounded way. A text file's
// fields are split by `separator`, or by the one found in its first lines.
Result<ImportPreview> PreviewImport(std::span<const uint8_t> bytes, const std::string& path,
                                    int rows = 20,
                                    ImportSeparator separator = ImportSeparator::Detect);

// Reads an open import file whole. Fails when the file is larger than
// MaxImportFileSize (before anything is read when its size is known; once more
// than that was read when it is not, as with a pipe) or cannot be read; `path`
// names it in the message.
Result<std::vector<uint8_t>> ReadImportBytes(std::FILE* file, const std::string& path);

}  // namespace q5300
