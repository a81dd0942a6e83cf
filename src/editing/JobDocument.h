#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "compile/RebuildRecords.h"
#include "data/Job.h"
#include "editing/Controls.h"
#include "editing/GridCells.h"
#include "editing/Page.h"
#include "editing/PageLength.h"
#include "editing/UndoHistory.h"
#include "preview/PreviewSnapshot.h"

namespace q5300 {

// Told, once a change is through, what the window shows of it.
class DocumentView {
 public:
  virtual ~DocumentView() = default;
  // The job, its pages, its file, whether it is saved, its lengths or the
  // current page may have changed.
  virtual void JobChanged() {}
  // What the controls show may have changed: they show the job's settings and
  // the current page.
  virtual void ControlsChanged() {}
  // The preview is to show this job, on a medium this wide.
  virtual void PreviewChanged(const PreviewSnapshot& /*snapshot*/, double /*mediaWidthMm*/) {}
  // The medium changed; the preview takes the width at its next drawing.
  virtual void MediaWidthChanged(double /*mediaWidthMm*/) {}
  // The current page is `row`: the grid selects it, and scrolls it fully into
  // view when asked.
  virtual void CurrentPageChanged(int /*row*/, bool /*ensureVisible*/) {}
  // The operator goes on typing at (row, column): the grid opens its editor there.
  virtual void EditCell(int /*row*/, int /*column*/) {}
};

// Told before the job's pages make way for another job's, so that what goes
// on from them (a print job under way) can follow. Pages that come and go one
// by one need no word: a print job follows them by identity.
class PageWatcher {
 public:
  virtual ~PageWatcher() = default;
  // Every page is about to make way for another job's.
  virtual void JobReplaced() = 0;
};

class JobDocument;

// The job open for the change of one command: what the command may change,
// and nothing changes the job any other way.
class JobEdit {
 public:
  // The job's medium and settings and the defaults of new pages.
  Job& job();
  JobSettings& settings();
  PageDefaults& defaults();
  // What the operator has typed into the page panel's boxes and not yet set.
  PanelDrafts& drafts();
  std::span<Page> pages();
  int pageCount() const;

  // ---- Pages ------------------------------------------------------------------
  // The page at `row`, or null.
  Page* PageAt(int row);
  // The current page, or null.
  Page* Current();
  int currentRow() const;
  int currentColumn() const;
  // The page compiled as it stands now: compiled again only when its lines,
  // its attributes or the settings it was compiled for changed.
  const CompiledPage& Compiled(Page& page);
  // Makes `row` the current page; an invalid row leaves no current page. The
  // grid follows once the change is through.
  void SetCurrentPage(int row, bool ensureVisible = true);
  void SetCurrentColumn(int column);
  // A new page of the defaults, with an identity of its own, at `row`.
  Page& InsertPage(int row);
  // The page goes; the page after it takes its place.
  void RemovePage(int row);
  // Every page goes, to make way for another job's pages.
  void DiscardPages();
  // Pages of another job join this one's: a print job of the pages there were ends.
  void JoinOtherPages();
  // The heading's check box: 0 none, 1 empty, 2 ticked.
  int headerCheck() const;
  void SetHeaderCheck(int state);

  // ---- The job as a whole -------------------------------------------------------
  // The job replaces the one there was (a file opened or imported): taking it
  // back brings the other job back, with its file.
  void ReplacesJob();
  void SetPath(std::string path);
  // The job as it is now counts as saved.
  void MarkSaved();
  // The medium the preview draws on.
  void SetPreviewWidth(double mediaWidthMm);
  // The operator goes on typing at (row, column) once the change is through.
  void EditCell(int row, int column);

 private:
  friend class JobDocument;
  explicit JobEdit(JobDocument& document) : document_(document) {}
  JobDocument& document_;
};

// The job document: the job's settings and its pages, one value each, the
// current page, the file it belongs to and the undo history. It is the one
// owner of the job: others get const views, and every change goes through
// Change, which takes the undo step for it, compiles the pages that changed
// and tells the view once it is through. What the grid, the panel, the status
// line and the preview show is worked out from the pages.
class JobDocument {
 public:
  JobDocument();
  JobDocument(const JobDocument&) = delete;
  JobDocument& operator=(const JobDocument&) = delete;

  void SetView(DocumentView* view) { view_ = view; }
  void SetWatcher(PageWatcher* watcher) { watcher_ = watcher; }

