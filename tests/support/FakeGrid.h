#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "editing/Engine.h"
#include "editing/GridActions.h"

namespace q5300::testing {

// Stands in for the grid widget: an open cell edit commits when the grid takes
// the focus, as the widget's editor does, and reports to the engine.
class FakeGrid : public GridActions {
 public:
  struct Edit {
    int row = 0;
    int column = 0;
    std::u16string text;
    bool byEnter = false;
  };

  void Attach(Engine& engine) { engine_ = &engine; }

  // Types `text` into (row, column) and leaves the editor open.
  void Type(int row, int column, std::u16string text) {
    openEdit = Edit{row, column, std::move(text), false};
  }
  // Types and ends the edit with Enter (or by a click elsewhere).
  void Commit(int row, int column, std::u16string text, bool byEnter = true) {
    openEdit = Edit{row, column, std::move(text), byEnter};
    FocusGrid();
  }

  void FocusGrid() override {
    ++focusCount;
    if (!openEdit || engine_ == nullptr) return;
    const Edit edit = *std::exchange(openEdit, std::nullopt);
    engine_->CommitCellEdit(edit.row, edit.column, edit.text, edit.byEnter);
  }
  void BeginCellEdit(int row, int column) override {
    begunEdits.emplace_back(row, column);
    engine_->grid().SetCurrentColumn(column);
  }
  void SelectRow(int row, bool /*ensureVisible*/) override { selectedRows.push_back(row); }

  std::optional<Edit> openEdit;
  std::vector<std::pair<int, int>> begunEdits;
  std::vector<int> selectedRows;
  int focusCount = 0;

 private:
  Engine* engine_ = nullptr;
};

}  // namespace q5300::testing
