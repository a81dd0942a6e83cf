// Import: the pages of a CSV file or a spreadsheet in place of the job; export:
// the job's pages out to a CSV file that the import reads back as the same pages
// (lines and repeat counts; every other attribute is the import's).
#include "compile/CodePage.h"
#include "compile/PrintPacket.h"
#include "compile/RebuildRecords.h"
#include "data/MessageText.h"
#include "editing/CellTexts.h"
#include "editing/FileCommands.h"
#include "editing/FileMessages.h"
#include "files/FileIo.h"
#include "files/ImportFile.h"

namespace q5300 {
namespace {

constexpr char kNothingToImport[] = "가져올 데이터가 없습니다!";
constexpr char kCsvReminder[] = "입력한 파일이 .CSV 파일로 저장되었는지 확인하십시오.";
constexpr char kImportWait[] = "데이타 추출중, 잠시 기다려 주십시오...";
constexpr char kImportLimit[] = "Max import data:100 rows!";
constexpr char kOverLongLines[] = "%d 페이지 범위초과로,페이지 길이는 %d 입니다.";
constexpr char kImportUnclosedQuote[] = "따옴표가 닫히지 않았습니다!";
// Every kind first: a spreadsheet shows without a change of filter.
constexpr char kImportFilter[] =
    "Import files(*.csv;*.xlsx;*.ods;*.txt)|*.csv;*.xlsx;*.ods;*.txt|Excel file(*.csv)|*.csv|"
    "Excel workbook(*.xlsx)|*.xlsx|OpenDocument spreadsheet(*.ods)|*.ods|Unicode text(*.txt)|*.txt|";

}  // namespace

void FileCommands::Import() {
  op_.Tell(Message{kCsvReminder});
  const auto chosen = op_.ChooseFile(OpenDialog(".csv", kImportFilter));
  if (!chosen) return;
  ImportFile(*chosen);
}

bool FileCommands::ImportFile(const std::string& path) {
  auto file = OpenForReading(path);
  if (!file) {
    op_.Tell(AboutFile(kCannotOpen, path, file.failure().text));
    return false;
  }
  popup_.SetStatusText("");
  popup_.Show();
  popup_.SetStatusText(kImportWait);
  const Result<ImportedPages> read = ReadImportFile(file->get(), path);
  file->reset();
  if (!read) {
    popup_.Hide();
    op_.Tell(AboutFile(kCannotOpen, path, read.failure().text));
    return false;
  }
  return ImportPages(*read, path);
}

bool FileCommands::ImportPages(const ImportedPages& import, const std::string& path) {
  if (import.pages.empty()) {
    // Nothing to replace the job with: it stays as it was.
    popup_.Hide();
    op_.Tell(
        AboutFile(kNothingToImport, path,
                  "No line of the file has text that fits a page; the job was left as it was."));
    if (import.overLongLines > 0) {
      op_.Tell(Message{FillNumbers(kOverLongLines, {import.overLongLines, MaxTextBytes})});
    }
    TellUnclosedQuote(import, path);
    return false;
  }

  document_.Change([&](JobEdit& e) {
    e.ReplacesJob();
    e.DiscardPages();
    // The pages are new: they belong to no label file yet.
    e.SetPath({});
    GridModel& grid = e.grid();
    int imported = 0;
    for (const ImportedPage& page : import.pages) {
      const int row = grid.rowCount();
      pages_.Add();
      if (grid.rowCount() == row) break;  // refused; Add has told the operator
      PageRecord& r = *e.Current();
      grid.SetCellText(row, Line1Column, page.line1);
      grid.SetCellText(row, Line2Column, page.line2);
      grid.SetCellText(row, RepeatColumn, NumberCellText(page.repeatCount));
      SetRepeat(r, page.repeatCount);
      if (!page.line2.empty()) {
        r.twoLines = 1;
        r.autoFont = 0;
        r.fontSize = 3;
        grid.SetCellText(row, FontSizeColumn, NumberCellText(3));
      }
      StorePageText(r, ToPrinterCodePage(JoinLines(page.line1, page.line2)));
      r.creationNo = static_cast<uint8_t>(row + 1);
      if (PrintImageSize(e.Page(0)) >= MaxImageSize) {
        e.RemovePage(row);
        popup_.Hide();
        op_.Tell(Message{FillNumbers(
            std::string(kImageLimit) + "\nPage %d and the lines after it were left out.",
            {row + 1})});
        break;
      }
      ++imported;
    }
    popup_.Hide();
    if (import.pageLimitReached && imported == MaxPages) op_.Tell(Message{kImportLimit});
    e.SetCurrentPage(0);
  });
  if (import.overLongLines > 0) {
    op_.Tell(Message{FillNumbers(kOverLongLines, {import.overLongLines, MaxTextBytes})});
  }
  TellUnclosedQuote(import, path);
  return true;
}

void FileCommands::TellUnclosedQuote(const ImportedPages& import, const std::string& path) {
  if (import.unclosedQuoteLine == 0) return;
  op_.Tell(AboutFile(kImportUnclosedQuote, path,
                     FillNumbers("The quoted field that begins in line %d has no closing quote: "
                                 "the rest of the file was read as part of it.",
                                 {import.unclosedQuoteLine})));
}

bool FileCommands::ExportCsvFile(const std::string& path, CsvEncoding encoding) {
  const std::string text = CsvExportText(ExportedPages(), encoding);
  const Status written = WriteFileAtomically(
      path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
  if (!written) {
    op_.Tell(AboutFile(kCannotSave, path, written.failure().text));
    return false;
  }
  return true;
}

std::vector<ImportedPage> FileCommands::ExportedPages() const {
  const GridModel& grid = document_.grid();
  std::vector<ImportedPage> pages;
  int row = 0;
  for (const PageRecord& r : document_.job().pages) {
    if (row >= grid.rowCount()) break;
    pages.push_back(
        {grid.CellText(row, Line1Column), grid.CellText(row, Line2Column), r.repeatCount});
    ++row;
  }
  return pages;
}

}  // namespace q5300
