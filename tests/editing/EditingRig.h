#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "editing/CellTexts.h"
#include "editing/Engine.h"
#include "printer/TimerQueue.h"
#include "printer/VirtualPrinter.h"
#include "support/FakeGrid.h"
#include "support/FakeOperator.h"

namespace q5300::testing {

// What the operator sets on a page, and what a refused change must leave alone.
// The computed widths are left out: an over-length test refreshes them.
inline auto Attributes(const PageRecord& r) {
  return std::make_tuple(r.hasNumbering, r.numNumber, r.numFixed, r.numHex2, r.numHex1, r.numUpper,
                         r.numLower, r.twoLines, r.scriptCount, r.autoLength, r.autoFont, r.frame,
                         r.textLength, r.direction, r.fontSize, r.halfWidth, r.materialCode,
                         r.lengthCode, r.sizeCode, r.repeatText, r.repeatCount,
                         r.autoLength != 0 ? 0 : r.lengthDots, r.numStart, r.numEnd, r.text,
                         r.repeatCode, r.isChecked, r.creationNo);
}

// An engine on a job that has just started (one empty page, no printer), with
// the fakes of the window around it.
struct Rig {
  Rig() {
    printer.RefuseOpen(OpenStatus::NoDevice);
    ui.Attach(engine);
    engine.StartUp();
    op.told.clear();
  }

  PageRecord& Page(int row) { return *engine.job().pages.At(row); }
  const std::u16string& Cell(int row, int column) { return engine.grid().CellText(row, column); }
  int Rows() const { return engine.grid().rowCount(); }

  // Adds pages after the current one until the job has `count`.
  void Pages(int count) {
    while (Rows() < count) engine.Add();
  }
  void MakeCurrent(int row) { engine.RowClicked(row, PageColumn); }
  // Types the first line of `row` and ends the edit by a click elsewhere.
  void TypeLine1(int row, std::u16string text) {
    ui.Commit(row, Line1Column, std::move(text), /*byEnter=*/false);
  }
  // Both lines of `row`, taken over as one edit of its first line.
  void TypeLines(int row, std::u16string line1, std::u16string line2) {
    engine.grid().SetCellText(row, Line2Column, std::move(line2));
    TypeLine1(row, std::move(line1));
  }
  // Sets the font size of one page from the panel.
  void FontSize(int row, int size) {
    const ApplyScope scope = engine.controls().scope;
    MakeCurrent(row);
    engine.ScopeChosen(ApplyScope::CurrentPage);
    engine.FontSizeChosen(size);
    engine.ScopeChosen(scope);
  }

  struct Snapshot {
    std::vector<PageRecord> pages;
    std::vector<std::array<std::u16string, GridColumnCount>> cells;
    std::vector<bool> checks;
    PageDefaults defaults;
    JobSettings settings;
    int currentPageIndex = -1;
  };
  Snapshot Take() const {
    Snapshot s;
    for (const PageRecord& r : engine.job().pages) s.pages.push_back(r);
    const GridModel& g = engine.grid();
    for (int row = 0; row < g.rowCount(); ++row) {
      std::array<std::u16string, GridColumnCount> cells;
      for (int c = 0; c < GridColumnCount; ++c)
        cells[static_cast<std::size_t>(c)] = g.CellText(row, c);
      s.cells.push_back(cells);
      s.checks.push_back(g.IsChecked(row));
    }
    s.defaults = engine.job().defaults;
    s.settings = engine.job().settings;
    s.currentPageIndex = engine.currentPageIndex();
    return s;
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

  FakeOperator op;
  FakeGrid ui;
  ManualClock clock;
  TimerQueue timers{clock};
  VirtualPrinter printer{clock};
  Engine engine{op, ui, timers, printer, clock};
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
