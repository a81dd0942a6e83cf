#pragma once

// The operator of an engine in a benchmark: no one to ask.
#include <optional>
#include <string>

#include "editing/Engine.h"
#include "editing/Headless.h"

namespace q5300::bench {

// Answers every dialog with one file and every question with Yes.
class ScriptedOperator final : public Operator {
 public:
  std::string file;
  void Tell(const Message&) override {}
  bool AskYesNo(const Message&) override { return true; }
  std::optional<std::string> ChooseFile(const FileDialog&) override { return file; }
  bool RunNumberingDialog(NumSet&) override { return false; }
  bool RunSymbolPicker(Dqfh&) override { return false; }
  SaveAnswer AskSaveChanges(const Message&) override { return SaveAnswer::Stay; }
};

}  // namespace q5300::bench
