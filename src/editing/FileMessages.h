#pragma once

// What the file commands show: their dialogs and the words of a refused file.
#include <string>

#include "data/Operator.h"
#include "data/Result.h"

namespace q5300 {

inline constexpr char kCannotOpen[] = Q5300_TEXT("q5300", "파일을 열 수 없습니다!");
inline constexpr char kCannotSave[] = Q5300_TEXT("q5300", "파일을 저장할 수 없습니다!");
inline constexpr char kImageLimit[] = Q5300_TEXT("q5300", "Has exceeded the maximum print volume!");

// The names in the dialogs' filters ("name(patterns)|patterns|" one after the
// other); the window translates each name.
inline constexpr char kLabelFilesName[] = Q5300_TEXT("q5300", "Label files");
inline constexpr char kImportFilesName[] = Q5300_TEXT("q5300", "Import files");
inline constexpr char kExcelFileName[] = Q5300_TEXT("q5300", "Excel file");
inline constexpr char kExcelWorkbookName[] = Q5300_TEXT("q5300", "Excel workbook");
inline constexpr char kOpenDocumentName[] = Q5300_TEXT("q5300", "OpenDocument spreadsheet");
inline constexpr char kUnicodeTextName[] = Q5300_TEXT("q5300", "Unicode text");

// The open kind: the file and its folder must exist, no read-only box.
inline FileDialog OpenDialog(std::string initialName, std::string filter) {
  FileDialog dialog;
  dialog.kind = FileDialog::OpenFile;
  dialog.initialName = std::move(initialName);
  dialog.filter = std::move(filter);
  dialog.mustExist = true;
  dialog.hideReadOnly = true;
  return dialog;
}

inline FileDialog SaveDialog(std::string initialName, std::string filter) {
  FileDialog dialog;
  dialog.kind = FileDialog::SaveFile;
  dialog.initialName = std::move(initialName);
  dialog.filter = std::move(filter);
  dialog.confirmReplace = true;
  dialog.hideReadOnly = true;
  return dialog;
}

// What the operator reads when a file is refused: the headline, the file, why.
inline Message AboutFile(const char* headline, const std::string& path, Phrase why) {
  return Message{Phrase("%1\n%2\n%3", headline, Phrase::Literal(path), std::move(why))};
}

}  // namespace q5300