  // ---- Views ------------------------------------------------------------------------
  const Job& job() const { return job_; }
  std::span<const Page> pages() const { return pages_; }
  int pageCount() const { return static_cast<int>(pages_.size()); }
  // The page at `row`, or null.
  const Page* PageAt(int row) const;
  // The row of the page `id`, or -1.
  int RowOf(PageId id) const;
  // The pages' identities in row order.
  std::vector<PageId> Order() const;
  // The label grid's cells, worked out from the pages.
  GridCells grid() const { return GridCells(*this); }
  int headerCheck() const { return headerCheck_; }
  // What the media bar and the page panel show: the job's settings, the
  // current page's attributes and what the operator has typed and not yet set.
  ControlsState controls() const;
  const PanelDrafts& drafts() const { return drafts_; }
  int currentPageIndex() const { return RowOf(currentId_); }
  int currentColumn() const { return currentColumn_; }
  const Page* currentPage() const { return PageAt(currentPageIndex()); }
  // The current page's record in the printer's form, or null.
  const PageRecord* currentRecord() const;
  // The label file the job was last saved as or opened from; empty for a new job.
  const std::string& jobPath() const { return path_; }
  // Closing now would lose the operator's work: the job's content differs from
  // the job as it was last saved as a qxk file, opened in place of the job, or
  // started (one empty page).
  bool modified() const;
  bool canUndo() const { return history_.CanUndo(); }
  bool canRedo() const { return history_.CanRedo(); }
  // About how much memory the undo history takes, in bytes.
  std::size_t undoMemoryBytes() const { return history_.MemoryBytes(); }

  // The lengths of a row's page; a row outside the grid has none.
  const PageLength& rowLength(int row) const;
  const JobCounts& counts() const { return counts_; }
  // The page of `row` as it would be with `text` in `column` (an edit not yet
  // committed): one compile of its text.
  PageLength MeasureDraft(int row, int column, std::u16string_view text) const;

  // The job's records in `mode` as the pages were last compiled, the current
  // page's marked: for a label file, a packet, the command line.
  CompiledJob Compile(RebuildMode mode) const;

  // ---- Changes ------------------------------------------------------------------------
  // Runs `command` on the job as one change: an undo step when the job differs
  // at its end, then the view is told. A change made inside another is part of it.
  template <typename Command>
  std::invoke_result_t<Command, JobEdit&> Change(Command&& command) {
    const Step step(*this);
    return command(edit_);
  }
  // What the operator has typed into the panel's boxes, and nothing of the
  // job: no undo step. The view is told when `command` returns true.
  template <typename Command>
  void ChangeDrafts(Command&& command) {
    if (command(drafts_) && view_ != nullptr) view_->ControlsChanged();
  }
  // The grid's selection moved to `row` (and `column`): it is the current
  // page. Nothing of the job changes; the view follows.
  void SelectPage(int row, int column);
  // Runs `action` once the change under way has ended and the view shows it
  // (a message about the change then stands beside the job as it now is); at
  // once when no change is under way.
  void AfterChange(std::function<void()> action);
  // Takes back the last change, or makes again the last one taken back.
  void Undo();
  void Redo();
  // The job as it stands is where it starts: saved, with nothing to take back.
  void Started();

  // From now on the preview shows the job, and follows every change.
  void ShowPreview();
  bool previewShown() const { return previewShown_; }

 private:
  friend class JobEdit;
  // The outermost change notes the job as it was and ends the change.
  class Step {
   public:
    explicit Step(JobDocument& document);
    ~Step();
    Step(const Step&) = delete;
    Step& operator=(const Step&) = delete;

   private:
    JobDocument& document_;
  };

  void EndChange();
  JobSnapshot TakeSnapshot() const;
  void Restore(const JobSnapshot& snapshot, bool withPath);
  // Compiles every page that changed since it was last compiled, and counts the job.
  void RefreshPages();
  void RefreshPreview();
  // The view learns of the change: the current page, the controls, the preview
  // and the job, then an edit to open.
  void Tell();

  Job job_;
  std::vector<Page> pages_;
  PageId nextId_ = 1;
  int headerCheck_ = CheckedBox;
  PanelDrafts drafts_;
  PageId currentId_ = 0;
  int currentColumn_ = 0;
  std::string path_;
  // The job as it was last saved, opened or started.
  JobSettings savedSettings_;
  std::vector<Page> savedPages_;
  UndoHistory history_;
  JobCounts counts_;
  bool previewShown_ = false;
  double previewWidthMm_ = 9.0;

  JobEdit edit_{*this};
  int depth_ = 0;
  std::vector<std::function<void()>> afterChange_;
  std::optional<JobSnapshot> before_;
  bool replacesJob_ = false;
  // What the view is to learn at the end of the change.
  bool mediaWidthChanged_ = false;
  std::optional<bool> selectRow_;  // ensureVisible
  std::optional<std::pair<int, int>> editCell_;

  DocumentView* view_ = nullptr;
  PageWatcher* watcher_ = nullptr;
};

}  // namespace q5300
