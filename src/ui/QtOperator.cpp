#include "ui/QtOperator.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include "ui/DqfhDialog.h"
#include "ui/NumSetDialog.h"
#include "ui/Theme.h"

namespace q5300::ui {

void QtOperator::Tell(const Message& message) {
  QMessageBox box(
      message.icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information,
      QString::fromStdString(message.caption), MessageText(message.text), QMessageBox::Ok, parent_);
  box.exec();
}

bool QtOperator::AskYesNo(const Message& question) {
  QMessageBox box(QMessageBox::Question, QString::fromStdString(question.caption),
                  MessageText(question.text), QMessageBox::Yes | QMessageBox::No, parent_);
  return box.exec() == QMessageBox::Yes;
}

QString QtOperator::QtFilter(const std::string& filter) {
  // Pairs of description|pattern|.
  const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty()) continue;
    QString description = parts[i];
    if (!description.contains(QLatin1Char('('))) description += " (" + parts[i + 1] + ")";
    entries << description;
  }
  return entries.join(QStringLiteral(";;"));
}

std::optional<std::string> QtOperator::ChooseFile(const FileDialog& dialog) {
  QFileDialog box(parent_);
  box.setAcceptMode(dialog.kind == FileDialog::OpenFile ? QFileDialog::AcceptOpen
                                                        : QFileDialog::AcceptSave);
  box.setFileMode(dialog.kind == FileDialog::OpenFile && dialog.mustExist
                      ? QFileDialog::ExistingFile
                      : QFileDialog::AnyFile);
  box.setNameFilter(QtFilter(dialog.filter));
  box.setOption(QFileDialog::DontConfirmOverwrite, !dialog.confirmReplace);
  box.setOption(QFileDialog::ReadOnly, false);
  box.setDirectory(QDir::currentPath());
  box.selectFile(QString::fromStdString(dialog.initialName));
  if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return std::nullopt;
  return box.selectedFiles().front().toStdString();
}

bool QtOperator::RunNumberingDialog(NumSet& dialog) {
  NumSetDialog box(dialog, parent_);
  return box.exec() == QDialog::Accepted;
}

bool QtOperator::RunSymbolPicker(Dqfh& picker) {
  DqfhDialog box(picker, parent_);
  return box.exec() == QDialog::Accepted;
}

SaveAnswer QtOperator::AskSaveChanges(const Message& question) {
  QMessageBox box(QMessageBox::Question, QString::fromStdString(question.caption),
                  MessageText(question.text),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_);
  box.button(QMessageBox::Save)->setText(QStringLiteral("저장"));
  box.button(QMessageBox::Discard)->setText(QStringLiteral("저장 안 함"));
  box.button(QMessageBox::Cancel)->setText(QStringLiteral("취소"));
  box.setDefaultButton(QMessageBox::Save);
  switch (box.exec()) {
    case QMessageBox::Save:
      return SaveAnswer::Save;
    case QMessageBox::Discard:
      return SaveAnswer::Discard;
    default:
      return SaveAnswer::Stay;
  }
}

}  // namespace q5300::ui
