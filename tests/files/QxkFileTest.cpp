#include "support/RecordChain.h"
#include "files/QxkFile.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "compile/RebuildRecords.h"
#include "files/DistinctRecord.h"
#include "support/RecordText.h"

namespace q5300 {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::DistinctRecord;
using testing::ReadableDistinctRecord;
using testing::RecordText;

JobSettings DistinctSettings() {
  JobSettings s;
  s.margin = 20;
  s.density = 16;
  s.cutMode = PrintCutLine;
  s.alignment = 1;
  s.material = HeatShrinkTube;
  s.mediaSize = 3;
  s.repeatMode = Sequential;
  s.copies = 7;
  SetField(s.materialCode, "STU");
  SetField(s.sizeCode, "6");
  return s;
}

// The settings of DistinctSettings() and a page count of 1.
const Bytes kDistinctHeader = {
    0x14, 0x00, 0x00, 0x00,  // 0 margin 20
    0x10,                    // 4 density 16
    'L',                     // 5 cutMode
    0x01,                    // 6 alignment
    0x02, 0x00, 0x00, 0x00,  // 7 material 2
    0x03, 0x00, 0x00, 0x00,  // 11 mediaSize 3
    0x00,                    // 15 repeatMode
    0x01, 0x00, 0x00, 0x00,  // 16 page count 1
};

// DistinctRecord() as the page table lays it out.
const Bytes kDistinctRecord = {
    0x01, 0x02, 'F',  0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09,  // 0..9
    0x0A, 0x0B, '1',  '2',  0x00, 'L',  'A',  'B',  0x00, 0x0C,  // 10..19
    0x0E, 0x0D, '0',  '1',  '9',  '9',  0x00, 0x10, 0x0F, '1',   // 20..29
    '9',  '9',  0x00, 0x00, 0x11, '3',  0x12, 0x14, 0x13, 0x16,  // 30..39
    0x15, 0x17, '1',  '2',  '5',  0x00, '3',  '4',  '5',  0x00,  // 40..49
    0x19, 0x18, '1',  '2',  0x00, 0x00, 0x1A, 0x1B, 0x1C, 0x1D,  // 50..59
    0x03, 'x',  0xB0, 0xA1,                                      // 60 n, 61.. text
    0x1F, 0x1E, 0x21, 0x20, 0x22, 0x23, '1',  'Q',  0x24,        // 61 + n ..
};

// ReadableDistinctRecord() as the page table lays it out.
Bytes ReadableRecordBytes() {
  Bytes b = kDistinctRecord;
  b[5] = 1;     // twoLines
  b[6] = 1;     // autoFont
  b[7] = 5;     // fontSize
  b[9] = 1;     // halfWidth
  b[11] = 0;    // numLower
  b[19] = 0;    // numNumber
  b[27] = 199;  // repeatCount
  b[28] = 0;
  b[40] = 0x05;   // lengthDots 0x0516
  b[41] = 0;      // autoLength
  b[57] = 0;      // numFixed
  b[58] = 0;      // numHex2
  b[59] = 0;      // numHex1
  b[69 + 3] = 1;  // hasNumbering
  return b;
}

Bytes Join(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(QxkFile, EveryFieldAtItsOffsetLittleEndian) {
  const PageRecord page = DistinctRecord();
  EXPECT_EQ(WriteQxk(DistinctSettings(), std::span(&page, 1)),
            Join(kDistinctHeader, kDistinctRecord));
}

TEST(QxkFile, ReadsEveryFieldOfHandBuiltBytes) {
  JobSettings current;
  current.copies = 4;
  const auto data = ReadQxk(Join(kDistinctHeader, ReadableRecordBytes()), current);
  ASSERT_TRUE(data) << data.failure().text;
  JobSettings expected = DistinctSettings();
  expected.copies = 4;  // not in the file
  EXPECT_EQ(data->settings, expected);
  ASSERT_EQ(data->pages.size(), 1u);
  EXPECT_EQ(RecordText(data->pages[0]), RecordText(ReadableDistinctRecord()));
  EXPECT_EQ(data->pages[0].prev, nullptr);
  EXPECT_EQ(data->pages[0].next, nullptr);
}

// The flags share the values 0 and 1: each is set alone once, so that a flag
// read from another's place shows.
TEST(QxkFile, ReadsEachFlagFromItsOwnPlace) {
  for (const testing::FlagField& flag : testing::FlagFields) {
    PageRecord page = ReadableDistinctRecord();
    for (const testing::FlagField& other : testing::FlagFields) page.*other.field = 0;
    page.*flag.field = 1;
    const auto data = ReadQxk(WriteQxk(DistinctSettings(), std::span(&page, 1)), JobSettings{});
    ASSERT_TRUE(data) << flag.name << ": " << data.failure().text;
    EXPECT_EQ(RecordText(data->pages[0]), RecordText(page)) << flag.name;
  }
}

TEST(QxkFile, AnEmptyOnePageJobIs90Bytes) {
  testing::RecordChain pages;
  pages.AppendRecord(PageDefaults{}, JobSettings{});
  const Bytes expected = {
      // Header: margin 0, density 8, 'C', centre, tube, size 1, continuous, 1 page.
      0x00, 0x00, 0x00, 0x00, 0x08, 'C', 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01,
      0x01, 0x00, 0x00, 0x00,
      // A new page: font size 4, creation number 1, "4", "TUB", repeat 1, direction
      // "04", limit 300 dots, length 240 dots, "Au", no text, reserved4 'N'.
      0x00, 0x00, 'N', 0x00, 0x00, 0x00, 0x00, 0x04, 0x01, 0x00,   // 0..9
      0x00, 0x00, '4', 0x00, 0x00, 'T', 'U', 'B', 0x00, 0x00,      // 10..19
      0x00, 0x00, '0', '0', '0', '1', 0x00, 0x01, 0x00, '1',       // 20..29
      0x00, 0x00, 0x00, 0x00, 0x00, '4', 0x00, 0x2C, 0x01, 0xF0,   // 30..39
      0x00, 0x00, 'A', 'u', 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,    // 40..49
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // 50..59
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, '0', 'N', 0x00,    // 60..69
  };
  const Bytes bytes = WriteQxk(JobSettings{}, pages.Records());
  ASSERT_EQ(bytes.size(), 90u);
  EXPECT_EQ(bytes, expected);
}

TEST(QxkFile, RoundTripKeepsEveryPageAndField) {
  testing::RecordChain pages;
  const PageDefaults defaults;
  const JobSettings settings = DistinctSettings();
  CopyPageContent(*pages.AppendRecord(defaults, settings), ReadableDistinctRecord());
  PageRecord& unchecked = *pages.AppendRecord(defaults, settings);
  CompilePageText(RebuildMode::EditorMode,
                  u"A\uE051"
                  u"2\uE04E",
                  u"\uE000\uE04C", unchecked);
  unchecked.isChecked = 0;
  unchecked.numHex2 = 1;
  SetField(unchecked.numStart, "1");
  SetField(unchecked.numEnd, "FF");
  PageRecord& full = *pages.AppendRecord(defaults, settings);
  StorePageText(full, std::string(40, 'W'));
  pages.AppendRecord(defaults, settings);  // no text

  const Bytes bytes = WriteQxk(settings, pages.Records());
  const auto data = ReadQxk(bytes, settings);
  ASSERT_TRUE(data) << data.failure().text;
  EXPECT_EQ(data->settings, settings);
  ASSERT_EQ(data->pages.size(), 4u);
  int i = 0;
  for (const PageRecord& page : pages) {
    PageRecord expected = page;
    expected.isChecked = 1;  // every opened page is checked
    EXPECT_EQ(RecordText(data->pages[static_cast<std::size_t>(i)]), RecordText(expected))
        << "page " << i;
    ++i;
  }
  EXPECT_EQ(WriteQxk(data->settings, data->pages), bytes);
}

// A malformed file is refused whole, with the reason.
TEST(QxkFile, RefusesMalformedFiles) {
  // Two pages: the distinct one at 20..92 and an empty one at 93..162.
  testing::RecordChain pages;
  CopyPageContent(*pages.AppendRecord(PageDefaults{}, JobSettings{}), ReadableDistinctRecord());
  pages.AppendRecord(PageDefaults{}, JobSettings{});
  const Bytes valid = WriteQxk(DistinctSettings(), pages.Records());
  ASSERT_EQ(valid.size(), 163u);
  ASSERT_TRUE(ReadQxk(valid, JobSettings{}));

  struct Case {
    const char* what;
    std::function<void(Bytes&)> spoil;
    const char* reason;
  };
  const Case cases[] = {
      {"no bytes", [](Bytes& b) { b.clear(); }, "cut short"},
      {"header cut", [](Bytes& b) { b.resize(19); }, "cut short"},
      {"no pages", [](Bytes& b) { b[16] = 0; }, "counts 0 pages"},
      {"negative count", [](Bytes& b) { b[16] = b[17] = b[18] = b[19] = 0xFF; }, "counts -1 pages"},
      {"201 pages", [](Bytes& b) { b[16] = 201; }, "at most 200"},
      {"more pages counted than present", [](Bytes& b) { b[16] = 3; }, "ends inside page 3"},
      {"cut in a text", [](Bytes& b) { b.resize(20 + 62); }, "ends inside page 1"},
      {"cut in the last page", [](Bytes& b) { b.resize(162); }, "ends inside page 2"},
      {"text of 41 bytes", [](Bytes& b) { b[20 + 60] = 41; }, "41 bytes"},
      {"text of 255 bytes", [](Bytes& b) { b[93 + 60] = 255; }, "Page 2 has a text of 255 bytes"},
      {"a byte after the last page", [](Bytes& b) { b.push_back(0); }, "1 bytes follow"},
      {"spacing 21", [](Bytes& b) { b[0] = 21; }, "spacing 21"},
      {"negative spacing", [](Bytes& b) { b[0] = b[1] = b[2] = b[3] = 0xFF; }, "spacing -1"},
      {"density 0", [](Bytes& b) { b[4] = 0; }, "density 0"},
      {"density 17", [](Bytes& b) { b[4] = 17; }, "density 17"},
      {"unknown cutting", [](Bytes& b) { b[5] = 'X'; }, "cutting code"},
      {"alignment 2", [](Bytes& b) { b[6] = 2; }, "alignment 2"},
      {"material 3", [](Bytes& b) { b[7] = 3; }, "material 3"},
      {"label size 3", [](Bytes& b) { b[7] = 1; }, "medium size 3"},
      {"size 256",
       [](Bytes& b) {
         b[7] = 0;
         b[12] = 1;
       },
       "medium size 259"},
      {"repeat mode 2", [](Bytes& b) { b[15] = 2; }, "repeat mode 2"},
  };
  for (const Case& c : cases) {
    Bytes bytes = valid;
    c.spoil(bytes);
    const auto data = ReadQxk(bytes, JobSettings{});
    ASSERT_FALSE(data) << c.what;
    EXPECT_NE(data.failure().text.find(c.reason), std::string::npos)
        << c.what << ": " << data.failure().text;
  }
}

}  // namespace
}  // namespace q5300
