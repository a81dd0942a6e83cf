#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "compile/RebuildRecords.h"
#include "data/GridModel.h"
#include "data/Job.h"
#include "editing/Controls.h"
#include "editing/EditingOperator.h"
#include "editing/GridActions.h"
#include "editing/JobFingerprint.h"
#include "editing/PageLength.h"
#include "editing/UndoHistory.h"
#include "files/CsvExport.h"
#include "files/ImportRules.h"
#include "files/LabelFile.h"
#include "preview/PreviewSnapshot.h"
#include "printer/Clock.h"
#include "printer/Device.h"
#include "printer/PrintJob.h"
#include "printer/PrinterLink.h"
#include "printer/StatusPopup.h"
#include "printer/TimerService.h"

namespace q5300 {

// Told when something the window shows has changed outside the grid model.
class WindowView {
 public:
  virtual ~WindowView() = default;
  virtual void ControlsChanged() {}
  // Page records were added, removed or replaced: nobody may keep a record pointer.
  virtual void PagesChanged() {}
  // The preview is to show this job, on a medium this wide.
  virtual void PreviewChanged(const PreviewSnapshot& /*snapshot*/, double /*mediaWidthMm*/) {}
  // The medium changed; the preview takes the width at its next drawing.
  virtual void MediaWidthChanged(double /*mediaWidthMm*/) {}
  // A print job opened a printer: which one, and which were passed over.
  virtual void PrinterChanged(const std::string& /*note*/) {}
  // A command is through: the job, its file, whether it is saved, its lengths or
  // the current page may have changed.
  virtual void JobChanged() {}
};

// Everything the main window does to a job. The window passes the operator's
// actions in and shows the state that comes out; the engine owns the job for
// the life of the window.
class Engine final : private PrintSource {
 public:
  Engine(EditingOperator& op, GridActions& gridActions, TimerService& timers, Device& device,
         Clock& clock);
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;
  ~Engine() override;

  void SetView(WindowView* view) { view_ = view; }

  // The header's check box, the first empty page and, unless the window does
  // it later (once it shows), the device check.
  void StartUp(bool checkDevice = true);
  // Looks once for the printer, changing nothing on it, and tells the operator
  // when there is none. The look runs on the printer's worker.
  void CheckDevice() { printJob_.CheckDevice(); }

  // ---- State --------------------------------------------------------------------
  Job& job() { return job_; }
  const Job& job() const { return job_; }
  GridModel& grid() { return grid_; }
  const GridModel& grid() const { return grid_; }
  const ControlsState& controls() const { return controls_; }
  PrinterLink& link() { return link_; }
  StatusPopup& popup() { return popup_; }
  PrintJob& printJob() { return printJob_; }
  PageRecord* currentRecord() const { return currentRecord_; }
  int currentPageIndex() const { return currentPageIndex_; }
  // Set by the cell editor when Enter ends an edit; cleared by CellEdited.
  bool editEndedByEnter = false;

  // ---- Pages ----------------------------------------------------------------------
  void Add();
  void Delete();
  // Makes `row` the current page, marks it and renumbers the page column. An
  // invalid row leaves no current page.
  void SetCurrentPage(int row);

  // ---- Media bar --------------------------------------------------------------------
  void MaterialChosen(int index);
  void SizeChosen(int index);
  void CuttingChosen(int index);
  void MarginChosen(int index);
  void AlignmentChosen(int index);
  void DensityChosen(int index);
  void CopiesChosen(int index);
  void RepeatModeChosen(bool continuous);

  // ---- Page panel -------------------------------------------------------------------
  void ScopeChosen(ApplyScope scope);
  void AutoLengthClicked();
  void SetLengthModeClicked();
  void SetLengthPressed();
  void LengthTextChanged(std::u16string text);
  void RepeatTextChanged(std::u16string text);
  void FontSizeChosen(int index);
  void WidthChosen(int index);
  void FrameChosen(int index);
  void DirectionChosen(int index);
  void SetRepeatPressed();
  // Largest font size from 1 to the medium's maximum at which the page keeps to its
  // set length. False when none fits (the size is then as it was).
  bool FitFontSize(PageRecord& record);

