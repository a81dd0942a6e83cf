#include "preview/NumberRun.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace q5300 {
namespace {

TEST(NumberText, WritesEachKindsDigits) {
  const struct {
    NumberKind kind;
    int value;
    std::u16string text;
  } cases[] = {
      {NumberKind::Number, 7, u"7"},
      {NumberKind::Number, 10, u"10"},
      {NumberKind::Number, 100, u"100"},
      {NumberKind::Number, 0, u"0"},
      {NumberKind::Fixed, 7, u"007"},
      {NumberKind::Fixed, 999, u"999"},
      {NumberKind::Hex2, 255, u"FF"},
      {NumberKind::Hex2, 10, u"0A"},
      {NumberKind::Hex1, 10, u"A"},
      {NumberKind::Letter, 'A', u"A"},
      {NumberKind::Letter, 'z', u"z"},
      {NumberKind::None, 5, u""},
      // Outside the dialog's ranges the whole value shows, with its sign.
      {NumberKind::Number, 1000, u"1000"},
      {NumberKind::Number, -5, u"-5"},
      {NumberKind::Fixed, -7, u"-007"},
      {NumberKind::Fixed, 32767, u"32767"},
      {NumberKind::Hex2, 256, u"100"},
      {NumberKind::Hex1, 16, u"10"},
      {NumberKind::Hex1, -1, u"-1"},
      {NumberKind::Number, -32768, u"-32768"},
      // Codes that are no printable character, the separator among them.
      {NumberKind::Letter, 0x1A, u"?"},
      {NumberKind::Letter, 0x80, u"?"},
      {NumberKind::Letter, -1, u"?"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NumberText(c.kind, c.value), c.text) << static_cast<int>(c.kind) << " " << c.value;
  }
}

// The layout measures one label per span; a span is right when every value in
// it is written with a text of the same shape and the values next to it are not.
TEST(NumberText, SpansHoldExactlyTheValuesOfOneShape) {
  // Digits (and hexadecimal letters) all count as one; letters stay themselves.
  auto shape = [](NumberKind kind, int value) {
    std::u16string text = NumberText(kind, value);
    if (kind == NumberKind::Letter) return text;
    for (char16_t& c : text) {
      if ((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F')) c = u'0';
    }
    return text;
  };
  for (const NumberKind kind : {NumberKind::Number, NumberKind::Fixed, NumberKind::Hex2,
                                NumberKind::Hex1, NumberKind::Letter}) {
    for (int v = -1200; v <= 1200; ++v) {
      SCOPED_TRACE(::testing::Message() << "kind " << static_cast<int>(kind) << " value " << v);
      const ValueSpan span = SameShapeSpan(kind, v);
      ASSERT_LE(span.low, v);
      ASSERT_GE(span.high, v);
      const std::u16string text = shape(kind, v);
      EXPECT_EQ(shape(kind, span.low), text);
      EXPECT_EQ(shape(kind, span.high), text);
      if (span.low > -1300) {
        EXPECT_NE(shape(kind, span.low - 1), text);
      }
      if (span.high < 1300) {
        EXPECT_NE(shape(kind, span.high + 1), text);
      }
    }
  }
}

TEST(NumberRun, CountsTowardTheEndThenSwingsBelowIt) {
  const struct {
    NumberRun run;
    std::vector<int> values;
  } cases[] = {
      {{1, 3}, {1, 2, 3, 2, 3, 2}},
      {{5, 3}, {5, 4, 3, 2, 3, 2}},
      {{4, 4}, {4, 3, 4, 3, 4, 3}},
  };
  for (const auto& c : cases) {
    std::vector<int> values;
    for (int64_t i = 0; i < 6; ++i) values.push_back(c.run.ValueAt(i));
    EXPECT_EQ(values, c.values) << c.run.start << ".." << c.run.end;
  }
}

}  // namespace
}  // namespace q5300
