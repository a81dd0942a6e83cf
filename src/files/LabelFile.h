#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/JobSettings.h"
#include "data/PageRecord.h"
#include "data/Phrase.h"
#include "data/Result.h"

namespace q5300 {

// What a label file holds: the job settings it sets and its pages, in file
// order. The records are free-standing (links null) and every page is checked.
struct LabelFileData {
  JobSettings settings;
  std::vector<PageRecord> pages;
};

enum class LabelFileKind { Qxk, Qxu };

// A path whose last character is 'u' or 'U' is a print image (qxu); any other
// path is a full job dump (qxk).
LabelFileKind KindOfPath(std::string_view path);

// The path a job is saved under. Only the file name is lower-cased, never the
// folders above it; when the lower-cased name does not end in `extension`
// (".qxk", ".qxu"), `appended` is added (".qxk", ".QXU").
std::string SavePathFor(std::string_view chosen, std::string_view extension,
                        std::string_view appended);

// Settings read from a file, checked against what the media bar can show. The
// reason, or nothing when every value is one of the boxes' items.
std::optional<Phrase> SettingsFault(const JobSettings& settings);

// Why a page read from a file is not one this program makes, or nothing: a flag
// that is neither 0 nor 1, a font size, frame, direction, repeat count, set
// length, length code, creation number or numbering value outside what the page
// panel, the numbering dialog and the import give, or a control byte in the text
// that is none of the printer's. Fields computed again from the text before any
// use (counts, widths, limits) and the spare bytes are taken as they are; so are
// the medium codes, which only choose the medium when they name one.
std::optional<Phrase> PageFault(const PageRecord& record);

// The material and size codes of the media table for the settings' material and
// size, as the material and size boxes would set them.
void SetMediaCodes(JobSettings& settings);

// The two grid lines of a page text: decoded from code page 949, the control
// bytes turned back into their marker characters, split at the first 0x1A.
struct GridLines {
  std::u16string line1;
  std::u16string line2;
};
GridLines GridLinesOf(const PageRecord& record);

// Size of the print image of these records, as the job limit measures it,
// without touching them.
int ImageSizeOf(std::span<const PageRecord* const> records);

// Little- and big-endian fields of the two file layouts.
inline uint16_t GetLe16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | p[1] << 8);
}
inline uint32_t GetLe32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}
inline uint16_t GetBe16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] << 8 | p[1]);
}
inline void PutLe16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v & 0xFF));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
inline void PutLe32(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

}  // namespace q5300
