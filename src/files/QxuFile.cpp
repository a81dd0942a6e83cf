#include "files/QxuFile.h"

#include <algorithm>
#include <string>

#include "compile/PrintPacket.h"

namespace q5300 {
namespace {

// Fields the image does not carry are those of a new page. `bytes` holds the
// record and its text.
PageRecord ReadRecord(std::span<const uint8_t> bytes) {
  PageRecord r;
  InitRecord(r, PageDefaults{}, JobSettings{});
  ReadPacketRecord(bytes, RecordLayout::LabelFile, r);
  const bool numbered = r.numNumber != 0 || r.numFixed != 0 || r.numLower != 0 || r.numUpper != 0;
  r.hasNumbering = numbered ? 1 : 0;
  return r;
}

// The medium a page's codes name: the material and the size index, or nothing
// when the pair is not in the media table.
struct Medium {
  int32_t material;
  int32_t mediaSize;
};
std::optional<Medium> MediumOf(const PageRecord& r) {
  const char size = r.sizeCode[0];
  switch (r.materialCode[0]) {
    case 'L':
      if (size == '6') return Medium{Label, 0};
      if (size == '9') return Medium{Label, 1};
      if (size == '1') return Medium{Label, 2};
      return std::nullopt;
    case 'T':
    case 'S':
      if (size < '3' || size > '6') return std::nullopt;
      return Medium{r.materialCode[0] == 'T' ? Tube : HeatShrinkTube, size - '3'};
    default:
      return std::nullopt;
  }
}

constexpr char kImageTooLarge[] =
    Q5300_TEXT("q5300", "The print image would pass %1 bytes, more than the printer takes.");
constexpr char kImageCutShort[] = Q5300_TEXT(
    "q5300", "The file has %1 bytes, fewer than the 11 of the smallest print image: it is cut "
    "short.");
constexpr char kNoImageStart[] =
    Q5300_TEXT("q5300", "The file does not start like a print image (0x02, 'A').");
constexpr char kLengthCutShort[] =
    Q5300_TEXT("q5300", "The length bytes give %1 bytes but the file has %2: it is cut short.");
constexpr char kLengthDiffers[] =
    Q5300_TEXT("q5300", "The length bytes give %1 bytes but the file has %2.");
constexpr char kTooManyPages[] =
    Q5300_TEXT("q5300", "The file holds more than 200 pages; a job holds at most 200.");
constexpr char kPageDoesNotFit[] =
    Q5300_TEXT("q5300", "Page %1 does not fit within the length the length bytes give.");
constexpr char kTextTooLong[] =
    Q5300_TEXT("q5300", "Page %1 has a text of %2 bytes; a page holds at most 40.");
constexpr char kNoEndByte[] =
    Q5300_TEXT("q5300", "The file does not end with the print image's end byte 'E'.");
constexpr char kPageFault[] = Q5300_TEXT("q5300", "Page %1: %2.");

// Files of an earlier printer generation carry densities 10..16 as 17..23.
constexpr uint8_t kLastShiftedDensity = 23;
constexpr uint8_t kDensityShift = 7;

template <typename Records>
Result<std::vector<uint8_t>> Write(const JobSettings& settings, const Records& pages) {
  std::vector<uint8_t> out;
  AppendPacketHeader(out, settings);
  for (const PageRecord& page : pages) {
    if (!page.IsPrintable()) continue;
    PageRecord stamped = page;
    StampQxuRecord(stamped);
    AppendPacketRecord(out, stamped, RecordLayout::LabelFile);
    if (out.size() + 1 > static_cast<std::size_t>(MaxImageSize)) {
      return Message{Phrase(kImageTooLarge, MaxImageSize)};
    }
  }
  FinishPacket(out);
  return out;
}

Message Malformed(Phrase reason) {
  return Message{std::move(reason)};
}

}  // namespace

void StampQxuRecord(PageRecord& r) {
  const std::size_t n = std::min<std::size_t>(r.textLength, MaxTextBytes);
  r.reserved1 = 0;
  r.reserved2 = 0;
  r.reserved3 = static_cast<uint8_t>(n);
  const auto wide = std::count_if(r.text.begin(), r.text.begin() + static_cast<std::ptrdiff_t>(n),
                                  [](uint8_t b) { return b >= 0xA0 && b <= 0xFE; });
  r.wideCount = static_cast<uint8_t>(wide / 2);
}

Result<std::vector<uint8_t>> WriteQxu(const JobSettings& settings,
                                      std::span<const PageRecord> pages) {
  return Write(settings, pages);
}


Result<LabelFileData> ReadQxu(std::span<const uint8_t> bytes, const JobSettings& current) {
  const std::size_t size = bytes.size();
  if (size < static_cast<std::size_t>(QxuHeaderSize + 1)) {
    return Malformed(Phrase(kImageCutShort, size));
  }
  const uint8_t* const p = bytes.data();
  if (p[0] != 0x02 || p[1] != 'A') {
    return Malformed(kNoImageStart);
  }
  const std::size_t length = GetBe16(p + 2);
  if (length != size) {
    return Malformed(Phrase(length > size ? kLengthCutShort : kLengthDiffers, length, size));
  }

  // The records must fill the image exactly up to its end byte.
  const std::size_t end = size - 1;
  std::size_t at = QxuHeaderSize;
  int count = 0;
  while (at < end) {
    ++count;
    if (count > MaxPages) {
      return Malformed(kTooManyPages);
    }
    if (end - at < static_cast<std::size_t>(QxuRecordSize)) {
      return Malformed(Phrase(kPageDoesNotFit, count));
    }
    const std::size_t n = p[at + RecordTextLengthAt];
    if (n > static_cast<std::size_t>(MaxTextBytes)) {
      return Malformed(Phrase(kTextTooLong, count, n));
    }
    if (end - at < QxuRecordSize + n) {
      return Malformed(Phrase(kPageDoesNotFit, count));
    }
    at += QxuRecordSize + n;
  }
  if (p[end] != PacketEnd) {
    return Malformed(kNoEndByte);
  }

  LabelFileData data;
  JobSettings& s = data.settings;
  s = current;
  s.copies = p[4];
  s.cutMode = static_cast<char>(p[5]);
  s.density = p[6];
  if (s.density > 16 && s.density <= kLastShiftedDensity) {
    s.density = static_cast<uint8_t>(s.density - kDensityShift);
  }
  s.margin = p[7];
  s.alignment = p[8];
  s.repeatMode = p[9];

  data.pages.reserve(static_cast<std::size_t>(count));
  for (at = QxuHeaderSize; at < end; at += QxuRecordSize + data.pages.back().textLength) {
    data.pages.push_back(ReadRecord(bytes.subspan(at, QxuRecordSize + p[at + RecordTextLengthAt])));
    if (auto fault = PageFault(data.pages.back())) {
      return Malformed(Phrase(kPageFault, data.pages.size(), *fault));
    }
    if (const auto medium = MediumOf(data.pages.back())) {
      s.material = medium->material;
      s.mediaSize = medium->mediaSize;
    }
  }
  if (auto fault = SettingsFault(s)) return Malformed(Phrase("%1.", *fault));
  SetMediaCodes(s);
  return data;
}

}  // namespace q5300
