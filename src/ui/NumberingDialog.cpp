#include "ui/NumberingDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/Centred.h"
#include "ui/CoreTexts.h"
#include "ui/FilteredEdit.h"
#include "ui/Theme.h"

namespace q5300::ui {
namespace {
QString Text(std::string_view text) {
  return CoreText(text);
}
}  // namespace

NumberingDialog::NumberingDialog(NumberingChoice& model, QWidget* parent)
    : QDialog(parent), model_(model), start_(new FilteredEdit(this)), end_(new FilteredEdit(this)) {
  setObjectName(QStringLiteral("numberingDialog"));
  setWindowTitle(Text(NumberingChoice::Caption));
  QPalette colours = palette();
  colours.setColor(QPalette::Window, ApplicationBackground);
  setPalette(colours);

  auto* kinds = new QGroupBox(Text(NumberingChoice::KindGroupText), this);
  auto* kindLayout = new QGridLayout(kinds);
  int i = 0;
  for (const NumberingChoice::Radio& r : NumberingChoice::Radios()) {
    auto* radio = new QRadioButton(Text(r.caption), kinds);
    radio->setObjectName(QStringLiteral("kind%1").arg(r.controlId));
    radios_[r.kind] = radio;
    kindLayout->addWidget(radio, i / 2, i % 2);
    ++i;
    connect(radio, &QRadioButton::clicked, this, [this, kind = r.kind] {
      model_.KindClicked(kind);
      ApplyMode();
      ShowTexts();
    });
  }

  auto* values = new QGroupBox(Text(NumberingChoice::ValueGroupText), this);
  auto* valueLayout = new QGridLayout(values);
  start_->setObjectName(QStringLiteral("startBox"));
  end_->setObjectName(QStringLiteral("endBox"));
  valueLayout->addWidget(new QLabel(Text(NumberingChoice::StartLabel), values), 0, 0);
  valueLayout->addWidget(start_, 0, 1);
  valueLayout->addWidget(new QLabel(Text(NumberingChoice::EndLabel), values), 0, 2);
  valueLayout->addWidget(end_, 0, 3);
  connect(start_, &QLineEdit::textEdited, this,
          [this](const QString& t) { TextEdited(NumBox::Start, t); });
  connect(end_, &QLineEdit::textEdited, this,
          [this](const QString& t) { TextEdited(NumBox::End, t); });

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(Text(NumberingChoice::OkText), QDialogButtonBox::AcceptRole);
  QPushButton* cancel = buttons->addButton(Text(NumberingChoice::CancelText), QDialogButtonBox::RejectRole);
  ok->setObjectName(QStringLiteral("ok"));
  cancel->setObjectName(QStringLiteral("cancel"));
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &NumberingDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &NumberingDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(kinds);
  layout->addWidget(values);
  layout->addWidget(buttons);

  radios_.at(model_.checkedKind())->setChecked(true);
  ApplyMode();
  ShowTexts();
}

void NumberingDialog::ApplyMode() {
  const BoxMode mode = model_.boxMode();
  for (FilteredEdit* box : {start_, end_}) {
    switch (mode.filter) {
      case FilterMode::DigitsOnly:
        box->SetDigitsMode(mode.limit);
        break;
      case FilterMode::LettersOnly:
        box->SetLettersMode(mode.limit, static_cast<int>(mode.caseMode));
        break;
      case FilterMode::AnyText:
        box->SetAnyMode(mode.limit);
        break;
    }
  }
}

void NumberingDialog::TextEdited(NumBox box, const QString& text) {
  model_.TextChanged(box, ToU16(text));
  ShowTexts();
}

void NumberingDialog::ShowTexts() {
  for (auto [edit, box] : {std::pair{start_, NumBox::Start}, std::pair{end_, NumBox::End}}) {
    const QString shown = FromU16(model_.text(box));
    if (edit->text() != shown) edit->setText(shown);
  }
}

void NumberingDialog::accept() {
  const Status status = model_.Accept();
  if (!status) {
    Centred<QMessageBox> box(QMessageBox::Information, MessageBoxCaption(status.failure()),
                             MessageBoxText(status.failure()), QMessageBox::Ok, this);
    box.exec();
    return;  // the dialog stays open
  }
  QDialog::accept();
}

}  // namespace q5300::ui
