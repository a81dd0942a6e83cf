#include "files/QxuFile.h"

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

JobSettings ImageSettings() {
  JobSettings s;
  s.copies = 10;
  s.cutMode = PrintCutLine;
  s.density = 16;
  s.margin = 20;
  s.alignment = 1;
  s.repeatMode = Sequential;
  return s;
}

// One page, DistinctRecord(), as the image carries it: big-endian counts,
// numFixed unchanged beside numHex2, the spare bytes 0, 0, n and the
// double-byte count of its text.
const Bytes kDistinctImage = {
    0x02, 'A',  0x00, 0x46,                                      // length 70
    0x0A, 'L',  0x10, 0x14, 0x01, 0x00,                          // copies .. repeatMode
    0x03, 0x24, 0x0C, 0x1B, 0x01, 0x0B, 0x05, 0x12, 0x23, 0x22,  // 0..9
    0x17, 0x06, 0x01, 'F',  'L',  'A',  'B',  0x00, '1',  '2',   // 10..19
    '5',  0x00, '1',  '2',  0x00, '1',  '9',  '9',  0x00, 0x00,  // 20..29
    0x0F, 0x10, 0x15, 0x16, 0x00, 0x00, 0x03, 0x03, '1',  '3',   // 30..39
    0x07, 0x08, 0x09, '0',  '1',  '9',  '9',  0x00, '1',  '2',   // 40..49
    0x00, 0x00, '3',  '4',  '5',  0x00, 'x',  0xB0, 0xA1,        // 50..55, text
    'E',
};

// ReadableDistinctRecord() in the image of kDistinctImage.
Bytes ReadableImage() {
  Bytes b = kDistinctImage;
  constexpr std::size_t r = 10;  // the record's offsets follow the header
  b[r + 1] = 1;                  // hasNumbering
  b[r + 2] = 0;                  // numNumber
  b[r + 3] = 0;                  // numFixed
  b[r + 5] = 0;                  // numLower
  b[r + 6] = 1;                  // twoLines
  b[r + 10] = 0;                 // autoLength
  b[r + 11] = 1;                 // autoFont
  b[r + 30] = 0;                 // repeatCount 199
  b[r + 31] = 199;
  b[r + 32] = 0x05;  // lengthDots 0x0516
  b[r + 40] = 5;     // fontSize
  b[r + 42] = 1;     // halfWidth
  return b;
}

TEST(QxuFile, EveryFieldAtItsOffsetBigEndian) {
  const PageRecord page = DistinctRecord();
  const auto image = WriteQxu(ImageSettings(), std::span(&page, 1));
  ASSERT_TRUE(image);
  EXPECT_EQ(*image, kDistinctImage);
}

TEST(QxuFile, NothingPrintableGivesElevenBytes) {
  JobSettings s;
  s.copies = 3;
  s.cutMode = NoCut;
  s.density = 12;
  s.margin = 5;
  s.alignment = 1;
  s.repeatMode = Sequential;
  PageRecord unchecked = DistinctRecord();
  unchecked.isChecked = 0;
  PageRecord empty = DistinctRecord();
  StorePageText(empty, "");
  const PageRecord pages[] = {unchecked, empty};
  const auto image = WriteQxu(s, pages);
  ASSERT_TRUE(image);
  EXPECT_EQ(*image, (Bytes{0x02, 'A', 0x00, 0x0B, 3, 'N', 12, 5, 1, 0, 'E'}));

  const auto data = ReadQxu(*image, JobSettings{});
  ASSERT_TRUE(data) << data.failure().text;
  EXPECT_TRUE(data->pages.empty());
  EXPECT_EQ(data->settings.copies, 3);
  EXPECT_EQ(data->settings.cutMode, NoCut);
  EXPECT_EQ(data->settings.density, 12);
  EXPECT_EQ(data->settings.margin, 5);
}

