#include "editing/JobDocument.h"

#include <algorithm>

#include "data/NumberText.h"
#include "data/PageRecord.h"
#include "editing/CellTexts.h"
#include "editing/PageFit.h"
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

PanelDrafts& JobEdit::drafts() {
  return document_.drafts_;
}

std::span<Page> JobEdit::pages() {
  return document_.pages_;
}

int JobEdit::pageCount() const {
  return document_.pageCount();
}

Page* JobEdit::PageAt(int row) {
  return row >= 0 && row < pageCount() ? &document_.pages_[static_cast<std::size_t>(row)] : nullptr;
}

Page* JobEdit::Current() {
  return PageAt(currentRow());
}

int JobEdit::currentRow() const {
  return document_.currentPageIndex();
}

int JobEdit::currentColumn() const {
  return document_.currentColumn_;
}

const CompiledPage& JobEdit::Compiled(Page& page) {
  if (!IsCompiledFor(page, document_.job_.settings)) {
    page.compiled = CompilePage(page, document_.job_.settings);
  }
  return *page.compiled;
}

void JobEdit::SetCurrentPage(int row, bool ensureVisible) {
  JobDocument& d = document_;
  const Page* page = PageAt(row);
  if (page == nullptr) {
    d.currentId_ = 0;
    return;
  }
  d.currentId_ = page->id;
  d.selectRow_ = ensureVisible || d.selectRow_.value_or(false);
}

void JobEdit::SetCurrentColumn(int column) {
  document_.currentColumn_ = column;
}

Page& JobEdit::InsertPage(int row) {
  JobDocument& d = document_;
  Page page;
  page.id = d.nextId_++;
  InitRecord(page.record, d.job_.defaults, d.job_.settings);
  const auto at = std::clamp(row, 0, pageCount());
  return *d.pages_.insert(d.pages_.begin() + at, std::move(page));
}

void JobEdit::RemovePage(int row) {
  JobDocument& d = document_;
  if (PageAt(row) == nullptr) return;
  d.pages_.erase(d.pages_.begin() + row);
}

void JobEdit::DiscardPages() {
  JobDocument& d = document_;
  if (d.watcher_ != nullptr) d.watcher_->JobReplaced();
  d.pages_.clear();
  d.currentId_ = 0;
}

void JobEdit::JoinOtherPages() {
  if (document_.watcher_ != nullptr) document_.watcher_->JobReplaced();
}

int JobEdit::headerCheck() const {
  return document_.headerCheck_;
}

void JobEdit::SetHeaderCheck(int state) {
  document_.headerCheck_ = state;
}

void JobEdit::ReplacesJob() {
  document_.replacesJob_ = true;
}

void JobEdit::SetPath(std::string path) {
  document_.path_ = std::move(path);
}

void JobEdit::MarkSaved() {
  document_.savedSettings_ = document_.job_.settings;
  document_.savedPages_ = document_.pages_;
}

void JobEdit::SetPreviewWidth(double mediaWidthMm) {
  document_.previewWidthMm_ = mediaWidthMm;
  document_.mediaWidthChanged_ = true;
}

void JobEdit::EditCell(int row, int column) {
  document_.currentColumn_ = column;
  document_.editCell_ = std::pair(row, column);
}

// ---- Views --------------------------------------------------------------------------

JobDocument::JobDocument() {
  savedSettings_ = job_.settings;
}

const Page* JobDocument::PageAt(int row) const {
  return row >= 0 && row < pageCount() ? &pages_[static_cast<std::size_t>(row)] : nullptr;
}

int JobDocument::RowOf(PageId id) const {
  if (id == 0) return -1;
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    if (pages_[i].id == id) return static_cast<int>(i);
  }
  return -1;
}

std::vector<PageId> JobDocument::Order() const {
  std::vector<PageId> order;
  order.reserve(pages_.size());
  for (const Page& page : pages_) order.push_back(page.id);
  return order;
}

