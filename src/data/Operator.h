#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "data/Result.h"

namespace q5300 {

// A file dialog as the window shows it.
struct FileDialog {
  enum Kind { OpenFile, SaveFile };
  Kind kind = OpenFile;
  std::string initialName;  // ".qxu", ".qxk", "Vexal", ".csv"
  std::string filter;       // "QXU(*.qxu)|*.qxu|QXK(*.qxk)|*.qxk|"; the names translated
  bool mustExist = false;       // the file and its folder must exist
  bool confirmReplace = false;  // ask before an existing file is replaced
  bool hideReadOnly = true;
};

enum class SaveAnswer { Save, Discard, Stay };

// Everything that asks or tells the operator. The window answers with dialogs;
// tests answer from a script and record what was shown.
class Operator {
 public:
  virtual ~Operator() = default;
  // A modal box with one OK button.
  virtual void Tell(const Message& message) = 0;
  // A modal Yes/No question; true for Yes.
  virtual bool AskYesNo(const Message& question) = 0;
  // A modal question with answers of its own, as buttons: the first is the
  // default, the last is what Escape or closing the box gives. The index of
  // the answer.
  virtual std::size_t Choose(const Message& question, const std::vector<Phrase>& answers) = 0;
  // A path, or nothing when the dialog was cancelled.
  virtual std::optional<std::string> ChooseFile(const FileDialog& dialog) = 0;
  // The job has unsaved changes and is about to be closed.
  virtual SaveAnswer AskSaveChanges(const Message& question) = 0;
};

}  // namespace q5300
