// Undo and redo: the job is noted as a value before each change the operator
// makes and put back on request. A print job in progress keeps its own state; it
// prints from the records as they are when each packet goes.
#include "editing/Engine.h"
#include "preview/PreviewGeometry.h"

namespace q5300 {

Engine::Change::Change(Engine& engine, bool replacesJob) : engine_(engine) {
  if (engine_.changeDepth_++ == 0) {
    engine_.changeBefore_ = engine_.TakeSnapshot();
    engine_.changeReplacesJob_ = false;
  }
  if (replacesJob) engine_.changeReplacesJob_ = true;
}

Engine::Change::~Change() {
  if (--engine_.changeDepth_ == 0) engine_.EndChange();
}

void Engine::EndChange() {
  JobSnapshot before = std::move(*changeBefore_);
  changeBefore_.reset();
  // Only what the operator put into the job counts: a refused change, a row made
  // current or lengths measured again leave nothing to take back.
  const bool changed = before.defaults != job_.defaults ||
                       before.headerCheck != grid_.GetHeaderCheckState(CheckColumn) ||
                       TakeJobFingerprint(before.settings, before.records, before.rows) !=
                           TakeJobFingerprint(job_, grid_);
  if (changed) history_.Record(std::move(before), changeReplacesJob_);
  JobChanged();
}

JobSnapshot Engine::TakeSnapshot() const {
  JobSnapshot s;
  s.settings = job_.settings;
  s.defaults = job_.defaults;
  s.records.reserve(static_cast<std::size_t>(job_.pages.size()));
  for (const PageRecord& r : job_.pages) {
    PageRecord& copy = s.records.emplace_back(r);
    copy.prev = nullptr;
    copy.next = nullptr;
  }
  s.rows = grid_.rows();
  s.headerCheck = grid_.GetHeaderCheckState(CheckColumn);
  s.controls = controls_;
  s.currentPage = currentPageIndex_;
  s.currentColumn = grid_.currentColumn();
  s.path = jobPath_;
  return s;
}

void Engine::Restore(const JobSnapshot& s, bool withPath) {
  // Another job comes back: a print job of the pages it replaces ends here.
  if (withPath) printJob_.JobReplaced();
  job_.settings = s.settings;
  job_.defaults = s.defaults;
  job_.pages.FreeAllRecords();
  currentRecord_ = nullptr;
  currentPageIndex_ = -1;
  for (const PageRecord& r : s.records) {
    job_.pages.AppendRecordAs(r, job_.defaults, job_.settings);
  }
  grid_.ReplaceRows(s.rows);
  grid_.SetHeaderCheckState(CheckColumn, s.headerCheck);
  // The scope is how the operator works, not part of the job.
  const ApplyScope scope = controls_.scope;
  controls_ = s.controls;
  controls_.scope = scope;
  if (withPath) jobPath_ = s.path;
  if (const auto width = PreviewMediaWidth(job_.settings)) {
    previewWidthMm_ = *width;
    if (view_ != nullptr) view_->MediaWidthChanged(previewWidthMm_);
  }
  SetCurrentPage(std::min(s.currentPage, grid_.rowCount() - 1));
  grid_.SetCurrentColumn(s.currentColumn);
  ControlsChanged();
  PagesChanged();
  JobChanged();
}

void Engine::Undo() {
  // An edit still open is a change of its own, and the one taken back.
  gridActions_.FocusGrid();
  if (!history_.CanUndo()) return;
  const UndoHistory::Step step = history_.Undo(TakeSnapshot());
  Restore(step.job, step.replacedJob);
}

void Engine::Redo() {
  gridActions_.FocusGrid();
  if (!history_.CanRedo()) return;
  const UndoHistory::Step step = history_.Redo(TakeSnapshot());
  Restore(step.job, step.replacedJob);
}

void Engine::CommitCellEdit(int row, int column, std::u16string text, bool byEnter) {
  const Change change(*this);
  grid_.SetCellText(row, column, std::move(text));
  editEndedByEnter = byEnter;
  CellEdited(row, column);
}

void Engine::RowChecked(int row, bool checked) {
  const Change change(*this);
  grid_.SetChecked(row, checked);
}

void Engine::JobChanged() {
  RefreshLengths();
  if (view_ != nullptr) view_->JobChanged();
}

}  // namespace q5300
