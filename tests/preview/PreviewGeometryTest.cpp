#include "preview/PreviewGeometry.h"

#include <gtest/gtest.h>

#include "preview/PreviewSnapshot.h"

namespace q5300 {
namespace {

TEST(PreviewGeometry, BandAndCharacterHeightsFollowTheScreen) {
  EXPECT_EQ(BandPixels(96, 9.0), 34);
  EXPECT_EQ(BandPixels(96, 6.5), 24);
  EXPECT_EQ(BandPixels(144, 9.0), 51);
  EXPECT_EQ(BandGeometry(96, 9.0, 101), (Band{33, 67, 50}));

  EXPECT_EQ(FontPixels(6, 96), 20);
  EXPECT_EQ(FontPixels(1, 96), 5);
  EXPECT_EQ(FontPixels(4, 300), 40);
  EXPECT_EQ(FontPixels(0, 96), std::nullopt);
  EXPECT_EQ(FontPixels(7, 96), std::nullopt);
  EXPECT_EQ(CharacterPixels(20, 96), 20);
  EXPECT_EQ(CharacterPixels(20, 120), 25);
  EXPECT_EQ(CharacterPixels(5, 144), 8);  // 7.5 rounds up
  EXPECT_EQ(SetLengthPixels(240), 76);
}

TEST(PreviewGeometry, PreviewCommandTakesTheMediumWidth) {
  const struct {
    char material;
    int32_t mediaSize;
    std::optional<double> mm;
  } cases[] = {{'T', 0, 5.0},           {'T', 1, 6.5}, {'S', 3, 10.0}, {'T', 4, std::nullopt},
               {'T', -1, std::nullopt}, {'L', 1, 9.0}, {'L', 2, 12.0}, {'L', 5, 21.0}};
  for (const auto& c : cases) {
    JobSettings settings;
    settings.materialCode[0] = c.material;
    settings.mediaSize = c.mediaSize;
    EXPECT_EQ(PreviewMediaWidth(settings), c.mm) << c.material << c.mediaSize;
  }
}

TEST(PreviewSnapshot, TrimsWhiteSpaceButNotControlCharacters) {
  EXPECT_EQ(TrimWhiteSpace(u" \t\r\nAB C\u3000\u00A0"), u"AB C");
  EXPECT_EQ(TrimWhiteSpace(u"\x12 A\x1C"), u"\x12 A\x1C");
  EXPECT_EQ(TrimWhiteSpace(u"   "), u"");
}

}  // namespace
}  // namespace q5300
