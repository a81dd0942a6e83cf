#pragma once

#include "data/Result.h"
#include "files/ImportColumns.h"
#include "files/ImportRules.h"
#include "files/XmlReader.h"
#include "files/ZipArchive.h"

// The two spreadsheet readers behind ReadSheetFile.
namespace q5300 {

// An entry of the container as a source of XML, refused past MaxSheetPartBytes.
Result<XmlReader::Source> SheetPart(ZipArchive& archive, int64_t index);

Status ReadXlsx(ZipArchive& archive, ImportTarget& target);
Status ReadOds(ZipArchive& archive, ImportTarget& target);

}  // namespace q5300