const PageRecord* JobDocument::currentRecord() const {
  const Page* page = currentPage();
  return page != nullptr && page->compiled ? &page->printer() : nullptr;
}

ControlsState JobDocument::controls() const {
  ControlsState c;
  const JobSettings& s = job_.settings;
  c.material = s.material;
  c.mediaSize = s.mediaSize;
  c.cutting = IndexForCutMode(s.cutMode);
  c.margin = s.margin;
  c.alignment = s.alignment;
  c.density = s.density - 1;
  c.copies = s.copies - 1;
  c.continuous = s.repeatMode != 0;
  c.scope = drafts_.scope;

  const Page* page = currentPage();
  if (page != nullptr && page->compiled) {
    const PageRecord& r = page->printer();
    c.autoLength = r.autoLength != 0;
    c.lengthText = LengthBoxText(c.autoLength ? page->length().lengthDots : r.lengthDots);
    c.repeatText = NumberCellText(r.repeatCount);
    c.fontSize = r.autoFont != 0 ? 0 : std::min<int>(r.fontSize, 6);
    c.width = r.halfWidth != 0 ? 1 : 0;
    c.frame = std::max(IndexForFrame(r.frame), 0);
    c.direction = r.IsVertical() ? 1 : 0;
  } else {
    const PageDefaults& d = job_.defaults;
    c.autoLength = d.autoLength;
    c.lengthText = LengthBoxText(static_cast<int>(static_cast<float>(DotsPerMm) * d.lengthMm));
    c.repeatText = NumberCellText(d.repeatCount);
    c.fontSize = d.autoFont ? 0 : d.fontSize;
    c.frame = std::max(IndexForFrame(d.frame), 0);
    c.direction = d.direction[0] != '0' ? 1 : 0;
  }
  if (drafts_.setLengthChosen) c.autoLength = false;
  c.lengthEditEnabled = !c.autoLength;
  if (drafts_.lengthText) c.lengthText = *drafts_.lengthText;
  if (drafts_.repeatText) c.repeatText = *drafts_.repeatText;
  return c;
}

bool JobDocument::modified() const {
  // Exactly when what the operator put in differs from the file's (or, for a
  // new job, from the empty job it started as): an emptied job may still differ
  // from its file.
  return job_.settings != savedSettings_ ||
         !std::equal(pages_.begin(), pages_.end(), savedPages_.begin(), savedPages_.end(),
                     [](const Page& a, const Page& b) { return SameContent(a, b); });
}

const PageLength& JobDocument::rowLength(int row) const {
  static const PageLength none;
  const Page* page = PageAt(row);
  return page != nullptr && page->compiled ? page->length() : none;
}

PageLength JobDocument::MeasureDraft(int row, int column, std::u16string_view text) const {
  const Page* page = PageAt(row);
  if (page == nullptr) return {};
  PageRecord record = page->record;
  if (column == RepeatColumn) {
    const long count = ReadLeadingInteger(text);
    if (count >= MinRepeat && count <= MaxRepeat) SetRepeat(record, static_cast<uint16_t>(count));
  }
  return q5300::MeasureDraft(record, column == Line1Column ? text : std::u16string_view(page->line1),
                             column == Line2Column ? text : std::u16string_view(page->line2),
                             job_.settings);
}

