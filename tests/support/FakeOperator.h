#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editing/EditingOperator.h"

namespace q5300::testing {

// Records every message box and answers questions and dialogs from a script.
class FakeOperator : public EditingOperator {
 public:
  void Tell(const Message& message) override {
    told.push_back(message);
    if (whileTelling) whileTelling();
  }
  bool AskYesNo(const Message& question) override {
    asked.push_back(question);
    if (yesNo.empty()) return false;
    const bool answer = yesNo.front();
    yesNo.pop_front();
    return answer;
  }
  // Answers from `choices`; with none left, the last answer, as Escape gives.
  std::size_t Choose(const Message& question, const std::vector<Phrase>& answers) override {
    asked.push_back(question);
    std::vector<std::string>& texts = offered.emplace_back();
    for (const Phrase& answer : answers) texts.push_back(answer.Text());
    // What happens while the box is open (timers fire in a modal loop).
    if (whileChoosing) whileChoosing();
    if (choices.empty()) return answers.empty() ? 0 : answers.size() - 1;
    const std::size_t answer = choices.front();
    choices.pop_front();
    return answer;
  }
  std::optional<std::string> ChooseFile(const FileDialog& dialog) override {
    dialogs.push_back(dialog);
    if (files.empty()) return std::nullopt;
    auto answer = files.front();
    files.pop_front();
    return answer;
  }
  bool RunNumberingDialog(NumberingChoice& dialog) override {
    ++numberingRuns;
    return numbering ? numbering(dialog) : false;
  }
  bool RunSymbolPicker(SymbolChoice& picker) override {
    ++pickerRuns;
    return symbols ? symbols(picker) : false;
  }
  bool RunColumnChoice(ColumnChoice& choice) override {
    ++columnChoiceRuns;
    return columns ? columns(choice) : false;
  }
  SaveAnswer AskSaveChanges(const Message& question) override {
    asked.push_back(question);
    if (saveAnswers.empty()) return SaveAnswer::Stay;
    const SaveAnswer answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
  }

  // Texts of the boxes shown so far; clears the record.
  std::vector<std::string> TakeTexts() {
    std::vector<std::string> texts;
    for (const Message& m : told) texts.push_back(m.text);
    told.clear();
    return texts;
  }

  std::vector<Message> told;
  std::vector<Message> asked;
  std::deque<bool> yesNo;
  std::deque<std::size_t> choices;
  std::vector<std::vector<std::string>> offered;
  std::function<void()> whileChoosing;
  // Runs while a message is shown, as the window behind it stands.
  std::function<void()> whileTelling;
  std::vector<FileDialog> dialogs;
  std::deque<std::optional<std::string>> files;
  std::function<bool(NumberingChoice&)> numbering;
  std::function<bool(SymbolChoice&)> symbols;
  std::function<bool(ColumnChoice&)> columns;
  std::deque<SaveAnswer> saveAnswers;
  int numberingRuns = 0;
  int pickerRuns = 0;
  int columnChoiceRuns = 0;
};

}  // namespace q5300::testing
