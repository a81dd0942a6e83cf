#include "support/RecordChain.h"
#include "printer/PrintedLabels.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "TempDir.h"
#include "compile/PrintPacket.h"
#include "data/FixedField.h"
#include "data/PageRecord.h"
#include "printer/VirtualPrinter.h"

namespace q5300 {
namespace {

DecodedRecord Record(std::string text, uint16_t repeats = 1) {
  DecodedRecord r;
  r.text.assign(text.begin(), text.end());
  r.textLength = static_cast<uint8_t>(text.size());
  r.repeatCount = repeats;
  return r;
}

DecodedRecord Numbered(std::string text, uint16_t repeats, const char* start, const char* end) {
  DecodedRecord r = Record(std::move(text), repeats);
  r.hasNumbering = 1;
  r.numNumber = 1;
  r.numStart = FixedText<4>(start);
  r.numEnd = FixedText<4>(end);
  return r;
}

std::vector<std::string> Labels(const DecodedPacket& packet) {
  std::vector<std::string> out;
  ForEachPrintedLabel(packet, [&out](const std::string& text) {
    out.push_back(text);
    return true;
  });
  return out;
}

TEST(PrintedLabels, RepeatsAndCountsAsThePacketSays) {
  DecodedRecord fixed = Numbered("\x14", 1, "7", "8");
  fixed.numNumber = 0;
  fixed.numVariant = 1;
  DecodedRecord hex2 = Numbered("\x14", 1, "254", "255");
  hex2.numNumber = 0;
  hex2.numVariant = 2;
  DecodedRecord letters = Numbered("\x16", 1, "C", "A");
  letters.numNumber = 0;
  letters.numUpper = 1;

  const struct {
    const char* name;
    DecodedRecord record;
    uint8_t repeatMode;
    std::vector<std::string> labels;
  } cases[] = {
      {"plain, repeated", Record("AB", 2), Continuous, {"AB", "AB"}},
      {"continuous",
       Numbered("X1-\x12", 2, "1", "3"),
       Continuous,
       {"X1-1", "X1-1", "X1-2", "X1-2", "X1-3", "X1-3"}},
      {"sequential",
       Numbered("X1-\x12", 2, "1", "3"),
       Sequential,
       {"X1-1", "X1-2", "X1-3", "X1-1", "X1-2", "X1-3"}},
      {"descending", Numbered("\x12", 1, "5", "3"), Continuous, {"5", "4", "3"}},
      {"numbered without a placeholder", Numbered("N", 1, "1", "2"), Continuous, {"N", "N"}},
      {"fixed length", fixed, Continuous, {"007", "008"}},
      {"two hexadecimal digits", hex2, Continuous, {"FE", "FF"}},
      {"capital letters", letters, Continuous, {"C", "B", "A"}},
      {"two lines, markers, a symbol and Hangul",
       Record("m\x1C"
              "2\x1A\xA1\xA1 \xB0\xA1\x1E"),
       Continuous,
       {"m[^]2 / [earth] 가[_]"}},
  };
  for (const auto& c : cases) {
    DecodedPacket packet;
    packet.repeatMode = c.repeatMode;
    packet.records = {c.record};
    EXPECT_EQ(Labels(packet), c.labels) << c.name;
  }
}

TEST(PrintedLabels, TheVirtualPrinterListsWhatItWouldPrint) {
  test::TempDir dir;
  ManualClock clock;
  VirtualPrinter printer(clock, dir.path());
  ASSERT_TRUE(printer.Open().ok());
  JobSettings settings;
  testing::RecordChain pages;
  for (const char* text : {"A", "B"}) {
    PageRecord* r = pages.AppendRecord(PageDefaults{}, settings);
    SetField(r->text, text);
    r->textLength = 1;
  }
  SetRepeat(*pages.first(), 2);
  const Packet packet = BuildPacket(settings, pages.first(), 0);
  ASSERT_TRUE(printer.Write(packet.bytes));
  ASSERT_TRUE(printer.Write(packet.bytes));
  std::ifstream labels(dir.path() / "labels.txt");
  std::stringstream text;
  text << labels.rdbuf();
  EXPECT_EQ(text.str(), "A\nA\nB\nA\nA\nB\n");
}

}  // namespace
}  // namespace q5300