  // ---- Grid -------------------------------------------------------------------------
  void RowClicked(int row, int column);
  bool CellEditQuery(int row, int column);
  void CellEdited(int row, int column);
  // The grid's report of a committed edit: the text goes into the cell, then on
  // as CellEdited. One change, taken back as a whole.
  void CommitCellEdit(int row, int column, std::u16string text, bool byEnter);
  // The operator ticked or cleared the box of a row.
  void RowChecked(int row, bool checked);
  // The two lines fit into one page record: at most 40 characters and 40 bytes.
  static bool FitsOnePage(std::u16string_view line1, std::u16string_view line2);
  void HeadingClicked(int column);

  // ---- Numbering, markers, symbols -----------------------------------------------------
  void NumberingPressed();
  void Superscript();
  void Subscript();
  void ElectricalSymbols();

  // ---- Preview ----------------------------------------------------------------------
  // The preview command: the records compiled from the grid, and the job handed
  // to the preview strip.
  void Preview();
  // Shows the job as it is now, when the preview has been shown before (after
  // pages were added, deleted or replaced).
  void RefreshPreview();
  bool previewShown() const { return previewShown_; }
  double previewWidthMm() const { return previewWidthMm_; }

  // ---- Printing ---------------------------------------------------------------------
  void Print() { printJob_.Print(); }
  // Prints from the page at list position `start` without asking.
  void PrintFrom(int start) { printJob_.PrintFrom(start); }
  void TimerFired(TimerId id) { printJob_.TimerFired(id); }
  void StopPressed() { popup_.StopPressed(); }
  // The USB work of print jobs runs on a thread of its own from now on; its
  // reports come back through `dispatcher` to the thread that owns the engine.
  void RunPrinterOnThread(Dispatcher& dispatcher) { link_.worker().StartThread(dispatcher); }

 private:
  // PrintSource
  void PrepareForPrinting() override;
  void RecompileForPrinter() override { Rebuild(RebuildMode::PrinterMode); }
  PageRecord* FirstRecord() override { return job_.pages.first(); }
  int RowCount() const override { return grid_.rowCount(); }
  const JobSettings& Settings() const override { return job_.settings; }

  // Walks the pages in scope from the current one; `visit` gets the record and its row.
  template <typename Visit>
  void WalkScope(Visit visit);
  void Tell(const std::string& text);
  void Rebuild(RebuildMode mode);
  void ControlsChanged();
  void PagesChanged();
  // Reads edits 1019 and 1020 into their values, each when it reads as a number;
  // false (after a prompt) when the edit of the pressed button does not.
  bool ReadPanelEdits(bool lengthButton);
  void InsertMarker(char16_t marker, bool superscript, const char* overLengthMessage);

  EditingOperator& op_;
  GridActions& gridActions_;
  TimerService& timers_;
  Clock& clock_;
  Job job_;
  GridModel grid_;
  ControlsState controls_;
  PrinterLink link_;
  StatusPopup popup_;
  PrintJob printJob_;
  WindowView* view_ = nullptr;
  PageRecord* currentRecord_ = nullptr;
  int currentPageIndex_ = -1;
  bool previewShown_ = false;
  double previewWidthMm_ = 9.0;
  float lengthValue_ = 20.0f;  // bound to edit 1019
  int32_t repeatValue_ = 1;    // bound to edit 1020

  // ---- Undo and redo (Undo.cpp) ----------------------------------------------------------
 public:
  // Takes back the last change to the job, or makes again the last one taken
  // back. An edit still open is committed first, as a change of its own.
  void Undo();
  void Redo();
  bool canUndo() const { return history_.CanUndo(); }
  bool canRedo() const { return history_.CanRedo(); }
  const UndoHistory& history() const { return history_; }
  // The label file the job was last saved as or opened from; empty for a new job.
  const std::string& jobPath() const { return jobPath_; }

 private:
  // One change the operator makes. The outermost one notes the job as it was and
  // records it for undo when the operator's inputs differ at its end.
  class Change {
   public:
    explicit Change(Engine& engine, bool replacesJob = false);
    ~Change();
    Change(const Change&) = delete;
    Change& operator=(const Change&) = delete;

   private:
    Engine& engine_;
  };
  void EndChange();
  JobSnapshot TakeSnapshot() const;
  void Restore(const JobSnapshot& snapshot, bool withPath);
  void JobChanged();

