#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "editing/EditingOperator.h"
#include "data/Result.h"
#include "editing/JobDocument.h"
#include "editing/PageCommands.h"
#include "editing/StatusPopup.h"
#include "files/CsvExport.h"
#include "files/ImportLayout.h"
#include "files/ImportRules.h"
#include "files/LabelFile.h"

namespace q5300 {

// The commands that move a job between the window and the disk: Open, Save and
// SaveU for label files, Import for CSV files and spreadsheets, Export back to
// CSV, and the question before the window closes. A file taken in is one change
// of the document.
class FileCommands {
 public:
  FileCommands(JobDocument& document, PageCommands& pages, EditingOperator& op,
               StatusPopup& popup)
      : document_(document), pages_(pages), op_(op), popup_(popup) {}

  // ---- The toolbar's commands, with their dialogs (FileCommands.cpp) -----------------
  void Open();
  void Save();
  void SaveU();
  void Import();
  // The export command: a save dialog for a .csv file, then ExportCsvFile.
  void Export(CsvEncoding encoding);
  // Opens the label file at `path` as the Open command does once a file is chosen
  // (a file named on the command line). False, the operator told, when it is refused.
  bool OpenFile(const std::string& path);

  // ---- The same on a file named by the caller, without a dialog or a question ---------
  // Each is false, the operator told why, when nothing was done.
  // Reads, checks and takes in a label file: in place of the job (`discard`) or
  // after its pages. A refused file leaves the job as it was.
  bool OpenLabelFile(const std::string& path, bool discard);
  // The same with the bytes of a label file read from `path`.
  bool OpenLabelBytes(std::span<const uint8_t> bytes, LabelFileKind kind, const std::string& path,
                      bool discard);
  // Writes the job to `path` as it stands, as Save (qxk) or SaveU (qxu) writes it.
  bool SaveLabelFile(const std::string& path, LabelFileKind kind);
  // The bytes a save writes: the records compiled for the file, for a qxu file stamped.
  Result<std::vector<uint8_t>> LabelFileBytes(LabelFileKind kind) const;

  // ---- Import (ImportCommands.cpp) ---------------------------------------------------------
  // Replaces the job with the pages of an import file: text (.csv, .txt) or a
  // spreadsheet (.xlsx, .ods). Without a `layout`, a list that is more than
  // three columns without a header has the operator choose its columns first.
  bool ImportFile(const std::string& path, const std::optional<ImportLayout>& layout = {});
  // Replaces the job with pages an import file gave (`path` names the file in
  // messages). The job stays as it was when there are none.
  bool ImportPages(const ImportedPages& import, const std::string& path);
  // Writes the job's pages to `path` as an import file that gives the same
  // pages back. False, the operator told why, when nothing was written.
  bool ExportCsvFile(const std::string& path, CsvEncoding encoding);
  // That the export wrote its pages, and where.
  void TellExported(const std::string& path);
  // Each page's lines as the grid shows them and its repeat count.
  std::vector<CsvPage> ExportedPages() const;

  // ---- Leaving a job ---------------------------------------------------------------------
  // The window is about to close: a job with changes that are not saved asks
  // whether to save them first. True when the window may close: nothing to
  // save, saved, or the operator chose to discard.
  bool MayClose();

 private:
  // The lines left out as too long, the formulas read as empty, a quote never
  // closed: each told when there was one.
  void TellWhatWasNotTaken(const ImportedPages& import, const std::string& path);
  // The job is the one it starts as: a single page without text.
  bool HoldsOnlyAnEmptyPage() const;
  // The saving commands may write to `path`, made from the name the dialog returned.
  bool MayWrite(const std::string& chosen, const std::string& path);

  JobDocument& document_;
  PageCommands& pages_;
  EditingOperator& op_;
  StatusPopup& popup_;
};

}  // namespace q5300
