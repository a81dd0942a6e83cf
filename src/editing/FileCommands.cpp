// The commands that move a job between the window and the disk: the toolbar's
// Open, Save and SaveU for label files and Import for CSV files and
// spreadsheets, and Export back to CSV.
#include "editing/Engine.h"

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "compile/CodePage.h"
#include "compile/PrintPacket.h"
#include "data/AsciiText.h"
#include "data/MessageText.h"
#include "editing/CellTexts.h"
#include "files/FileIo.h"
#include "files/ImportFile.h"
#include "files/LabelFile.h"
#include "files/QxkFile.h"
#include "files/QxuFile.h"

namespace q5300 {
namespace {

constexpr char kDiscardQuestion[] = "현재 항목을 삭제하시겠습니까?";
constexpr char kCannotOpen[] = "파일을 열 수 없습니다!";
constexpr char kCannotSave[] = "파일을 저장할 수 없습니다!";
constexpr char kReplaceQuestion[] = "이 파일이 이미 있습니다. 바꾸시겠습니까?";
constexpr char kNothingToImport[] = "가져올 데이터가 없습니다!";
constexpr char kCsvReminder[] = "입력한 파일이 .CSV 파일로 저장되었는지 확인하십시오.";
constexpr char kImportWait[] = "데이타 추출중, 잠시 기다려 주십시오...";
constexpr char kImportLimit[] = "Max import data:100 rows!";
constexpr char kOverLongLines[] = "%d 페이지 범위초과로,페이지 길이는 %d 입니다.";
constexpr char kImageLimit[] = "Has exceeded the maximum print volume!";
constexpr char kImportUnclosedQuote[] = "따옴표가 닫히지 않았습니다!";
// Every kind first: a spreadsheet shows without a change of filter.
constexpr char kImportFilter[] =
    "Import files(*.csv;*.xlsx;*.ods;*.txt)|*.csv;*.xlsx;*.ods;*.txt|Excel file(*.csv)|*.csv|"
    "Excel workbook(*.xlsx)|*.xlsx|OpenDocument spreadsheet(*.ods)|*.ods|Unicode text(*.txt)|*.txt|";
constexpr char kCsvFilter[] = "Excel file(*.csv)|*.csv|";

// The largest label file: a print image's length is 16 bits wide.
constexpr std::size_t kMaxLabelFileSize = 0xFFFF;

// The open kind: the file and its folder must exist, no read-only box.
FileDialog OpenDialog(std::string initialName, std::string filter) {
  FileDialog dialog;
  dialog.kind = FileDialog::OpenFile;
  dialog.initialName = std::move(initialName);
  dialog.filter = std::move(filter);
  dialog.mustExist = true;
  dialog.hideReadOnly = true;
  return dialog;
}

FileDialog SaveDialog(std::string initialName, std::string filter) {
  FileDialog dialog;
  dialog.kind = FileDialog::SaveFile;
  dialog.initialName = std::move(initialName);
  dialog.filter = std::move(filter);
  dialog.confirmReplace = true;
  dialog.hideReadOnly = true;
  return dialog;
}

// What the operator reads when a file is refused: the headline, the file, why.
Message AboutFile(const char* headline, const std::string& path, const std::string& why) {
  return Message{std::string(headline) + "\n" + path + "\n" + why};
}

}  // namespace

void Engine::Open() {
  // Both kinds first: the qxk file just saved shows without a change of filter.
  const auto chosen = op_.ChooseFile(OpenDialog(
      ".qxu", "Label files(*.qxk;*.qxu)|*.qxk;*.qxu|QXU(*.qxu)|*.qxu|QXK(*.qxk)|*.qxk|"));
  if (!chosen) return;
  OpenFile(*chosen);
}

bool Engine::OpenFile(const std::string& path) {
  gridActions_.FocusGrid();
  bool discard = false;
  if (grid_.rowCount() > 0) {
    const PageRecord* first = job_.pages.first();
    const bool onlyEmptyPage = grid_.rowCount() == 1 && first != nullptr &&
                               first->textLength == 0 && grid_.CellText(0, Line1Column).empty() &&
                               grid_.CellText(0, Line2Column).empty();
    discard = onlyEmptyPage || op_.AskYesNo(Message{kDiscardQuestion});
  }
  return OpenLabelFile(path, discard);
}

bool Engine::OpenLabelFile(const std::string& path, bool discard) {
  const auto bytes = ReadWholeFile(path, kMaxLabelFileSize);
  if (!bytes) {
    op_.Tell(AboutFile(kCannotOpen, path, bytes.failure().text));
    return false;
  }
  return OpenLabelBytes(*bytes, KindOfPath(path), path, discard);
}

bool Engine::OpenLabelBytes(std::span<const uint8_t> bytes, LabelFileKind kind,
                            const std::string& path, bool discard) {
  const bool image = kind == LabelFileKind::Qxu;
  const auto file = image ? ReadQxu(bytes, job_.settings) : ReadQxk(bytes, job_.settings);
  if (!file) {
    op_.Tell(AboutFile(kCannotOpen, path, file.failure().text));
    return false;
  }

  // The limits of a job hold for the pages kept and the file's pages together:
  // the pages of the file that fit are taken, and the operator hears of the rest.
  const int kept = discard ? 0 : job_.pages.size();
  const int fromFile = static_cast<int>(file->pages.size());
  std::vector<const PageRecord*> all;
  if (!discard) {
    for (const PageRecord& r : job_.pages) all.push_back(&r);
  }
  for (const PageRecord& r : file->pages) all.push_back(&r);
  int taken = std::min(fromFile, MaxPages - kept);
  all.resize(static_cast<std::size_t>(kept + taken));
  while (taken > 0 && ImageSizeOf(all) >= MaxImageSize) {
    all.pop_back();
    --taken;
  }
  if (taken == 0 && fromFile > 0) {
    op_.Tell(AboutFile(kCannotOpen, path,
                       FillNumbers("None of the file's %d pages fits after the %d pages of the job "
                                   "(at most %d pages and %d bytes of print data). Nothing was "
                                   "opened.",
                                   {fromFile, kept, MaxPages, MaxImageSize})));
    return false;
  }

  const Change change(*this, discard);
  if (discard) {
    DiscardJob();
    jobPath_ = path;
  } else {
    // The pages of a print job under way are no longer the job's pages alone.
    printJob_.JobReplaced();
  }
  job_.settings = file->settings;
  ShowSettingsInControls(image);
  for (const PageRecord& page : std::span(file->pages).first(static_cast<std::size_t>(taken))) {
    PageRecord* const r = job_.pages.AppendRecord(job_.defaults, job_.settings);
    CopyPageContent(*r, page);
    r->isChecked = 1;
    const int row = grid_.rowCount();
    grid_.InsertRow(row);
    ShowRecordInRow(row, *r);
  }
  if (grid_.rowCount() == 0) {
    // A print image without printable pages: the job keeps its first, empty page.
    Add();
  } else {
    SetCurrentPage(grid_.rowCount() - 1);
  }
  // Pages added to a job, or a file taken in part, are not saved anywhere yet;
  // a job replaced by the whole file is.
  if (discard && taken == fromFile) MarkSaved();
  ControlsChanged();
  PagesChanged();
  if (taken < fromFile) {
    op_.Tell(AboutFile(kImageLimit, path,
                       FillNumbers("%d of the file's %d pages were opened; the last %d were left "
                                   "out: a job holds at most %d pages and %d bytes of print data.",
                                   {taken, fromFile, fromFile - taken, MaxPages, MaxImageSize})));
  }
  return true;
}

void Engine::DiscardJob() {
  // A print job of the pages that go ends, and pages it did not send are not
  // this job's pages.
  printJob_.JobReplaced();
  job_.pages.FreeAllRecords();
  grid_.DeleteAllRows();
  currentPageIndex_ = -1;
  currentRecord_ = nullptr;
}

void Engine::ShowRecordInRow(int row, const PageRecord& record) {
  const GridLines lines = GridLinesOf(record);
  grid_.SetCellText(row, Line1Column, lines.line1);
  if (!lines.line2.empty()) grid_.SetCellText(row, Line2Column, lines.line2);
  grid_.SetCellText(row, RepeatColumn, NumberCellText(record.repeatCount));
  grid_.SetCellText(row, FontSizeColumn, NumberCellText(record.fontSize));
  grid_.SetCellText(row, FrameColumn, FrameCellText(record.frame));
  grid_.SetCellText(row, DirectionColumn, DirectionCellText(record.direction));
  grid_.SetCellText(row, ZoomColumn, ZoomCellText(record.halfWidth));
  grid_.SetChecked(row, true);
  grid_.SetCurrentColumn(Line1Column);
}

void Engine::ShowSettingsInControls(bool withCopies) {
  const JobSettings& s = job_.settings;
  controls_.material = s.material;
  controls_.mediaSize = s.mediaSize;
  controls_.cutting = IndexForCutMode(s.cutMode);
  controls_.margin = s.margin;
  controls_.alignment = s.alignment;
  controls_.density = s.density - 1;
  controls_.continuous = s.repeatMode != 0;
  if (withCopies) controls_.copies = s.copies - 1;
}

void Engine::Save() {
  const auto chosen = op_.ChooseFile(SaveDialog(".qxk", "QXK(*.qxk)|*.qxk|"));
  if (!chosen) return;
  gridActions_.FocusGrid();
  const std::string path = SavePathFor(*chosen, ".qxk", ".qxk");
  if (!MayWrite(*chosen, path)) return;
  SaveLabelFile(path, LabelFileKind::Qxk);
}

bool Engine::SaveLabelFile(const std::string& path, LabelFileKind kind) {
  const auto bytes = LabelFileBytes(kind);
  if (!bytes) {
    op_.Tell(AboutFile(kCannotSave, path, bytes.failure().text));
    return false;
  }
  const Status written = WriteFileAtomically(path, *bytes);
  if (!written) {
    op_.Tell(AboutFile(kCannotSave, path, written.failure().text));
    return false;
  }
  // A print image loses what the printer does not need: the job stays unsaved.
  if (kind == LabelFileKind::Qxk) {
    MarkSaved();
    jobPath_ = path;
    JobChanged();
  }
  return true;
}

Result<std::vector<uint8_t>> Engine::LabelFileBytes(LabelFileKind kind) {
  if (kind == LabelFileKind::Qxk) {
    Rebuild(RebuildMode::EditorMode);
    return WriteQxk(job_.settings, job_.pages);
  }
  Rebuild(RebuildMode::PrinterMode);
  for (PageRecord& r : job_.pages) {
    if (r.IsPrintable()) StampQxuRecord(r);
  }
  return WriteQxu(job_.settings, job_.pages);
}

bool Engine::MayWrite(const std::string& chosen, const std::string& path) {
  // The dialog asked about the name it was given; a lower-cased name or an added
  // extension can name another file, which is not replaced without a question.
  if (path == chosen || !PathExists(path)) return true;
  return op_.AskYesNo(Message{path + "\n" + kReplaceQuestion});
}

void Engine::SaveU() {
  const auto chosen = op_.ChooseFile(SaveDialog("Vexal", "QXU(*.qxu)|*.qxu|"));
  if (!chosen) return;
  gridActions_.FocusGrid();
  const std::string path = SavePathFor(*chosen, ".qxu", ".QXU");
  if (!MayWrite(*chosen, path)) return;
  SaveLabelFile(path, LabelFileKind::Qxu);
}

void Engine::Import() {
  Tell(kCsvReminder);
  const auto chosen = op_.ChooseFile(OpenDialog(".csv", kImportFilter));
  if (!chosen) return;
  ImportFile(*chosen);
}

bool Engine::ImportFile(const std::string& path) {
  auto file = OpenForReading(path);
  if (!file) {
    op_.Tell(AboutFile(kCannotOpen, path, file.failure().text));
    return false;
  }
  popup_.SetStatusText("");
  popup_.Show();
  popup_.SetStatusText(kImportWait);
  const Result<CsvImport> read = ReadImportFile(file->get(), path);
  file->reset();
  if (!read) {
    popup_.Hide();
    op_.Tell(AboutFile(kCannotOpen, path, read.failure().text));
    return false;
  }
  return ImportPages(*read, path);
}

bool Engine::ImportPages(const CsvImport& import, const std::string& path) {
  if (import.pages.empty()) {
    // Nothing to replace the job with: it stays as it was.
    popup_.Hide();
    op_.Tell(
        AboutFile(kNothingToImport, path,
                  "No line of the file has text that fits a page; the job was left as it was."));
    if (import.overLongLines > 0) {
      Tell(FillNumbers(kOverLongLines, {import.overLongLines, MaxTextBytes}));
    }
    TellUnclosedQuote(import, path);
    return false;
  }

  gridActions_.FocusGrid();
  const Change change(*this, /*replacesJob=*/true);
  DiscardJob();
  // The pages are new: they belong to no label file yet.
  jobPath_.clear();
  int imported = 0;
  for (const CsvPage& page : import.pages) {
    const int row = grid_.rowCount();
    Add();
    if (grid_.rowCount() == row) break;  // refused; Add has told the operator
    PageRecord& r = *currentRecord_;
    grid_.SetCellText(row, Line1Column, page.line1);
    grid_.SetCellText(row, Line2Column, page.line2);
    grid_.SetCellText(row, RepeatColumn, NumberCellText(page.repeatCount));
    SetRepeat(r, page.repeatCount);
    if (!page.line2.empty()) {
      r.twoLines = 1;
      r.autoFont = 0;
      r.fontSize = 3;
      grid_.SetCellText(row, FontSizeColumn, NumberCellText(3));
    }
    StorePageText(r, ToPrinterCodePage(JoinLines(page.line1, page.line2)));
    r.creationNo = static_cast<uint8_t>(row + 1);
    if (PrintImageSize(job_.pages.first()) >= MaxImageSize) {
      currentRecord_ = job_.pages.RemoveRecord(&r);
      grid_.DeleteRow(row);
      popup_.Hide();
      Tell(FillNumbers(std::string(kImageLimit) + "\nPage %d and the lines after it were left out.",
                       {row + 1}));
      break;
    }
    ++imported;
  }
  popup_.Hide();
  if (import.pageLimitReached && imported == MaxPages) Tell(kImportLimit);
  SetCurrentPage(0);
  if (import.overLongLines > 0) {
    Tell(FillNumbers(kOverLongLines, {import.overLongLines, MaxTextBytes}));
  }
  TellUnclosedQuote(import, path);
  PagesChanged();
  return true;
}

void Engine::TellUnclosedQuote(const CsvImport& import, const std::string& path) {
  if (import.unclosedQuoteLine == 0) return;
  op_.Tell(AboutFile(kImportUnclosedQuote, path,
                     FillNumbers("The quoted field that begins in line %d has no closing quote: "
                                 "the rest of the file was read as part of it.",
                                 {import.unclosedQuoteLine})));
}

// Export: the job's pages out to a CSV file that the import reads back as the
// same pages (lines and repeat counts; every other attribute is the import's).
void Engine::Export(CsvEncoding encoding) {
  const auto chosen = op_.ChooseFile(SaveDialog(".csv", kCsvFilter));
  if (!chosen) return;
  gridActions_.FocusGrid();
  const std::string path = EndsWithNoCase(*chosen, ".csv") ? *chosen : *chosen + ".csv";
  if (!MayWrite(*chosen, path)) return;
  ExportCsvFile(path, encoding);
}

bool Engine::ExportCsvFile(const std::string& path, CsvEncoding encoding) {
  const std::string text = CsvExportText(ExportedPages(), encoding);
  const Status written = WriteFileAtomically(
      path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
  if (!written) {
    op_.Tell(AboutFile(kCannotSave, path, written.failure().text));
    return false;
  }
  return true;
}

std::vector<CsvPage> Engine::ExportedPages() const {
  std::vector<CsvPage> pages;
  int row = 0;
  for (const PageRecord& r : job_.pages) {
    if (row >= grid_.rowCount()) break;
    pages.push_back(
        {grid_.CellText(row, Line1Column), grid_.CellText(row, Line2Column), r.repeatCount});
    ++row;
  }
  return pages;
}

}  // namespace q5300
