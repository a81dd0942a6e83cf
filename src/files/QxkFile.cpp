#include "files/QxkFile.h"

#include <algorithm>
#include <string>

namespace q5300 {
namespace {

template <typename Field>
void PutField(std::vector<uint8_t>& out, const Field& field) {
  for (const auto c : field) out.push_back(static_cast<uint8_t>(c));
}

template <typename Byte, std::size_t N>
void GetField(std::array<Byte, N>& field, const uint8_t* at) {
  for (std::size_t i = 0; i < N; ++i) field[i] = static_cast<Byte>(at[i]);
}

void AppendRecord(std::vector<uint8_t>& out, const PageRecord& r) {
  const std::size_t n = std::min<std::size_t>(r.textLength, MaxTextBytes);
  out.push_back(r.numUpper);                            // 0
  out.push_back(r.reserved1);                           // 1
  out.push_back(static_cast<uint8_t>(r.frame));         // 2
  out.push_back(r.reserved0);                           // 3
  out.push_back(r.reserved2);                           // 4
  out.push_back(r.twoLines);                            // 5
  out.push_back(r.autoFont);                            // 6
  out.push_back(r.fontSize);                            // 7
  out.push_back(r.creationNo);                          // 8
  out.push_back(r.halfWidth);                           // 9
  out.push_back(r.wideCount);                           // 10
  out.push_back(r.numLower);                            // 11
  PutField(out, r.sizeCode);                            // 12..14
  PutField(out, r.materialCode);                        // 15..18
  out.push_back(r.numNumber);                           // 19
  PutLe16(out, r.labelTotal);                           // 20..21
  PutField(out, r.repeatCode);                          // 22..26
  PutLe16(out, r.repeatCount);                          // 27..28
  PutField(out, r.repeatText);                          // 29..33
  out.push_back(r.reserved3);                           // 34
  out.push_back(static_cast<uint8_t>(r.direction[1]));  // 35
  out.push_back(r.scriptCount);                         // 36
  PutLe16(out, r.limitDots);                            // 37..38
  PutLe16(out, r.lengthDots);                           // 39..40
  out.push_back(r.autoLength);                          // 41
  PutField(out, r.lengthCode);                          // 42..45
  PutField(out, r.numEnd);                              // 46..49
  PutLe16(out, r.numCount);                             // 50..51
  PutField(out, r.numStart);                            // 52..55
  out.push_back(r.numDigits);                           // 56
  out.push_back(r.numFixed);                            // 57
  out.push_back(r.numHex2);                             // 58
  out.push_back(r.numHex1);                             // 59
  out.push_back(static_cast<uint8_t>(n));               // 60
  out.insert(out.end(), r.text.begin(), r.text.begin() + static_cast<std::ptrdiff_t>(n));
  PutLe16(out, r.line1Width);                           // 61 + n
  PutLe16(out, r.line2Width);                           // 63 + n
  out.push_back(r.subCount);                            // 65 + n
  out.push_back(r.superCount);                          // 66 + n
  out.push_back(static_cast<uint8_t>(r.direction[0]));  // 67 + n
  out.push_back(static_cast<uint8_t>(r.reserved4));     // 68 + n
  out.push_back(r.hasNumbering);                        // 69 + n
}

// Fields the file does not carry (the check mark, the links) are those of a new page.
PageRecord ReadRecord(const uint8_t* p) {
  PageRecord r;
  InitRecord(r, PageDefaults{}, JobSettings{});
  const std::size_t n = p[60];
  r.numUpper = p[0];
  r.reserved1 = p[1];
  r.frame = static_cast<char>(p[2]);
  r.reserved0 = p[3];
  r.reserved2 = p[4];
  r.twoLines = p[5];
  r.autoFont = p[6];
  r.fontSize = p[7];
  r.creationNo = p[8];
  r.halfWidth = p[9];
  r.wideCount = p[10];
  r.numLower = p[11];
  GetField(r.sizeCode, p + 12);
  GetField(r.materialCode, p + 15);
  r.numNumber = p[19];
  r.labelTotal = GetLe16(p + 20);
  GetField(r.repeatCode, p + 22);
  r.repeatCount = GetLe16(p + 27);
  GetField(r.repeatText, p + 29);
  r.reserved3 = p[34];
  r.direction[1] = static_cast<char>(p[35]);
  r.scriptCount = p[36];
  r.limitDots = GetLe16(p + 37);
  r.lengthDots = GetLe16(p + 39);
  r.autoLength = p[41];
  GetField(r.lengthCode, p + 42);
  GetField(r.numEnd, p + 46);
  r.numCount = GetLe16(p + 50);
  GetField(r.numStart, p + 52);
  r.numDigits = p[56];
  r.numFixed = p[57];
  r.numHex2 = p[58];
  r.numHex1 = p[59];
  r.textLength = static_cast<uint8_t>(n);
  r.text.fill(0);
  std::copy_n(p + 61, n, r.text.begin());
  const uint8_t* const tail = p + 61 + n;
  r.line1Width = GetLe16(tail);
  r.line2Width = GetLe16(tail + 2);
  r.subCount = tail[4];
  r.superCount = tail[5];
  r.direction[0] = static_cast<char>(tail[6]);
  r.reserved4 = static_cast<char>(tail[7]);
  r.hasNumbering = tail[8];
  return r;
}

template <typename Records>
std::vector<uint8_t> Write(const JobSettings& s, const Records& pages, int count) {
  std::vector<uint8_t> out;
  out.reserve(QxkHeaderSize + static_cast<std::size_t>(count) * (QxkRecordSize + MaxTextBytes));
  PutLe32(out, static_cast<uint32_t>(s.margin));
  out.push_back(s.density);
  out.push_back(static_cast<uint8_t>(s.cutMode));
  out.push_back(s.alignment);
  PutLe32(out, static_cast<uint32_t>(s.material));
  PutLe32(out, static_cast<uint32_t>(s.mediaSize));
  out.push_back(s.repeatMode);
  PutLe32(out, static_cast<uint32_t>(count));
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

std::vector<uint8_t> WriteQxk(const JobSettings& settings, const PageList& pages) {
  return Write(settings, pages, pages.size());
}

Result<LabelFileData> ReadQxk(std::span<const uint8_t> bytes, const JobSettings& current) {
  const std::size_t size = bytes.size();
  if (size < static_cast<std::size_t>(QxkHeaderSize)) {
    return Malformed(Phrase(kHeaderCutShort, size));
  }
  const uint8_t* const p = bytes.data();
  const auto count = static_cast<int32_t>(GetLe32(p + 16));
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
    const std::size_t n = p[at + 60];
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
  s.margin = static_cast<int32_t>(GetLe32(p));
  s.density = p[4];
  s.cutMode = static_cast<char>(p[5]);
  s.alignment = p[6];
  s.material = static_cast<int32_t>(GetLe32(p + 7));
  s.mediaSize = static_cast<int32_t>(GetLe32(p + 11));
  s.repeatMode = p[15];
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