CompiledJob JobDocument::Compile(RebuildMode mode) const {
  std::vector<PageRecord> records;
  records.reserve(pages_.size());
  for (const Page& page : pages_) {
    PageRecord& r = records.emplace_back(mode == RebuildMode::PrinterMode ? page.compiled->printer
                                                                          : page.compiled->editor);
    r.isCurrent = page.id == currentId_ ? 1 : 0;
  }
  return CompiledJob(std::move(records));
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
  const bool changed = before.settings != job_.settings || before.defaults != job_.defaults ||
                       before.headerCheck != headerCheck_ || before.pages != pages_;
  if (changed) {
    history_.Record(std::move(before), replacesJob_);
    // What was typed into the panel and not set belongs to the job as it was.
    drafts_.End();
  }
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

void JobDocument::SelectPage(int row, int column) {
  const Page* page = PageAt(row);
  if (page == nullptr || depth_ > 0) return;
  const bool moved = page->id != currentId_;
  if (!moved && column == currentColumn_) return;
  currentId_ = page->id;
  currentColumn_ = column;
  if (!moved) return;
  // What was typed into the panel for the page that was current goes with it.
  drafts_.End();
  if (view_ == nullptr) return;
  view_->ControlsChanged();
  RefreshPreview();
  view_->JobChanged();
}

void JobDocument::RefreshPages() {
  counts_ = JobCounts{};
  counts_.pages = pageCount();
  counts_.copies = job_.settings.copies;
  for (Page& page : pages_) {
    if (!IsCompiledFor(page, job_.settings)) page.compiled = CompilePage(page, job_.settings);
    const PageLength& length = page.length();
    counts_.labels += length.labels;
    if (length.labels > 0) ++counts_.printedPages;
    if (length.overLength) ++counts_.overLengthPages;
  }
}

void JobDocument::Tell() {
  RefreshPages();
  const std::optional<bool> select = std::exchange(selectRow_, std::nullopt);
  const bool width = std::exchange(mediaWidthChanged_, false);
  const auto edit = std::exchange(editCell_, std::nullopt);
  if (view_ == nullptr) return;
  view_->JobChanged();
  const int row = currentPageIndex();
  if (select && row >= 0) view_->CurrentPageChanged(row, *select);
  view_->ControlsChanged();
  if (width) view_->MediaWidthChanged(previewWidthMm_);
  RefreshPreview();
  if (edit) view_->EditCell(edit->first, edit->second);
}

void JobDocument::Started() {
  RefreshPages();
  savedSettings_ = job_.settings;
  savedPages_ = pages_;
  history_.Clear();
  if (view_ != nullptr) view_->JobChanged();
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
  PreviewSnapshot snapshot;
  snapshot.alignment = job_.settings.alignment;
  snapshot.repeatMode = job_.settings.repeatMode;
  snapshot.pages.reserve(pages_.size());
  for (const Page& page : pages_) {
    PreviewPage& shown = snapshot.pages.emplace_back(page.compiled->preview);
    shown.current = page.id == currentId_;
  }
  view_->PreviewChanged(snapshot, previewWidthMm_);
}

// ---- Undo ---------------------------------------------------------------------------

JobSnapshot JobDocument::TakeSnapshot() const {
  JobSnapshot s;
  s.settings = job_.settings;
  s.defaults = job_.defaults;
  s.pages = pages_;
  s.headerCheck = headerCheck_;
  s.currentPage = currentId_;
  s.currentColumn = currentColumn_;
  s.path = path_;
  return s;
}

void JobDocument::Restore(const JobSnapshot& s, bool withPath) {
  // Another job comes back: a print job of the pages it replaces ends here.
  if (withPath && watcher_ != nullptr) watcher_->JobReplaced();
  job_.settings = s.settings;
  job_.defaults = s.defaults;
  pages_ = s.pages;
  headerCheck_ = s.headerCheck;
  drafts_.End();
  if (withPath) path_ = s.path;
  if (const auto width = PreviewMediaWidth(job_.settings)) edit_.SetPreviewWidth(*width);
  currentId_ = s.currentPage;
  if (RowOf(currentId_) < 0) edit_.SetCurrentPage(pageCount() - 1);
  selectRow_ = true;
  currentColumn_ = s.currentColumn;
  Tell();
}

void JobDocument::Undo() {
  if (!history_.CanUndo() || depth_ > 0) return;
  const UndoHistory::Step step = history_.Undo(TakeSnapshot());
  Restore(step.job, step.replacedJob);
}

void JobDocument::Redo() {
  if (!history_.CanRedo() || depth_ > 0) return;
  const UndoHistory::Step step = history_.Redo(TakeSnapshot());
  Restore(step.job, step.replacedJob);
}

}  // namespace q5300
