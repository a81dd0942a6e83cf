#pragma once

#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include "editing/EditingOperator.h"

namespace q5300::ui {

// The operator as the window asks and tells: message boxes, file dialogs and the
// program's own dialogs, all modal over `parent`.
class QtOperator final : public EditingOperator {
  Q_DECLARE_TR_FUNCTIONS(QtOperator)

 public:
  explicit QtOperator(QWidget* parent) : parent_(parent) {}

  void Tell(const Message& message) override;
  bool AskYesNo(const Message& question) override;
  std::size_t Choose(const Message& question, const std::vector<Phrase>& answers) override;
  std::optional<std::string> ChooseFile(const FileDialog& dialog) override;
  bool RunNumberingDialog(NumberingChoice& dialog) override;
  bool RunSymbolPicker(SymbolChoice& picker) override;
  bool RunColumnChoice(ColumnChoice& choice) override;
  SaveAnswer AskSaveChanges(const Message& question) override;

  // "QXU(*.qxu)|*.qxu|QXK(*.qxk)|*.qxk|" as Qt writes a filter list, each name
  // in the window's language: "QXU (*.qxu);;QXK (*.qxk)".
  static QString QtFilter(const std::string& filter);
  // Makes a message box wide enough for its caption.
  static void FitCaption(QMessageBox& box);

 private:
  QPointer<QWidget> parent_;
};

}  // namespace q5300::ui
