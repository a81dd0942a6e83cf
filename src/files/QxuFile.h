#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "compile/RecordLayout.h"
#include "data/JobSettings.h"
#include "data/PageRecord.h"
#include "data/Result.h"
#include "data/PageRecord.h"
#include "files/LabelFile.h"

namespace q5300 {

// The print image as a file: the printer's ten header bytes, the record of every
// checked page with text, and the end byte 'E'. Big-endian integers.
inline constexpr int QxuHeaderSize = 10;
inline constexpr int QxuRecordSize = PacketRecordSize;  // followed by the text

// What a page carries in the image: spare bytes 0, 0 and the text length, and
// the double-byte count the printer expects (text bytes 0xA0..0xFE, halved).
// The file carries them; the job's own records stay as they are.
void StampQxuRecord(PageRecord& record);

// The image of the checked pages with text, each stamped as above. Refused when
// it would pass the printer's image limit.
Result<std::vector<uint8_t>> WriteQxu(const JobSettings& settings,
                                      std::span<const PageRecord> pages);

// Reads a whole qxu file. The settings start from `current`; the image sets the
// copies, cutting, density (17..23 stand for 10..16), spacing, alignment and
// repeat mode, and the last page whose codes name a medium of the media table
// sets the material and size (with their codes). numHex2 and numHex1 are not in
// the image; hasNumbering follows the four kinds it does carry. Refused, with
// the reason, unless the file starts with 0x02 'A', its length bytes give its
// size, its records fill it up to the end byte 'E', no text passes 40 bytes, it
// holds at most 200 pages and every setting is one the media bar can show.
Result<LabelFileData> ReadQxu(std::span<const uint8_t> bytes, const JobSettings& current);

}  // namespace q5300
