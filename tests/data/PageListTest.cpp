#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/FixedField.h"
#include "data/SerialPort.h"

namespace q5300 {
namespace {

TEST(InitRecord, TakesThePanelDefaultsAndTheMediumCodes) {
  PageDefaults defaults;  // start values: set length 20 mm with the code "Au"
  JobSettings settings;
  PageRecord r;
  r.halfWidth = 1;
  InitRecord(r, defaults, settings);
  EXPECT_EQ(r.autoLength, 0);
  EXPECT_EQ(r.lengthDots, 240);
  EXPECT_EQ(r.limitDots, 300);  // until the metrics recompute it
  EXPECT_EQ(FieldText(r.lengthCode), "Au");
  EXPECT_EQ(FieldText(r.materialCode), "TUB");
  EXPECT_EQ(FieldText(r.sizeCode), "4");
  EXPECT_EQ(r.fontSize, 4);
  EXPECT_EQ(r.frame, 'N');
  EXPECT_EQ(std::string(r.direction.begin(), r.direction.end()), "04");
  EXPECT_EQ(r.reserved4, 'N');
  EXPECT_EQ(r.isChecked, 1);
  EXPECT_EQ(r.creationNo, 1);
  EXPECT_EQ(r.halfWidth, 0);  // new pages are always full width
  EXPECT_EQ(r.textLength, 0);

  defaults.autoLength = true;
  defaults.repeatCount = 12;
  InitRecord(r, defaults, settings);
  EXPECT_EQ(r.autoLength, 1);
  EXPECT_EQ(r.lengthDots, 300);
  EXPECT_EQ(std::string(r.repeatCode.begin(), r.repeatCode.end()), std::string("0012\0", 5));
  EXPECT_EQ(std::string(r.repeatText.begin(), r.repeatText.end()), std::string("12\0\0\0", 5));
}

TEST(InitRecord, SetLengthIsTruncatedToWholeDots) {
  PageDefaults defaults;
  defaults.lengthMm = 20.5f;
  PageRecord r;
  InitRecord(r, defaults, JobSettings{});
  EXPECT_EQ(r.lengthDots, 246);
}

class PageListTest : public ::testing::Test {
 protected:
  // A list of n records, record i carrying creationNo i + 1.
  void Make(int n) {
    PageRecord* r = nullptr;
    for (int i = 0; i < n; ++i) {
      r = list.InsertRecordAfter(r, defaults, settings);
      r->creationNo = static_cast<uint8_t>(i + 1);
    }
  }
  std::vector<int> Order() const {
    std::vector<int> out;
    for (const PageRecord& r : list) out.push_back(r.creationNo);
    // The back links must agree with the forward ones.
    std::vector<int> back;
    for (const PageRecord* r = list.last(); r != nullptr; r = r->prev) back.insert(back.begin(), r->creationNo);
    EXPECT_EQ(out, back);
    EXPECT_EQ(static_cast<int>(out.size()), list.size());
    return out;
  }
  PageDefaults defaults;
  JobSettings settings;
  PageList list;
};

TEST_F(PageListTest, RecordAtStopsAtTheLastRecord) {
  Make(3);
  PageRecord* first = list.first();
  EXPECT_EQ(RecordAt(first, 0), first);
  EXPECT_EQ(RecordAt(first, 2)->creationNo, 3);
  EXPECT_EQ(RecordAt(first, 5)->creationNo, 3);
  EXPECT_EQ(RecordAt(first, -1)->creationNo, 3);
  EXPECT_EQ(list.At(1)->creationNo, 2);
  EXPECT_EQ(list.At(3), nullptr);
  EXPECT_EQ(list.IndexOf(list.At(2)), 2);
}

TEST_F(PageListTest, InsertAfterLinksBeforeTheOldSuccessor) {
  Make(3);
  PageRecord* n = list.InsertRecordAfter(list.At(0), defaults, settings);
  n->creationNo = 9;
  EXPECT_EQ(Order(), (std::vector<int>{1, 9, 2, 3}));
}

TEST_F(PageListTest, RemoveRecordReturnsTheRecordThatTakesItsPlace) {
  struct Case {
    int size;
    int removed;
    int expectedResult;  // creationNo of the result, 0 for none
    std::vector<int> left;
  } const cases[] = {
      {1, 0, 0, {}},           // the only record: an empty list
      {3, 0, 2, {2, 3}},       // the first: the second, now first
      {3, 1, 3, {1, 3}},       // a middle one: its successor
      {3, 2, 2, {1, 2}},       // the last: the new last
  };
  for (const auto& c : cases) {
    list.FreeAllRecords();
    Make(c.size);
    PageRecord* result = list.RemoveRecord(list.At(c.removed));
    EXPECT_EQ(result == nullptr ? 0 : result->creationNo, c.expectedResult) << c.removed;
    EXPECT_EQ(Order(), c.left);
    if (!c.left.empty()) {
      EXPECT_EQ(list.first()->prev, nullptr);
    }
  }
}

TEST_F(PageListTest, FreeAllEmptiesTheList) {
  Make(5);
  list.FreeAllRecords();
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(list.size(), 0);
  EXPECT_EQ(list.last(), nullptr);
}

TEST(CopyPageContent, KeepsTheLinksOfTheTarget) {
  PageList list;
  PageRecord* a = list.AppendRecord(PageDefaults{}, JobSettings{});
  PageRecord* b = list.AppendRecord(PageDefaults{}, JobSettings{});
  PageRecord loose;
  loose.textLength = 7;
  loose.next = &loose;
  CopyPageContent(*a, loose);
  EXPECT_EQ(a->textLength, 7);
  EXPECT_EQ(a->next, b);
  EXPECT_EQ(a->prev, nullptr);
}

}  // namespace
}  // namespace q5300