  UndoHistory history_;
  int changeDepth_ = 0;
  std::optional<JobSnapshot> changeBefore_;
  bool changeReplacesJob_ = false;
  std::string jobPath_;

  // ---- Lengths at a glance (Lengths.cpp) ---------------------------------------------------
 public:
  // The current lengths of a row's page, as of the last command; a row outside
  // the grid has none.
  const PageLength& rowLength(int row) const;
  const JobCounts& counts() const { return counts_; }
  // The page of `row` as it would be with `text` in `column` (an edit not yet committed).
  PageLength MeasureDraft(int row, int column, std::u16string_view text);

 private:
  PageLength Measure(const PageRecord& record, std::u16string_view line1,
                     std::u16string_view line2);
  // The record takes the text as the printer gets it, so a packet still to go
  // carries it right and the length is measured on what is printed (a marker is
  // one control byte there, not a double-byte character); the automatic font
  // size is fitted to a set length.
  void TakeText(PageRecord& page, std::u16string_view line1, std::u16string_view line2);
  void RefreshLengths();
  std::vector<PageLength> lengths_;
  JobCounts counts_;

  // ---- Label files and CSV import (FileCommands.cpp) -----------------------------------
 public:
  void Open();
  void Save();
  void SaveU();
  void Import();
  // Opens the label file at `path` as the Open command does once a file is chosen
  // (a file named on the command line). False, the operator told, when it is refused.
  bool OpenFile(const std::string& path);

  // The same commands on a file named by the caller, without a dialog or a
  // question. Each is false, the operator told why, when nothing was done.
  // Reads, checks and takes in a label file: in place of the job (`discard`) or
  // after its pages. A refused file leaves the job as it was.
  bool OpenLabelFile(const std::string& path, bool discard);
  // Replaces the job with the pages of an import file: text (.csv, .txt) or a
  // spreadsheet (.xlsx, .ods).
  bool ImportFile(const std::string& path);
  // Replaces the job with pages an import file gave (`path` names the file in
  // messages). The job stays as it was when there are none.
  bool ImportPages(const CsvImport& import, const std::string& path);
  // Writes the job to `path` as it stands, as Save (qxk) or SaveU (qxu) writes it.
  bool SaveLabelFile(const std::string& path, LabelFileKind kind);

  // The same without the disk: the bytes of a label file read from `path`, and
  // the bytes a save writes (the records rebuilt and, for a qxu file, stamped).
  bool OpenLabelBytes(std::span<const uint8_t> bytes, LabelFileKind kind, const std::string& path,
                      bool discard);
  Result<std::vector<uint8_t>> LabelFileBytes(LabelFileKind kind);

 private:
  void DiscardJob();
  void TellUnclosedQuote(const CsvImport& import, const std::string& path);
  void ShowRecordInRow(int row, const PageRecord& record);
  void ShowSettingsInControls(bool withCopies);
  // The saving commands may write to `path`, made from the name the dialog returned.
  bool MayWrite(const std::string& chosen, const std::string& path);

  // ---- CSV export (ExportCommand.cpp) --------------------------------------------------
 public:
  // The export command: a save dialog for a .csv file, then ExportCsvFile.
  void Export(CsvEncoding encoding);
  // Writes the job's pages to `path` as an import file that gives the same
  // pages back. False, the operator told why, when nothing was written.
  bool ExportCsvFile(const std::string& path, CsvEncoding encoding);
  // Each page's lines as the grid shows them and its repeat count.
  std::vector<CsvPage> ExportedPages() const;

  // ---- Leaving a job (Closing.cpp) ------------------------------------------------------
 public:
  // Closing now would lose the operator's work: the job holds text, and its inputs
  // differ from those of the job as it was last saved as a qxk file, opened in
  // place of the job, or started.
  bool modified() const;
  // The window is about to close: an open cell edit is committed, and a job with
  // changes that are not saved asks whether to save them first. True when the
  // window may close: nothing to save, saved, or the operator chose to discard.
  bool MayClose();
  // "나가기": the window's OK action reads the length and repeat edits into their
  // values first; false, after a prompt, when one does not read as a number.
  bool ExitPressed();

 private:
  // The job as it is now counts as saved.
  void MarkSaved();
  JobFingerprint savedInputs_;
};

}  // namespace q5300
