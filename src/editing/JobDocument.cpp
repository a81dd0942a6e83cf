#include "editing/JobDocument.h"

#include <algorithm>

#include "data/NumberText.h"
#include "editing/CellTexts.h"
#include "preview/PreviewGeometry.h"

namespace q5300 {

// ---- JobEdit -----------------------------------------------------------------------

Job& JobEdit::job() {
  return document_.job_;
}

JobSettings& JobEdit::settings() {
  return document_.job_.settings;
}

PageDefaults& JobEdit::defaults() {
  return document_.job_.defaults;
}

GridModel& JobEdit::grid() {
  return document_.grid_;
}

ControlsState& JobEdit::controls() {
  return document_.controls_;
}

const PageList& JobEdit::pages() const {
  return document_.job_.pages;
}

PageRecord* JobEdit::Page(int row) {
  return document_.job_.pages.At(row);
}

PageRecord* JobEdit::Current() {
  return Page(document_.currentRow_);
}

int JobEdit::currentRow() const {
  return document_.currentRow_;
}

int JobEdit::currentColumn() const {
  return document_.currentColumn_;
}

void JobEdit::SetCurrentPage(int row, bool ensureVisible) {
  JobDocument& d = document_;
  if (!d.grid_.IsValidRow(row)) {
    d.currentRow_ = -1;
    return;
  }
  d.currentRow_ = row;
  d.selectRow_ = ensureVisible || d.selectRow_.value_or(false);
  for (int i = 0; i < d.grid_.rowCount(); ++i) {
    d.grid_.SetCellText(i, MarkColumn, i == row ? u"∽" : u"");
    d.grid_.SetCellText(i, PageColumn, NumberCellText(i + 1));
  }
}

void JobEdit::SetCurrentColumn(int column) {
  document_.currentColumn_ = column;
}

PageRecord* JobEdit::InsertPage(int row) {
  JobDocument& d = document_;
  PageList& pages = d.job_.pages;
  PageRecord* record = nullptr;
  if (pages.empty()) {
    record = pages.CreateFirstRecord(d.job_.defaults, d.job_.settings);
  } else if (row >= pages.size()) {
    record = pages.AppendRecord(d.job_.defaults, d.job_.settings);
  } else {
    record = pages.InsertRecordAfter(row == 0 ? nullptr : pages.At(row - 1), d.job_.defaults,
                                     d.job_.settings);
  }
  d.grid_.InsertRow(std::min(row, d.grid_.rowCount()));
  return record;
}

void JobEdit::RemovePage(int row) {
  JobDocument& d = document_;
  PageRecord* const record = d.job_.pages.At(row);
  if (record == nullptr) return;
  d.job_.pages.RemoveRecord(record);
  d.grid_.DeleteRow(row);
}

void JobEdit::DiscardPages() {
  JobDocument& d = document_;
  if (d.watcher_ != nullptr) d.watcher_->JobReplaced();
  d.job_.pages.FreeAllRecords();
  d.grid_.DeleteAllRows();
  d.currentRow_ = -1;
}

void JobEdit::JoinOtherPages() {
  if (document_.watcher_ != nullptr) document_.watcher_->JobReplaced();
}

void JobEdit::ReplacesJob() {
  document_.replacesJob_ = true;
}

void JobEdit::SetPath(std::string path) {
  document_.path_ = std::move(path);
}

void JobEdit::MarkSaved() {
  document_.savedInputs_ = TakeJobFingerprint(document_.job_, document_.grid_);
}

void JobEdit::SetPreviewWidth(double mediaWidthMm) {
  document_.previewWidthMm_ = mediaWidthMm;
  document_.mediaWidthChanged_ = true;
}

void JobEdit::EditCell(int row, int column) {
  document_.currentColumn_ = column;
  document_.editCell_ = std::pair(row, column);
}

void JobEdit::ControlsChanged() {
  document_.controlsChanged_ = true;
}

// ---- The change ---------------------------------------------------------------------

JobDocument::Step::Step(JobDocument& document) : document_(document) {
  if (document_.depth_++ == 0) {
    document_.before_ = document_.TakeSnapshot();
    document_.replacesJob_ = false;
  }
}

JobDocument::Step::~Step() {
  if (--document_.depth_ == 0) document_.EndChange();
}

void JobDocument::EndChange() {
  JobSnapshot before = std::move(*before_);
  before_.reset();
  // Only what the operator put into the job counts: a refused change, a row made
  // current or lengths measured again leave nothing to take back.
  const bool changed = before.defaults != job_.defaults ||
                       before.headerCheck != grid_.GetHeaderCheckState(CheckColumn) ||
                       TakeJobFingerprint(before.settings, before.records, before.rows) !=
                           TakeJobFingerprint(job_, grid_);
  if (changed) history_.Record(std::move(before), replacesJob_);
  replacesJob_ = false;
  Tell();
  // What was left for the end of the change; an action may make a change of its own.
  for (std::function<void()>& action : std::exchange(afterChange_, {})) action();
}

void JobDocument::AfterChange(std::function<void()> action) {
  if (depth_ == 0) {
    action();
  } else {
    afterChange_.push_back(std::move(action));
  }
}

void JobDocument::Tell() {
  RefreshLengths();
  const std::optional<bool> select = std::exchange(selectRow_, std::nullopt);
  const bool controls = std::exchange(controlsChanged_, false);
  const bool width = std::exchange(mediaWidthChanged_, false);
  const auto edit = std::exchange(editCell_, std::nullopt);
  if (view_ == nullptr) return;
  if (select && grid_.IsValidRow(currentRow_)) view_->CurrentPageChanged(currentRow_, *select);
  if (controls) view_->ControlsChanged();
  if (width) view_->MediaWidthChanged(previewWidthMm_);
  RefreshPreview();
  view_->JobChanged();
  if (edit) view_->EditCell(edit->first, edit->second);
}

bool JobDocument::modified() const {
  // Exactly when an input differs from the file's (or, for a new job, from the
  // empty job it started as): an emptied job may still differ from its file.
  return TakeJobFingerprint(job_, grid_) != savedInputs_;
}

void JobDocument::Started() {
  savedInputs_ = TakeJobFingerprint(job_, grid_);
  history_.Clear();
  if (view_ != nullptr) view_->JobChanged();
}

CompiledJob JobDocument::Compile(RebuildMode mode) const {
  return RebuildRecords(mode, grid_, currentRow_, job_.pages, job_.settings.margin);
}

// ---- Preview ------------------------------------------------------------------------

void JobDocument::ShowPreview() {
  previewShown_ = true;
  RefreshPreview();
}

void JobDocument::RefreshPreview() {
  if (!previewShown_) return;
  if (const auto width = PreviewMediaWidth(job_.settings)) previewWidthMm_ = *width;
  if (view_ == nullptr) return;
  // Markers and symbols stay characters of their own for the drawing.
  const CompiledJob compiled = Compile(RebuildMode::EditorMode);
  view_->PreviewChanged(TakePreviewSnapshot(compiled.first(), job_.settings), previewWidthMm_);
}

// ---- Undo ---------------------------------------------------------------------------

JobSnapshot JobDocument::TakeSnapshot() const {
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
  s.currentPage = currentRow_;
  s.currentColumn = currentColumn_;
  s.path = path_;
  return s;
}

void JobDocument::Restore(const JobSnapshot& s, bool withPath) {
  // Another job comes back: a print job of the pages it replaces ends here.
  if (withPath && watcher_ != nullptr) watcher_->JobReplaced();
  job_.settings = s.settings;
  job_.defaults = s.defaults;
  job_.pages.FreeAllRecords();
  currentRow_ = -1;
  for (const PageRecord& r : s.records) job_.pages.AppendRecordAs(r, job_.defaults, job_.settings);
  grid_.ReplaceRows(s.rows);
  grid_.SetHeaderCheckState(CheckColumn, s.headerCheck);
  // The scope is how the operator works, not part of the job.
  const ApplyScope scope = controls_.scope;
  controls_ = s.controls;
  controls_.scope = scope;
  if (withPath) path_ = s.path;
  if (const auto width = PreviewMediaWidth(job_.settings)) edit_.SetPreviewWidth(*width);
  edit_.SetCurrentPage(std::min(s.currentPage, grid_.rowCount() - 1));
  currentColumn_ = s.currentColumn;
  controlsChanged_ = true;
  Tell();
}

void JobDocument::Undo() {
  if (!history_.CanUndo()) return;
  const UndoHistory::Step step = history_.Undo(TakeSnapshot());
  Restore(step.job, step.replacedJob);
}

void JobDocument::Redo() {
  if (!history_.CanRedo()) return;
  const UndoHistory::Step step = history_.Redo(TakeSnapshot());
  Restore(step.job, step.replacedJob);
}

}  // namespace q5300
