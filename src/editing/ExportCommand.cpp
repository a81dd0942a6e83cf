// Export: the job's pages out to a CSV file that the import reads back as the
// same pages (lines and repeat counts; every other attribute is the import's).
#include <span>
#include <string>
#include <vector>

#include "data/AsciiText.h"
#include "editing/CellTexts.h"
#include "editing/Engine.h"
#include "files/FileIo.h"

namespace q5300 {
namespace {

constexpr char kCannotSave[] = "파일을 저장할 수 없습니다!";
constexpr char kCsvFilter[] = "Excel file(*.csv)|*.csv|";

}  // namespace

void Engine::Export(CsvEncoding encoding) {
  FileDialog dialog;
  dialog.kind = FileDialog::SaveFile;
  dialog.initialName = ".csv";
  dialog.filter = kCsvFilter;
  dialog.confirmReplace = true;
  const auto chosen = op_.ChooseFile(dialog);
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
    op_.Tell(Message{std::string(kCannotSave) + "\n" + path + "\n" + written.failure().text});
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
