#include "ui/QtOperator.h"

#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <algorithm>

#include "ui/Centred.h"
#include "ui/ColumnChoiceDialog.h"
#include "ui/CoreTexts.h"
#include "ui/SymbolDialog.h"
#include "ui/NumberingDialog.h"
#include "ui/Theme.h"

namespace q5300::ui {

void QtOperator::FitCaption(QMessageBox& box) {
  // A box with a short text is narrower than its title bar needs: the window
  // system would cut the caption to a few letters.
  const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) * 3 / 2 + 160;
  if (auto* layout = qobject_cast<QGridLayout*>(box.layout())) {
    layout->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                    layout->rowCount(), 0, 1, layout->columnCount());
  }
}

void QtOperator::Tell(const Message& message) {
  Centred<QMessageBox> box(
      message.icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information,
      MessageBoxCaption(message), MessageBoxText(message), QMessageBox::Ok, parent_);
  FitCaption(box);
  box.exec();
}

bool QtOperator::AskYesNo(const Message& question) {
  Centred<QMessageBox> box(QMessageBox::Question, MessageBoxCaption(question),
                           MessageBoxText(question), QMessageBox::Yes | QMessageBox::No, parent_);
  FitCaption(box);
  return box.exec() == QMessageBox::Yes;
}

std::size_t QtOperator::Choose(const Message& question, const std::vector<Phrase>& answers) {
  Centred<QMessageBox> box(QMessageBox::Question, MessageBoxCaption(question),
                           MessageBoxText(question), QMessageBox::NoButton, parent_);
  std::vector<QPushButton*> buttons;
  for (std::size_t i = 0; i < answers.size(); ++i) {
    // The last answer is the one that leaves everything as it was: Escape and
    // the close box give it.
    const bool last = i + 1 == answers.size();
    buttons.push_back(box.addButton(Translated(answers[i]),
                                    last ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
  }
  if (buttons.empty()) return 0;
  box.setDefaultButton(buttons.front());
  box.setEscapeButton(buttons.back());
  FitCaption(box);
  box.exec();
  const auto chosen = std::find(buttons.begin(), buttons.end(), box.clickedButton());
  // Closed without a button: as Escape.
  if (chosen == buttons.end()) return buttons.size() - 1;
  return static_cast<std::size_t>(chosen - buttons.begin());
}

QString QtOperator::QtFilter(const std::string& filter) {
  // Pairs of description|patterns|, the patterns separated by ';', the
  // description perhaps naming them in brackets: "QXU(*.qxu)". The name is a
  // text of the core's, translated.
  const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty()) continue;
    const QString name =
        CoreText(parts[i].section(QLatin1Char('('), 0, 0).trimmed().toStdString());
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    entries << name + QStringLiteral(" (") + patterns.simplified() + QStringLiteral(")");
  }
  return entries.join(QStringLiteral(";;"));
}

std::optional<std::string> QtOperator::ChooseFile(const FileDialog& dialog) {
  Centred<QFileDialog> box(parent_);
  box.setAcceptMode(dialog.kind == FileDialog::OpenFile ? QFileDialog::AcceptOpen
                                                        : QFileDialog::AcceptSave);
  box.setFileMode(dialog.kind == FileDialog::OpenFile && dialog.mustExist
                      ? QFileDialog::ExistingFile
                      : QFileDialog::AnyFile);
  const QString filters = QtFilter(dialog.filter);
  box.setNameFilter(filters);
  // The first entry, whatever the dialog remembers.
  box.selectNameFilter(filters.section(QStringLiteral(";;"), 0, 0));
  box.setOption(QFileDialog::DontConfirmOverwrite, !dialog.confirmReplace);
  box.setOption(QFileDialog::ReadOnly, false);
  box.setDirectory(QDir::currentPath());
  box.selectFile(QString::fromStdString(dialog.initialName));
  if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return std::nullopt;
  return box.selectedFiles().front().toStdString();
}

bool QtOperator::RunNumberingDialog(NumberingChoice& dialog) {
  Centred<NumberingDialog> box(dialog, parent_);
  return box.exec() == QDialog::Accepted;
}

bool QtOperator::RunSymbolPicker(SymbolChoice& picker) {
  Centred<SymbolDialog> box(picker, parent_);
  return box.exec() == QDialog::Accepted;
}

bool QtOperator::RunColumnChoice(ColumnChoice& choice) {
  Centred<ColumnChoiceDialog> box(choice, parent_);
  return box.exec() == QDialog::Accepted;
}

SaveAnswer QtOperator::AskSaveChanges(const Message& question) {
  Centred<QMessageBox> box(QMessageBox::Question, MessageBoxCaption(question),
                           MessageBoxText(question),
                           QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_);
  FitCaption(box);
  box.button(QMessageBox::Save)->setText(tr("저장"));
  box.button(QMessageBox::Discard)->setText(tr("저장 안 함"));
  box.button(QMessageBox::Cancel)->setText(tr("취소"));
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
