// What a job's report says of its pages: the ranges sent and not sent, and
// the pages a packet taken in part may have reached, in page numbers.
#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

#include "editing/JobPages.h"

namespace q5300 {
namespace {

// Positions 0-based, page numbers 1-based.
std::vector<int> Positions(std::initializer_list<std::pair<int, int>> runs) {
  std::vector<int> positions;
  for (const auto& [from, to] : runs) {
    for (int p = from; p <= to; ++p) positions.push_back(p - 1);
  }
  return positions;
}

TEST(SentReport, NamesTheRanges) {
  struct Case {
    std::vector<int> sent;
    std::vector<int> notSent;
    const char* said;
  };
  const Case cases[] = {
      {Positions({{1, 41}}), Positions({{42, 100}}), "Pages 1–41 sent, 42–100 not sent."},
      {Positions({{1, 1}}), Positions({{2, 2}}), "Page 1 sent, 2 not sent."},
      {{}, Positions({{1, 3}}), "Pages 1–3 not sent."},
      {{}, Positions({{1, 1}}), "Page 1 not sent."},
      {Positions({{1, 5}}), {}, "Pages 1–5 sent."},
      {Positions({{1, 9}, {11, 44}}), Positions({{10, 10}, {45, 101}}),
       "Pages 1–9, 11–44 sent, 10, 45–101 not sent."},
      {Positions({{44, 45}}), Positions({{46, 47}, {60, 60}}),
       "Pages 44–45 sent, 46–47, 60 not sent."},
      {{}, {}, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SentReport(PageAccount{c.sent, c.notSent, {}}).Text(), c.said);
  }
  EXPECT_EQ(PartialReport(Positions({{44, 47}, {60, 60}})).Text(),
            "Pages 44–47, 60 may have reached the printer in part: look at the last tubes before "
            "you go on.");
}

}  // namespace
}  // namespace q5300
