#pragma once

// A workbench as the window has it, on the manual clock and the virtual
// printer, with stand-ins for the operator and the window: the one rig of the
// engine's tests, the benchmarks and the fuzz targets.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "editing/EditingOperator.h"
#include "editing/Headless.h"
#include "editing/Workbench.h"
#include "printer/Clock.h"
#include "printer/TimerQueue.h"
#include "printer/VirtualPrinter.h"
#include "support/FakeOperator.h"
#include "support/FakeWindow.h"
#include "support/RunTimers.h"

namespace q5300::testing {

// The workbench and what it runs on, with `Operator` answering for the operator.
template <typename Operator>
struct WorkbenchOn {
  Operator op;
  ManualClock clock;
  TimerQueue timers{clock};
  VirtualPrinter printer{clock};
  Workbench bench{op, timers, printer, clock};

  // The armed timers run until none is left; false when they never stop.
  bool RunTimers() { return testing::RunTimers(timers, bench); }
};

// An operator who is never asked for anything in particular: shows nothing and
// counts what it was told, answers every question with `yes`, every file dialog
// with `file` (cancels it while there is none), every question about unsaved
// changes with `unsaved`, and cancels every other dialog.
class QuietOperator final : public EditingOperator {
 public:
  std::string file;
  bool yes = true;
  SaveAnswer unsaved = SaveAnswer::Discard;
  int told = 0;

  void Tell(const Message& /*message*/) override { ++told; }
  bool AskYesNo(const Message& /*question*/) override { return yes; }
  std::size_t Choose(const Message& /*question*/, const std::vector<Phrase>& /*answers*/) override {
    return 0;
  }
  std::optional<std::string> ChooseFile(const FileDialog& /*dialog*/) override {
    if (file.empty()) return std::nullopt;
    return file;
  }
  bool RunNumberingDialog(NumberingChoice& /*dialog*/) override { return false; }
  bool RunSymbolPicker(SymbolChoice& /*picker*/) override { return false; }
  bool RunColumnChoice(ColumnChoice& /*choice*/) override { return false; }
  SaveAnswer AskSaveChanges(const Message& /*question*/) override { return unsaved; }
};

// A window just started, without a window: one empty page, the settings of a new
// run, and the preview kept as the strip would get it. Benchmarks and fuzz
// targets run on it.
struct QuietWorkbench : WorkbenchOn<QuietOperator> {
  QuietWorkbench() {
    bench.document.SetView(&view);
    bench.StartUp(/*checkDevice=*/false);
  }
  PreviewCatcher view;
};

// The engine's tests: the operator's answers from a script, and the window that
// hands on what the operator does.
struct WorkbenchParts : WorkbenchOn<FakeOperator> {
  FakeWindow window;

  WorkbenchParts() { window.Attach(bench.document, bench.pages); }

  // A change made to the job as a test sets it up, through the document like
  // every other change.
  void Edit(const std::function<void(JobEdit&)>& change) { bench.document.Change(change); }
  // A line of a page, set as it stands (no check, no measure).
  void SetCell(int row, int column, std::u16string text) {
    Edit([&](JobEdit& e) {
      q5300::Page& page = *e.PageAt(row);
      (column == Line2Column ? page.line2 : page.line1) = std::move(text);
    });
  }
  void SetChecked(int row, bool checked) {
    Edit([&](JobEdit& e) { e.PageAt(row)->record.isChecked = checked ? 1 : 0; });
  }
  // The record of a page, as its attributes are set.
  void EditPage(int row, const std::function<void(PageRecord&)>& change) {
    Edit([&](JobEdit& e) { change(e.PageAt(row)->record); });
  }

  const Job& job() const { return bench.document.job(); }
  GridCells grid() const { return bench.document.grid(); }
  // The page's record as it prints: compiled from its lines and attributes.
  const PageRecord& Page(int row) const { return bench.document.PageAt(row)->printer(); }
  // The page's own record: the attributes as they were set, before a compile.
  const PageRecord& Record(int row) const { return bench.document.PageAt(row)->record; }
  // Every page's record as it prints.
  std::vector<PageRecord> Records() const {
    std::vector<PageRecord> records;
    for (const q5300::Page& page : bench.document.pages()) records.push_back(page.printer());
    return records;
  }
  std::u16string Cell(int row, int column) const { return grid().CellText(row, column); }
  int Rows() const { return grid().rowCount(); }

  // ---- What the operator does, as the window hands it on ---------------------------
  // Adds pages after the current one until the job has `count`.
  void Pages(int count) {
    while (Rows() < count) bench.pages.Add();
  }
  void MakeCurrent(int row) { bench.pages.RowClicked(row, PageColumn); }
  // Types `text` into the cell and ends the edit by a click elsewhere, or by Enter.
  void Type(int row, std::u16string text, int column = Line1Column, bool byEnter = false) {
    window.Commit(row, column, std::move(text), byEnter);
  }
  // Both lines of `row`, taken over as one edit of its first line; false when
  // the page refuses them (and keeps the lines it had).
  bool TypeLines(int row, std::u16string line1, std::u16string line2) {
    bool taken = true;
    Edit([&](JobEdit& e) {
      std::u16string old = std::exchange(e.PageAt(row)->line2, std::move(line2));
      taken = bench.pages.CommitCellEdit(row, Line1Column, std::move(line1), false);
      if (!taken) e.PageAt(row)->line2 = std::move(old);
    });
    return taken;
  }
  // Sets the font size of one page from the panel.
  void FontSize(int row, int size) {
    const ApplyScope scope = bench.document.drafts().scope;
    MakeCurrent(row);
    bench.panel.ScopeChosen(ApplyScope::CurrentPage);
    bench.panel.FontSizeChosen(size);
    bench.panel.ScopeChosen(scope);
  }
  // The column a marker, symbol or placeholder goes into.
  void SetColumn(int column) {
    Edit([&](JobEdit& e) { e.SetCurrentColumn(column); });
  }

  // The steps there are to take back, counted by taking them all back and making
  // them all again.
  int UndoSteps() {
    int steps = 0;
    for (; bench.document.canUndo(); ++steps) bench.document.Undo();
    for (int i = 0; i < steps; ++i) bench.document.Redo();
    return steps;
  }

  // The pages and the grid rows as they stand, to compare with later.
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
    s.pages = Records();
    for (int row = 0; row < Rows(); ++row) {
      std::array<std::u16string, GridColumnCount> cells;
      for (int c = 0; c < GridColumnCount; ++c) cells[static_cast<std::size_t>(c)] = Cell(row, c);
      s.cells.push_back(cells);
      s.checks.push_back(grid().IsChecked(row));
    }
    s.defaults = job().defaults;
    s.settings = job().settings;
    s.currentPageIndex = bench.document.currentPageIndex();
    return s;
  }
};

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

}  // namespace q5300::testing