TEST(QxuFile, OnlyCheckedPagesWithTextAndTheLengthHighByteFirst) {
  std::vector<PageRecord> pages;
  for (int i = 0; i < 8; ++i) {
    PageRecord page = DistinctRecord();
    page.creationNo = static_cast<uint8_t>(i + 1);
    page.isChecked = i == 2 ? 0 : 1;
    StorePageText(page, i == 5 ? "" : "ABCD");
    pages.push_back(page);
  }
  const auto image = WriteQxu(ImageSettings(), pages);
  ASSERT_TRUE(image);
  ASSERT_EQ(image->size(), 10u + 6 * 60 + 1);
  EXPECT_EQ((*image)[2], 0x01);
  EXPECT_EQ((*image)[3], 0x73);
  std::vector<int> carried;
  for (std::size_t at = 10; at + 1 < image->size(); at += 60) carried.push_back((*image)[at + 41]);
  EXPECT_EQ(carried, (std::vector<int>{1, 2, 4, 5, 7, 8}));
}

TEST(QxuFile, ReadsTheCarriedFieldsAndTakesTheRestFromANewPage) {
  JobSettings current;
  current.copies = 1;
  const auto data = ReadQxu(ReadableImage(), current);
  ASSERT_TRUE(data) << data.failure().text;
  JobSettings expected = ImageSettings();
  expected.material = Label;  // "LAB", "12"
  expected.mediaSize = 2;
  SetField(expected.materialCode, "LAB");
  SetField(expected.sizeCode, "12");
  EXPECT_EQ(data->settings, expected);

  PageRecord page = ReadableDistinctRecord();
  page.hasNumbering = 1;  // follows the kinds carried
  page.reserved1 = 0;
  page.reserved2 = 0;
  page.reserved3 = 3;
  page.wideCount = 1;
  // Not in the image: as in a new page.
  page.numHex2 = 0;
  page.numHex1 = 0;
  page.numDigits = 0;
  page.reserved4 = 'N';
  page.line1Width = 0;
  page.line2Width = 0;
  page.limitDots = 300;
  page.labelTotal = 0;
  page.numCount = 0;
  ASSERT_EQ(data->pages.size(), 1u);
  EXPECT_EQ(RecordText(data->pages[0]), RecordText(page));
}

// The flags the image carries, each set alone once; hasNumbering follows the
// numbering kinds.
TEST(QxuFile, ReadsEachFlagFromItsOwnPlace) {
  for (const testing::FlagField& flag : testing::FlagFields) {
    if (flag.field == &PageRecord::numHex2 || flag.field == &PageRecord::numHex1 ||
        flag.field == &PageRecord::hasNumbering) {
      continue;  // not in the image
    }
    PageRecord page = ReadableDistinctRecord();
    for (const testing::FlagField& other : testing::FlagFields) page.*other.field = 0;
    page.*flag.field = 1;
    const auto image = WriteQxu(ImageSettings(), std::span(&page, 1));
    ASSERT_TRUE(image);
    const auto data = ReadQxu(*image, JobSettings{});
    ASSERT_TRUE(data) << flag.name << ": " << data.failure().text;
    const PageRecord& read = data->pages.at(0);
    for (const testing::FlagField& other : testing::FlagFields) {
      const bool numbering =
          other.field == &PageRecord::hasNumbering &&
          (flag.field == &PageRecord::numNumber || flag.field == &PageRecord::numFixed ||
           flag.field == &PageRecord::numUpper || flag.field == &PageRecord::numLower);
      EXPECT_EQ(read.*other.field, other.field == flag.field || numbering ? 1 : 0)
          << flag.name << " set, " << other.name << " read";
    }
  }
}

TEST(QxuFile, TheLastPageNamingAMediumSetsMaterialAndSize) {
  auto page = [](const char* material, const char* size) {
    PageRecord r = ReadableDistinctRecord();
    SetField(r.materialCode, material);
    SetField(r.sizeCode, size);
    return r;
  };
  struct Case {
    std::vector<PageRecord> pages;
    int material;
    int mediaSize;
  };
  const Case cases[] = {
      {{page("LAB", "9"), page("STU", "5")}, HeatShrinkTube, 2},
      {{page("STU", "5"), page("LAB", "6")}, Label, 0},
      {{page("TUB", "3"), page("XYZ", "4")}, Tube, 0},    // an unknown code changes nothing
      {{page("LAB", "12"), page("LAB", "4")}, Label, 2},  // no label is 4 mm wide
  };
  for (const Case& c : cases) {
    const auto image = WriteQxu(ImageSettings(), c.pages);
    ASSERT_TRUE(image);
    const auto data = ReadQxu(*image, JobSettings{});
    ASSERT_TRUE(data) << data.failure().text;
    EXPECT_EQ(data->settings.material, c.material);
    EXPECT_EQ(data->settings.mediaSize, c.mediaSize);
    EXPECT_EQ(FieldText(data->settings.sizeCode),
              MaterialAt(c.material).sizes[static_cast<std::size_t>(c.mediaSize)].sizeCode);
  }
}

