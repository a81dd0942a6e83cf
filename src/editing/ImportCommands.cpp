// Import: the pages of a CSV file or a spreadsheet in place of the job; export:
// the job's pages out to a CSV file that the import reads back as the same pages
// (lines and repeat counts; every other attribute is the import's).
#include <cstring>

#include "compile/PrintPacket.h"
#include "compile/RebuildRecords.h"
#include "editing/ColumnChoice.h"
#include "editing/FileCommands.h"
#include "editing/FileMessages.h"
#include "files/FileIo.h"
#include "files/ImportFile.h"

namespace q5300 {
namespace {

constexpr char kNothingToImport[] = Q5300_TEXT("q5300", "가져올 데이터가 없습니다!");
// Said before the dialog, which takes text files and spreadsheets alike.
constexpr char kCsvReminder[] = Q5300_TEXT(
    "q5300",
    "가져올 목록 파일을 고르십시오: CSV 또는 텍스트 파일(.csv, .txt), 스프레드시트(.xlsx, .ods). "
    "1열은 1줄, 2열은 2줄, 3열은 반복 횟수입니다.");
constexpr char kExported[] =
    Q5300_TEXT("q5300", "%1 페이지를 CSV 파일로 내보냈습니다:\n%2");
constexpr char kImportWait[] = Q5300_TEXT("q5300", "데이타 추출중, 잠시 기다려 주십시오...");
constexpr char kImportLimit[] = Q5300_TEXT("q5300", "Max import data:100 rows!");
constexpr char kOverLongLines[] =
    Q5300_TEXT("q5300", "%1 페이지 범위초과로,페이지 길이는 %2 입니다.");
constexpr char kImportUnclosedQuote[] = Q5300_TEXT("q5300", "따옴표가 닫히지 않았습니다!");
constexpr char kNoLineFits[] = Q5300_TEXT(
    "q5300", "No line of the file has text that fits a page; the job was left as it was.");
constexpr char kLinesLeftOut[] =
    Q5300_TEXT("q5300", "Page %1 and the lines after it were left out.");
constexpr char kFormulasWithoutResult[] = Q5300_TEXT(
    "q5300", "%1 cells hold a formula saved without its result and were read as empty; open the "
    "file in its spreadsheet program and save it again.");
constexpr char kRepeatCountsCut[] = Q5300_TEXT(
    "q5300", "%1 pages have a repeat count above %2 in the file and are repeated %2 times.");
constexpr char kNumberingNotCarried[] = Q5300_TEXT(
    "q5300", "%1 numbered pages went out as one line each with their placeholder: a CSV file "
    "holds no numbering, and an import of it makes one label of each.");
constexpr char kQuoteNotClosed[] = Q5300_TEXT(
    "q5300", "The quoted field that begins in line %1 has no closing quote: the rest of the file "
    "was read as part of it.");

// Every kind first: a spreadsheet shows without a change of filter.
std::string ImportFilter() {
  return std::string(kImportFilesName) + "(*.csv;*.xlsx;*.ods;*.txt)|*.csv;*.xlsx;*.ods;*.txt|" +
         kExcelFileName + "(*.csv)|*.csv|" + kExcelWorkbookName + "(*.xlsx)|*.xlsx|" +
         kOpenDocumentName + "(*.ods)|*.ods|" + kUnicodeTextName + "(*.txt)|*.txt|";
}

}  // namespace

void FileCommands::Import() {
  op_.Tell(Message{kCsvReminder});
  const auto chosen = op_.ChooseFile(OpenDialog(".csv", ImportFilter()));
  if (!chosen) return;
  ImportFile(*chosen);
}

bool FileCommands::ImportFile(const std::string& path, const std::optional<ImportLayout>& layout) {
  auto file = OpenForReading(path);
  if (!file) {
    op_.Tell(AboutFile(kCannotOpen, path, file.failure().phrase));
    return false;
  }
  popup_.SetStatusText("");
  popup_.Show();
  popup_.SetStatusText(kImportWait);
  const auto refused = [&](const Phrase& reason) {
    popup_.Hide();
    op_.Tell(AboutFile(kCannotOpen, path, reason));
    return false;
  };
  const Result<std::vector<uint8_t>> bytes = ReadImportBytes(file->get(), path);
  file->reset();
  if (!bytes) return refused(bytes.failure().phrase);

  ImportLayout chosen = layout.value_or(ImportLayout{});
  if (!layout) {
    Result<ImportPreview> preview = PreviewImport(*bytes, path);
    if (!preview) return refused(preview.failure().phrase);
    if (!preview->plain) {
      popup_.Hide();
      ColumnChoice choice(
          std::move(*preview), [&](ImportSeparator separator) -> std::optional<ImportPreview> {
            Result<ImportPreview> again = PreviewImport(*bytes, path, 20, separator);
            if (!again) return std::nullopt;
            return std::move(*again);
          });
      if (!op_.RunColumnChoice(choice)) return false;
      chosen = choice.layout();
      popup_.Show();
      popup_.SetStatusText(kImportWait);
    }
  }
  const Result<ImportedPages> read = ReadImport(*bytes, path, chosen);
  if (!read) return refused(read.failure().phrase);
  return ImportPages(*read, path);
}

bool FileCommands::ImportPages(const ImportedPages& import, const std::string& path) {
  if (import.pages.empty()) {
    // Nothing to replace the job with: it stays as it was.
    popup_.Hide();
    op_.Tell(AboutFile(kNothingToImport, path, kNoLineFits));
    TellWhatWasNotTaken(import, path);
    return false;
  }

  document_.Change([&](JobEdit& e) {
    e.ReplacesJob();
    e.DiscardPages();
    // The pages are new: they belong to no label file yet.
    e.SetPath({});
    int imported = 0;
    for (const ImportedPage& page : import.pages) {
      const int row = e.pageCount();
      pages_.Add();
      if (e.pageCount() == row) break;  // refused; Add has told the operator
      Page& p = *e.PageAt(row);
      p.line1 = page.line1;
      p.line2 = page.line2;
      PageRecord& r = p.record;
      SetRepeat(r, page.repeatCount);
      if (!page.line2.empty()) {
        // Two lines take a font size of 3 at most.
        r.autoFont = 0;
        r.fontSize = 3;
      }
      r.creationNo = static_cast<uint8_t>(row + 1);
      if (JobImageSize(e) >= MaxImageSize) {
        e.RemovePage(row);
        popup_.Hide();
        op_.Tell(Message{Phrase("%1\n%2", kImageLimit, Phrase(kLinesLeftOut, row + 1))});
        break;
      }
      ++imported;
    }
    popup_.Hide();
    if (import.pageLimitReached && imported == MaxPages) op_.Tell(Message{kImportLimit});
    e.SetCurrentPage(0);
  });
  TellWhatWasNotTaken(import, path);
  return true;
}

void FileCommands::TellWhatWasNotTaken(const ImportedPages& import, const std::string& path) {
  if (import.overLongLines > 0) {
    op_.Tell(Message{Phrase(kOverLongLines, import.overLongLines, MaxTextBytes)});
  }
  if (import.repeatCountsCut > 0) {
    op_.Tell(Message{Phrase(kRepeatCountsCut, import.repeatCountsCut, MaxRepeat)});
  }
  if (import.formulasWithoutResult > 0) {
    op_.Tell(Message{Phrase(kFormulasWithoutResult, import.formulasWithoutResult)});
  }
  if (import.unclosedQuoteLine == 0) return;
  op_.Tell(
      AboutFile(kImportUnclosedQuote, path, Phrase(kQuoteNotClosed, import.unclosedQuoteLine)));
}

void FileCommands::TellExported(const std::string& path) {
  op_.Tell(
      Message{Phrase(kExported, static_cast<int>(ExportedPages().size()), Phrase::Literal(path))});
}

bool FileCommands::ExportCsvFile(const std::string& path, CsvEncoding encoding) {
  const std::vector<CsvPage> pages = ExportedPages();
  const std::string text = CsvExportText(pages, encoding);
  const Status written = WriteFileAtomically(
      path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
  if (!written) {
    op_.Tell(AboutFile(kCannotSave, path, written.failure().phrase));
    return false;
  }
  if (const int numbered = NumberedPagesNotCarried(pages); numbered > 0) {
    op_.Tell(Message{Phrase(kNumberingNotCarried, numbered)});
  }
  return true;
}

std::vector<CsvPage> FileCommands::ExportedPages() const {
  std::vector<CsvPage> pages;
  for (const Page& p : document_.pages()) {
    const PageRecord& r = p.record;
    CsvPage& page = pages.emplace_back();
    page.line1 = p.line1;
    page.line2 = p.line2;
    page.repeatCount = r.repeatCount;
    // The placeholder in the text says the page is numbered.
    for (const char16_t c : page.line1 + page.line2) {
      if (c >= NumberPlaceholder && c <= LowerPlaceholder) {
        page.numbering = static_cast<CsvPage::Numbering>(1 + (c - NumberPlaceholder));
        page.numberingStart = std::string(r.numStart.data(), strnlen(r.numStart.data(), 4));
        page.numberingEnd = std::string(r.numEnd.data(), strnlen(r.numEnd.data(), 4));
        break;
      }
    }
  }
  return pages;
}

}  // namespace q5300
