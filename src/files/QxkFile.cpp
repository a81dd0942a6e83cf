#include "files/QxkFile.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>

namespace q5300 {
namespace {

// The header: the media settings, then the page count.
constexpr std::size_t PageCountAt = 16;

template <typename Settings, typename Field>
constexpr void EachSettingsField(Settings& s, Field&& field) {
  field(0, s.margin);
  field(4, s.density);
  field(5, s.cutMode);
  field(6, s.alignment);
  field(7, s.material);
  field(11, s.mediaSize);
  field(15, s.repeatMode);
}

// A page's text sits between the two fixed parts of its record: 61 bytes before
// it, the last of them the text length, and 9 after it.
constexpr std::size_t TextLengthAt = 60;
constexpr std::size_t TextAt = 61;
constexpr std::size_t TailSize = QxkRecordSize - TextAt;

// Every field before the text, at its offset, and every field after it, at its
// offset from the text's end: the one list both the writer and the reader follow.
template <typename Record, typename Field>
constexpr void EachHeadField(Record& r, Field&& field) {
  field(0, r.numUpper);
  field(1, r.reserved1);
  field(2, r.frame);
  field(3, r.reserved0);
  field(4, r.reserved2);
  field(5, r.twoLines);
  field(6, r.autoFont);
  field(7, r.fontSize);
  field(8, r.creationNo);
  field(9, r.halfWidth);
  field(10, r.wideCount);
  field(11, r.numLower);
  field(12, r.sizeCode);
  field(15, r.materialCode);
  field(19, r.numNumber);
  field(20, r.labelTotal);
  field(22, r.repeatCode);
  field(27, r.repeatCount);
  field(29, r.repeatText);
  field(34, r.reserved3);
  field(35, r.direction[1]);
  field(36, r.scriptCount);
  field(37, r.limitDots);
  field(39, r.lengthDots);
  field(41, r.autoLength);
  field(42, r.lengthCode);
  field(46, r.numEnd);
  field(50, r.numCount);
  field(52, r.numStart);
  field(56, r.numDigits);
  field(57, r.numFixed);
  field(58, r.numHex2);
  field(59, r.numHex1);
}
template <typename Record, typename Field>
constexpr void EachTailField(Record& r, Field&& field) {
  field(0, r.line1Width);
  field(2, r.line2Width);
  field(4, r.subCount);
  field(5, r.superCount);
  field(6, r.direction[0]);
  field(7, r.reserved4);
  field(8, r.hasNumbering);
}

// A field at a wrong offset would overlap another or leave a byte unwritten.
template <std::size_t Size, typename Fields>
constexpr bool EachByteOnce(Fields&& each, std::initializer_list<std::size_t> alsoUsed) {
  std::array<int, Size> uses{};
  each([&uses](std::size_t at, const auto& field) {
    for (std::size_t i = 0; i < sizeof field; ++i) ++uses[at + i];
  });
  for (const std::size_t at : alsoUsed) ++uses[at];
  return std::all_of(uses.begin(), uses.end(), [](int n) { return n == 1; });
}
static_assert(EachByteOnce<QxkHeaderSize>(
                  [](auto&& field) {
                    const JobSettings s;
                    EachSettingsField(s, field);
                  },
                  {PageCountAt, PageCountAt + 1, PageCountAt + 2, PageCountAt + 3}),
              "the settings and the page count must fill the header exactly");
static_assert(EachByteOnce<TextAt>(
                  [](auto&& field) {
                    const PageRecord r;
                    EachHeadField(r, field);
                  },
                  {TextLengthAt}),
              "the fields before the text must fill their 61 bytes exactly");
static_assert(EachByteOnce<TailSize>(
                  [](auto&& field) {
                    const PageRecord r;
                    EachTailField(r, field);
                  },
                  {}),
              "the fields after the text must fill their 9 bytes exactly");

void Put(uint8_t* at, uint8_t value) {
  *at = value;
}
void Put(uint8_t* at, char value) {
  *at = static_cast<uint8_t>(value);
}
void Put(uint8_t* at, uint16_t value) {
  at[0] = static_cast<uint8_t>(value & 0xFF);
  at[1] = static_cast<uint8_t>(value >> 8);
}
void Put(uint8_t* at, int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(bits >> (8 * i));
}
template <typename Byte, std::size_t N>
void Put(uint8_t* at, const std::array<Byte, N>& field) {
  for (const Byte c : field) *at++ = static_cast<uint8_t>(c);
}

void Get(const uint8_t* at, uint8_t& value) {
  value = *at;
}
void Get(const uint8_t* at, char& value) {
  value = static_cast<char>(*at);
}
void Get(const uint8_t* at, uint16_t& value) {
  value = GetLe16(at);
}
void Get(const uint8_t* at, int32_t& value) {
  value = static_cast<int32_t>(GetLe32(at));
}
template <typename Byte, std::size_t N>
void Get(const uint8_t* at, std::array<Byte, N>& field) {
  for (std::size_t i = 0; i < N; ++i) field[i] = static_cast<Byte>(at[i]);
}

void AppendRecord(std::vector<uint8_t>& out, const PageRecord& r) {
  const std::size_t n = std::min<std::size_t>(r.textLength, MaxTextBytes);
  const std::size_t start = out.size();
  out.resize(start + QxkRecordSize + n);
  uint8_t* const p = out.data() + start;
  EachHeadField(r, [p](std::size_t at, const auto& field) { Put(p + at, field); });
  p[TextLengthAt] = static_cast<uint8_t>(n);
  std::copy_n(r.text.begin(), n, p + TextAt);
  uint8_t* const tail = p + TextAt + n;
  EachTailField(r, [tail](std::size_t at, const auto& field) { Put(tail + at, field); });
}

// Fields the file does not carry (the check mark, the links) are those of a new
// page. A text length beyond the field is never read past the field.
PageRecord ReadRecord(const uint8_t* p) {
  PageRecord r;
  InitRecord(r, PageDefaults{}, JobSettings{});
  EachHeadField(r, [p](std::size_t at, auto& field) { Get(p + at, field); });
  const std::size_t n = std::min<std::size_t>(p[TextLengthAt], MaxTextBytes);
  r.textLength = static_cast<uint8_t>(n);
  r.text.fill(0);
  std::copy_n(p + TextAt, n, r.text.begin());
  const uint8_t* const tail = p + TextAt + n;
  EachTailField(r, [tail](std::size_t at, auto& field) { Get(tail + at, field); });
  return r;
}

template <typename Records>
std::vector<uint8_t> Write(const JobSettings& s, const Records& pages, int count) {
  std::vector<uint8_t> out;
  out.reserve(QxkHeaderSize + static_cast<std::size_t>(count) * (QxkRecordSize + MaxTextBytes));
  out.resize(QxkHeaderSize);
  uint8_t* const p = out.data();
  EachSettingsField(s, [p](std::size_t at, const auto& field) { Put(p + at, field); });
  Put(p + PageCountAt, static_cast<int32_t>(count));
  for (const PageRecord& r : pages) AppendRecord(out, r);
  return out;
}

constexpr char kHeaderCutShort[] = Q5300_TEXT(
    "q5300", "The file has %1 bytes, fewer than the 20 of a label file's header: it is cut short.");
constexpr char kNoPages[] =
    Q5300_TEXT("q5300", "The file counts %1 pages; a job has at least one.");
constexpr char kTooManyPages[] =
    Q5300_TEXT("q5300", "The file counts %1 pages; a job holds at most 200.");
constexpr char kEndsInsidePage[] =
    Q5300_TEXT("q5300", "The file counts %1 pages but ends inside page %2: it is cut short.");
constexpr char kTextTooLong[] =
    Q5300_TEXT("q5300", "Page %1 has a text of %2 bytes; a page holds at most 40.");
constexpr char kBytesFollow[] =
    Q5300_TEXT("q5300", "%1 bytes follow the last of the %2 pages the file counts.");
constexpr char kPageFault[] = Q5300_TEXT("q5300", "Page %1: %2.");

Message Malformed(Phrase reason) {
  return Message{std::move(reason)};
}

}  // namespace

std::vector<uint8_t> WriteQxk(const JobSettings& settings, std::span<const PageRecord> pages) {
  return Write(settings, pages, static_cast<int>(pages.size()));
}


Result<LabelFileData> ReadQxk(std::span<const uint8_t> bytes, const JobSettings& current) {
  const std::size_t size = bytes.size();
  if (size < static_cast<std::size_t>(QxkHeaderSize)) {
    return Malformed(Phrase(kHeaderCutShort, size));
  }
  const uint8_t* const p = bytes.data();
  int32_t count = 0;
  Get(p + PageCountAt, count);
  if (count <= 0) {
    return Malformed(Phrase(kNoPages, count));
  }
  if (count > MaxPages) {
    return Malformed(Phrase(kTooManyPages, count));
  }

  // Every record must be whole before any is taken.
  std::size_t at = QxkHeaderSize;
  for (int page = 1; page <= count; ++page) {
    if (size - at < static_cast<std::size_t>(QxkRecordSize)) {
      return Malformed(Phrase(kEndsInsidePage, count, page));
    }
    const std::size_t n = p[at + TextLengthAt];
    if (n > static_cast<std::size_t>(MaxTextBytes)) {
      return Malformed(Phrase(kTextTooLong, page, n));
    }
    if (size - at < QxkRecordSize + n) {
      return Malformed(Phrase(kEndsInsidePage, count, page));
    }
    at += QxkRecordSize + n;
  }
  if (at != size) {
    return Malformed(Phrase(kBytesFollow, size - at, count));
  }

  LabelFileData data;
  JobSettings& s = data.settings;
  s = current;
  EachSettingsField(s, [p](std::size_t offset, auto& field) { Get(p + offset, field); });
  if (auto fault = SettingsFault(s)) return Malformed(Phrase("%1.", *fault));
  SetMediaCodes(s);

  data.pages.reserve(static_cast<std::size_t>(count));
  at = QxkHeaderSize;
  for (int page = 1; page <= count; ++page) {
    data.pages.push_back(ReadRecord(p + at));
    if (auto fault = PageFault(data.pages.back())) {
      return Malformed(Phrase(kPageFault, page, *fault));
    }
    at += QxkRecordSize + data.pages.back().textLength;
  }
  return data;
}

}  // namespace q5300