TEST(QxuFile, DensityOfAnEarlierGenerationReadsSevenLower) {
  const std::pair<uint8_t, uint8_t> cases[] = {{1, 1},   {9, 9},   {10, 10}, {16, 16},
                                               {17, 10}, {20, 13}, {23, 16}};
  for (const auto& [stored, density] : cases) {
    Bytes image = ReadableImage();
    image[6] = stored;
    const auto data = ReadQxu(image, JobSettings{});
    ASSERT_TRUE(data) << int{stored};
    EXPECT_EQ(data->settings.density, density) << int{stored};
  }
}

TEST(QxuFile, RefusesMalformedFiles) {
  struct Case {
    const char* what;
    std::function<void(Bytes&)> spoil;
    const char* reason;
  };
  auto setLength = [](Bytes& b, std::size_t n) {
    b[2] = static_cast<uint8_t>(n >> 8);
    b[3] = static_cast<uint8_t>(n & 0xFF);
  };
  const Case cases[] = {
      {"no bytes", [](Bytes& b) { b.clear(); }, "cut short"},
      {"ten bytes", [](Bytes& b) { b.resize(10); }, "cut short"},
      {"not a print image", [](Bytes& b) { b[0] = 0x03; }, "does not start"},
      {"cut short", [](Bytes& b) { b.resize(b.size() - 5); }, "cut short"},
      {"a byte too many", [](Bytes& b) { b.push_back('E'); }, "length bytes give 70"},
      {"length too small for the page",
       [&](Bytes& b) {
         b.erase(b.begin() + 60, b.end() - 1);
         setLength(b, b.size());
       },
       "does not fit"},
      {"text longer than the length", [](Bytes& b) { b[10 + 37] = 4; }, "does not fit"},
      {"text of 41 bytes", [](Bytes& b) { b[10 + 37] = 41; }, "41 bytes"},
      {"no end byte", [](Bytes& b) { b.back() = 'X'; }, "end byte"},
      {"density 0", [](Bytes& b) { b[6] = 0; }, "density 0"},
      {"density 24", [](Bytes& b) { b[6] = 24; }, "density 24"},
      {"copies 0", [](Bytes& b) { b[4] = 0; }, "copies 0"},
      {"copies 11", [](Bytes& b) { b[4] = 11; }, "copies 11"},
      {"spacing 21", [](Bytes& b) { b[7] = 21; }, "spacing 21"},
      {"unknown cutting", [](Bytes& b) { b[5] = 0; }, "cutting code 0"},
      {"alignment 2", [](Bytes& b) { b[8] = 2; }, "alignment 2"},
      {"repeat mode 2", [](Bytes& b) { b[9] = 2; }, "repeat mode 2"},
      {"201 pages",
       [&](Bytes& b) {
         b.resize(10);
         b.insert(b.end(), 201 * 56, 0);
         b.push_back('E');
         setLength(b, b.size());
       },
       "at most 200"},
  };
  ASSERT_TRUE(ReadQxu(ReadableImage(), JobSettings{}));
  for (const Case& c : cases) {
    Bytes bytes = ReadableImage();
    c.spoil(bytes);
    const auto data = ReadQxu(bytes, JobSettings{});
    ASSERT_FALSE(data) << c.what;
    EXPECT_NE(data.failure().text.find(c.reason), std::string::npos)
        << c.what << ": " << data.failure().text;
  }
}

}  // namespace
}  // namespace q5300
