#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "editing/JobDocument.h"
#include "editing/PageCommands.h"

namespace q5300::testing {

// Stands in for the window around a workbench: it records what the document
// asks the grid to show (rows selected, editors opened), and it holds an edit
// being typed in a cell, which it commits before it hands on a command, as the
// window does.
class FakeWindow : public DocumentView {
 public:
  struct Edit {
    int row = 0;
    int column = 0;
    std::u16string text;
    bool byEnter = false;
  };

  void Attach(JobDocument& document, PageCommands& pages) {
    pages_ = &pages;
    document.SetView(this);
  }

  // Types `text` into (row, column) and leaves the editor open.
  void Type(int row, int column, std::u16string text) {
    openEdit = Edit{row, column, std::move(text), false};
  }
  // Types and ends the edit with Enter (or by a click elsewhere).
  void Commit(int row, int column, std::u16string text, bool byEnter = true) {
    openEdit = Edit{row, column, std::move(text), byEnter};
    CommitOpenEdit();
  }
  // The open edit, if any, goes in as the window commits it before a command.
  void CommitOpenEdit() {
    ++commits;
    if (!openEdit || pages_ == nullptr) return;
    const Edit edit = *std::exchange(openEdit, std::nullopt);
    pages_->CommitCellEdit(edit.row, edit.column, edit.text, edit.byEnter);
  }
  // `command` as the window runs it: the open edit committed first.
  template <typename Command>
  void Run(Command&& command) {
    CommitOpenEdit();
    command();
  }

  // DocumentView
  void CurrentPageChanged(int row, bool /*ensureVisible*/) override { selectedRows.push_back(row); }
  void EditCell(int row, int column) override { begunEdits.emplace_back(row, column); }
  void JobChanged() override { ++jobChanges; }
  void ControlsChanged() override { ++controlsChanges; }
  void PreviewChanged(const PreviewSnapshot& snapshot, double width) override {
    preview = snapshot;
    mediaWidthMm = width;
  }
  void MediaWidthChanged(double width) override { mediaWidthMm = width; }

  std::optional<Edit> openEdit;
  std::vector<std::pair<int, int>> begunEdits;
  std::vector<int> selectedRows;
  std::optional<PreviewSnapshot> preview;
  double mediaWidthMm = 9.0;
  int commits = 0;
  int jobChanges = 0;
  int controlsChanges = 0;

 private:
  PageCommands* pages_ = nullptr;
};

}  // namespace q5300::testing
