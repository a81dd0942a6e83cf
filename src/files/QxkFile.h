#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "data/JobSettings.h"
#include "data/PageRecord.h"
#include "data/Result.h"
#include "data/PageRecord.h"
#include "files/LabelFile.h"

namespace q5300 {

// The full job dump: a 20-byte header with the media settings and the page
// count, then every page as 70 bytes around its text. Little-endian integers.
inline constexpr int QxkHeaderSize = 20;
inline constexpr int QxkRecordSize = 70;  // followed by the text
// 200 pages of 40 text bytes; nothing larger was ever a qxk file.
inline constexpr int MaxQxkFileSize = QxkHeaderSize + MaxPages * (QxkRecordSize + MaxTextBytes);

// Every record, checked or not, with text or without; the page count is the
// number of records. `copies` is not stored.
std::vector<uint8_t> WriteQxk(const JobSettings& settings, std::span<const PageRecord> pages);

// Reads a whole qxk file. The settings start from `current` (the file does not
// carry the number of copies) and take the media codes of the file's material
// and size. Refused, with the reason, unless every byte of the file belongs to
// its header or to one of 1..200 complete pages with at most 40 text bytes, and
// every setting is one the media bar can show.
Result<LabelFileData> ReadQxk(std::span<const uint8_t> bytes, const JobSettings& current);

}  // namespace q5300
