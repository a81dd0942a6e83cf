#pragma once

// What the file commands show: their dialogs and the words of a refused file.
#include <string>

#include "data/Operator.h"
#include "data/Result.h"

namespace q5300 {

inline constexpr char kCannotOpen[] = "파일을 열 수 없습니다!";
inline constexpr char kCannotSave[] = "파일을 저장할 수 없습니다!";
inline constexpr char kImageLimit[] = "Has exceeded the maximum print volume!";

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
inline Message AboutFile(const char* headline, const std::string& path, const std::string& why) {
  return Message{std::string(headline) + "\n" + path + "\n" + why};
}

}  // namespace q5300
