#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/WorkbenchRig.h"

namespace q5300::testing {

// A workbench on a job that has just started (one empty current page, no
// printer), with the fakes of the window around it and no message shown yet.
struct Rig : WorkbenchParts {
  Rig() {
    printer.RefuseOpen(OpenStatus::NoDevice);
    bench.StartUp();
    op.told.clear();
  }

  // Pages and grid rows as `before` had them, except the rows listed in `changed`.
  void ExpectUnchanged(const Snapshot& before, std::vector<int> changed = {}) const {
    const Snapshot now = Take();
    ASSERT_EQ(now.pages.size(), before.pages.size());
    ASSERT_EQ(now.cells.size(), before.cells.size());
    for (std::size_t i = 0; i < now.pages.size(); ++i) {
      if (std::find(changed.begin(), changed.end(), static_cast<int>(i)) != changed.end()) continue;
      EXPECT_TRUE(Attributes(now.pages[i]) == Attributes(before.pages[i])) << "record " << i;
      EXPECT_TRUE(now.cells[i] == before.cells[i]) << "row " << i;
      EXPECT_EQ(now.checks[i], before.checks[i]) << "row " << i;
    }
    EXPECT_EQ(now.settings, before.settings);
  }
};

// The same as a fixture, for the commands on the text of the first page.
class CommandTest : public ::testing::Test, public Rig {
 protected:
  const PageRecord& page() const { return *bench.document.currentRecord(); }
  std::u16string Line1() const { return Cell(0, Line1Column); }
  std::u16string Line2() const { return Cell(0, Line2Column); }
  void SetLines(std::u16string line1, std::u16string line2) {
    Edit([&](JobEdit& e) {
      e.PageAt(0)->line1 = std::move(line1);
      e.PageAt(0)->line2 = std::move(line2);
    });
  }
};

// The one message box shown: its text, with the caption every page message carries.
inline void ExpectOneMessage(FakeOperator& op, const std::string& text) {
  ASSERT_EQ(op.told.size(), 1u) << (op.told.empty() ? "none" : op.told[0].text);
  EXPECT_EQ(op.told[0].text, text);
  EXPECT_EQ(op.told[0].caption, "Prompt");
  op.told.clear();
}

inline void ExpectNoMessage(FakeOperator& op) {
  EXPECT_TRUE(op.told.empty()) << op.told.front().text;
  op.told.clear();
}

}  // namespace q5300::testing
