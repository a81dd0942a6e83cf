#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "compile/RebuildRecords.h"
#include "data/GridModel.h"
#include "data/Job.h"
#include "editing/Controls.h"
#include "editing/JobFingerprint.h"
#include "editing/PageLength.h"
#include "editing/UndoHistory.h"
#include "preview/PreviewSnapshot.h"

namespace q5300 {

// Told, once a change is through, what the window shows of it.
class DocumentView {
 public:
  virtual ~DocumentView() = default;
  // The job, its file, whether it is saved, its lengths or the current page may
  // have changed.
  virtual void JobChanged() {}
  // What the controls show changed.
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
  // The job's medium and settings, and its pages as one (the media codes carried
  // into every page); pages come and go through the operations below.
  Job& job();
  JobSettings& settings();
  PageDefaults& defaults();
  GridModel& grid();
  ControlsState& controls();
  const PageList& pages() const;

  // ---- Pages ------------------------------------------------------------------
  PageRecord* Page(int row);
  // The current page's record, or null.
  PageRecord* Current();
  int currentRow() const;
  int currentColumn() const;
  // Makes `row` the current page, marks it and renumbers the page column; an
  // invalid row leaves no current page. The grid follows once the change is through.
  void SetCurrentPage(int row, bool ensureVisible = true);
  void SetCurrentColumn(int column);
  // A new record of the defaults and a row for it, at `row`.
  PageRecord* InsertPage(int row);
  // The record and the row go; the page after it takes its place.
  void RemovePage(int row);
  // Every page goes, to make way for another job's pages.
  void DiscardPages();
  // Pages of another job join this one's: a print job of the pages there were ends.
  void JoinOtherPages();

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
  // The controls show something new.
  void ControlsChanged();

 private:
  friend class JobDocument;
  explicit JobEdit(JobDocument& document) : document_(document) {}
  JobDocument& document_;
};

// The job document: the job's pages and settings, the grid that shows them,
// what the controls show, the current page, the file it belongs to and the
// undo history. It is the one owner of the job: others get const views, and
// every change goes through Change, which takes the undo step for it and tells
// the view once it is through.
//
// A stored record's text is the printer's form as a committed edit compiled it,
// and nothing compiles it into another form: what needs the records in a form
// (the preview, a label file, a packet) compiles a copy with Compile, from the
// grid's lines as they are at that moment.
class JobDocument {
 public:
  JobDocument() = default;
  JobDocument(const JobDocument&) = delete;
  JobDocument& operator=(const JobDocument&) = delete;

  void SetView(DocumentView* view) { view_ = view; }
  void SetWatcher(PageWatcher* watcher) { watcher_ = watcher; }

  // ---- Views ------------------------------------------------------------------------
  const Job& job() const { return job_; }
  const GridModel& grid() const { return grid_; }
  const ControlsState& controls() const { return controls_; }
  int currentPageIndex() const { return currentRow_; }
  int currentColumn() const { return currentColumn_; }
  const PageRecord* currentRecord() const { return job_.pages.At(currentRow_); }
  // The label file the job was last saved as or opened from; empty for a new job.
  const std::string& jobPath() const { return path_; }
  // Closing now would lose the operator's work: the job's inputs differ from
  // those of the job as it was last saved as a qxk file, opened in place of the
  // job, or started (one empty page).
  bool modified() const;
  bool canUndo() const { return history_.CanUndo(); }
  bool canRedo() const { return history_.CanRedo(); }
  // About how much memory the undo history takes, in bytes.
  std::size_t undoMemoryBytes() const { return history_.MemoryBytes(); }

  // The current lengths of a row's page, as of the last change; a row outside
  // the grid has none.
  const PageLength& rowLength(int row) const;
  const JobCounts& counts() const { return counts_; }
  // The page of `row` as it would be with `text` in `column` (an edit not yet committed).
  PageLength MeasureDraft(int row, int column, std::u16string_view text) const;

  // The job's records compiled in `mode`, the job left as it is: for the preview,
  // a save, a packet.
  CompiledJob Compile(RebuildMode mode) const;

  // ---- Changes ------------------------------------------------------------------------
  // Runs `command` on the job as one change: an undo step when the operator's
  // inputs differ at its end, then the view is told. A change made inside
  // another is part of it.
  template <typename Command>
  std::invoke_result_t<Command, JobEdit&> Change(Command&& command) {
    const Step step(*this);
    return command(edit_);
  }
  // What the controls show, and nothing of the job: no undo step, no lengths.
  // The view is told when `command` returns true.
  template <typename Command>
  void ChangeControls(Command&& command) {
    if (command(controls_) && view_ != nullptr) view_->ControlsChanged();
  }
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
  void RefreshLengths();
  void RefreshPreview();
  // The view learns of the change: the current page, the controls, the preview
  // and the job, then an edit to open.
  void Tell();

  Job job_;
  GridModel grid_;
  ControlsState controls_;
  int currentRow_ = -1;
  int currentColumn_ = 0;
  std::string path_;
  JobFingerprint savedInputs_;
  UndoHistory history_;
  std::vector<PageLength> lengths_;
  JobCounts counts_;
  bool previewShown_ = false;
  double previewWidthMm_ = 9.0;

  JobEdit edit_{*this};
  int depth_ = 0;
  std::vector<std::function<void()>> afterChange_;
  std::optional<JobSnapshot> before_;
  bool replacesJob_ = false;
  // What the view is to learn at the end of the change.
  bool controlsChanged_ = false;
  bool mediaWidthChanged_ = false;
  std::optional<bool> selectRow_;  // ensureVisible
  std::optional<std::pair<int, int>> editCell_;

  DocumentView* view_ = nullptr;
  PageWatcher* watcher_ = nullptr;
};

}  // namespace q5300
