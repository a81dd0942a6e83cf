#include "compile/CodePage.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace q5300 {
namespace {

std::string Bytes(std::initializer_list<unsigned> values) {
  std::string s;
  for (const unsigned v : values) s.push_back(static_cast<char>(v));
  return s;
}

TEST(CodePage, KnownCharactersBothWays) {
  const struct {
    std::u16string text;
    std::string bytes;
  } cases[] = {
      {u"\uAC00", Bytes({0xB0, 0xA1})},  // a KS X 1001 syllable
      {u"\uAC02", Bytes({0x81, 0x41})},  // an extended syllable: the IBM code page differs here
      {u"\uE04D", Bytes({0xC9, 0xEE})},
      {u"\uE052", Bytes({0xC9, 0xF3})},
      {u"A1\uAC00\x1A-", Bytes({0x41, 0x31, 0xB0, 0xA1, 0x1A, 0x2D})},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToPrinterCodePage(c.text), c.bytes);
    EXPECT_EQ(FromPrinterCodePage(c.bytes), c.text);
  }
}

TEST(CodePage, UserDefinedRowBothWays) {
  for (unsigned k = 0; k <= 0x52; ++k) {
    const std::u16string text(1, static_cast<char16_t>(0xE000 + k));
    const std::string bytes = Bytes({0xC9, 0xA1 + k});
    EXPECT_EQ(ToPrinterCodePage(text), bytes) << "k = " << k;
    EXPECT_EQ(FromPrinterCodePage(bytes), text) << "k = " << k;
  }
}

TEST(CodePage, EveryCharacterOfTheCodePageRoundTrips) {
  int doubleByteCharacters = 0;
  for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
    for (unsigned trail = 0x01; trail <= 0xFF; ++trail) {
      const std::string bytes = Bytes({lead, trail});
      const std::u16string text = FromPrinterCodePage(bytes);
      if (text.size() != 1 || text[0] == u'\uFFFD') continue;
      ++doubleByteCharacters;
      EXPECT_EQ(ToPrinterCodePage(text), bytes) << std::hex << lead << ' ' << trail;
    }
  }
  // 17,048 characters and the user-defined rows 0xC9 and 0xFE of 94 each.
  EXPECT_EQ(doubleByteCharacters, 17048 + 2 * 94);

  for (unsigned b = 0x01; b <= 0x80; ++b) {
    const std::string bytes = Bytes({b});
    EXPECT_EQ(FromPrinterCodePage(bytes), std::u16string(1, static_cast<char16_t>(b)))
        << std::hex << b;
    EXPECT_EQ(ToPrinterCodePage(FromPrinterCodePage(bytes)), bytes) << std::hex << b;
  }
}

TEST(CodePage, CharacterWithoutAFormBecomesQuestionMark) {
  const struct {
    std::u16string text;
    std::string bytes;
  } cases[] = {
      {u"A\u0E01B", "A?B"},                                // Thai
      {u"\U0001F600!", "?!"},                              // a surrogate pair is one character
      {std::u16string(1, char16_t{0xD800}) + u"A", "?A"},  // a lone surrogate
  };
  for (const auto& c : cases) EXPECT_EQ(ToPrinterCodePage(c.text), c.bytes);
}

TEST(CodePage, DecodingStopsAtZeroAndNeverSwallowsAControlByte) {
  const struct {
    std::string bytes;
    std::u16string text;
  } cases[] = {
      {Bytes({0x41, 0x42, 0x00, 0x43}), u"AB"},
      {Bytes({0x12, 0x14, 0x16, 0x18, 0x1A, 0x1C, 0x1E}), u"\x12\x14\x16\x18\x1A\x1C\x1E"},
      {Bytes({0x41, 0xB0}), u"A\uFFFD"},  // cut after a lead byte
      {Bytes({0xB0, 0x1A, 0x42}),
       u"\uFFFD\x1A"
       u"B"},                                   // lead byte before the separator
      {Bytes({0xA2, 0xE8, 0x41}), u"\uFFFDA"},  // a pair the code page leaves empty
      {Bytes({0xC9, 0x41}), u"\uFFFD"},
      {Bytes({}), u""},
  };
  for (const auto& c : cases) EXPECT_EQ(FromPrinterCodePage(c.bytes), c.text);
}

TEST(CodePage, WholeCharacterPrefixNeverSplitsAPair) {
  const std::string hangul = Bytes({0xB0, 0xA1});
  const struct {
    std::string bytes;
    std::size_t limit;
    std::size_t expected;
  } cases[] = {
      {"ABCDE", 3, 3},
      {"AB", 40, 2},
      {"A" + hangul, 2, 1},
      {"A" + hangul, 3, 3},
      {hangul + hangul, 3, 2},
      {"A" + Bytes({0xB0}), 40, 2},  // a lead byte already without its pair stays
      {Bytes({0xFF, 0x41}), 1, 1},   // 0xFF is a character of its own
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WholeCharacterPrefix(c.bytes, c.limit), c.expected)
        << c.bytes.size() << " bytes, limit " << c.limit;
  }
}

TEST(CodePage, ThreadsConvertIndependently) {
  const std::u16string text = u"\uAC00\uAC02 ABC \uE000\uE052 \uD55C\uAE00";
  const std::string expected = ToPrinterCodePage(text);
  std::vector<int> mismatches(4, 0);
  std::vector<std::thread> threads;
  for (std::size_t t = 0; t < mismatches.size(); ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < 2000; ++i) {
        const std::string bytes = ToPrinterCodePage(text);
        if (bytes != expected || FromPrinterCodePage(bytes) != text) ++mismatches[t];
      }
    });
  }
  for (auto& thread : threads) thread.join();
  for (const int m : mismatches) EXPECT_EQ(m, 0);
}

}  // namespace
}  // namespace q5300
