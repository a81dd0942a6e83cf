#include "ui/ColumnChoiceDialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/NumberingChoice.h"
#include "ui/CoreTexts.h"
#include "ui/Theme.h"
#include "ui/WheelGuard.h"

namespace q5300::ui {
namespace {

QString Text(std::string_view text) {
  return CoreText(text);
}

constexpr std::size_t kFirstPages = 4;

// The separators in the order of the separator box.
constexpr ImportSeparator kSeparators[] = {ImportSeparator::Comma, ImportSeparator::Semicolon,
                                           ImportSeparator::Tab};

}  // namespace

ColumnChoiceDialog::ColumnChoiceDialog(ColumnChoice& model, QWidget* parent)
    : QDialog(parent),
      model_(model),
      table_(new QTableWidget(this)),
      separator_(new QComboBox(this)),
      header_(new QCheckBox(Text(ColumnChoice::HeaderText), this)),
      line1_(new QComboBox(this)),
      line2_(new QComboBox(this)),
      repeatByColumn_(new QRadioButton(Text(ColumnChoice::RepeatColumnText), this)),
      repeatColumn_(new QComboBox(this)),
      repeatFixed_(new QRadioButton(Text(ColumnChoice::FixedRepeatText), this)),
      fixedCount_(new QSpinBox(this)),
      perRow_(new QRadioButton(Text(ColumnChoice::PerRowText), this)),
      perWireEnd_(new QRadioButton(Text(ColumnChoice::PerWireEndText), this)),
      otherEnd_(new QComboBox(this)),
      firstPages_(new QLabel(this)) {
  setObjectName(QStringLiteral("columnChoiceDialog"));
  setWindowTitle(Text(ColumnChoice::Caption));
  QPalette colours = palette();
  colours.setColor(QPalette::Window, ApplicationBackground);
  setPalette(colours);

  table_->setObjectName(QStringLiteral("rows"));
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::NoSelection);
  table_->setFocusPolicy(Qt::NoFocus);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->setMinimumHeight(fontMetrics().height() * 8);
  separator_->setObjectName(QStringLiteral("separator"));
  separator_->addItems({Text(ColumnChoice::CommaText), Text(ColumnChoice::SemicolonText),
                        Text(ColumnChoice::TabText)});
  header_->setObjectName(QStringLiteral("header"));
  line1_->setObjectName(QStringLiteral("line1"));
  line2_->setObjectName(QStringLiteral("line2"));
  repeatByColumn_->setObjectName(QStringLiteral("repeatByColumn"));
  repeatColumn_->setObjectName(QStringLiteral("repeatColumn"));
  repeatFixed_->setObjectName(QStringLiteral("repeatFixed"));
  fixedCount_->setObjectName(QStringLiteral("fixedCount"));
  fixedCount_->setRange(1, MaxRepeat);
  perRow_->setObjectName(QStringLiteral("perRow"));
  perWireEnd_->setObjectName(QStringLiteral("perWireEnd"));
  otherEnd_->setObjectName(QStringLiteral("otherEnd"));
  firstPages_->setObjectName(QStringLiteral("firstPages"));
  firstPages_->setTextFormat(Qt::PlainText);
  firstPages_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // Room for every page it may list, so that nothing below moves as it grows.
  firstPages_->setMinimumHeight(fontMetrics().lineSpacing() * static_cast<int>(kFirstPages));

  // The two pairs of radios are groups of their own.
  auto* repeatGroup = new QButtonGroup(this);
  repeatGroup->addButton(repeatByColumn_);
  repeatGroup->addButton(repeatFixed_);
  auto* pagesGroup = new QButtonGroup(this);
  pagesGroup->addButton(perRow_);
  pagesGroup->addButton(perWireEnd_);

  auto* choices = new QGridLayout;
  int row = 0;
  // A spreadsheet has no separator.
  if (model_.HasSeparator()) {
    choices->addWidget(new QLabel(Text(ColumnChoice::SeparatorLabel), this), row, 0);
    choices->addWidget(separator_, row++, 1);
  } else {
    separator_->hide();
  }
  choices->addWidget(header_, row++, 0, 1, 2);
  choices->addWidget(new QLabel(Text(ColumnChoice::Line1Label), this), row, 0);
  choices->addWidget(line1_, row++, 1);
  choices->addWidget(new QLabel(Text(ColumnChoice::Line2Label), this), row, 0);
  choices->addWidget(line2_, row++, 1);
  choices->addWidget(repeatByColumn_, row, 0);
  choices->addWidget(repeatColumn_, row++, 1);
  choices->addWidget(repeatFixed_, row, 0);
  choices->addWidget(fixedCount_, row++, 1);
  choices->addWidget(perRow_, row++, 0, 1, 2);
  choices->addWidget(perWireEnd_, row, 0);
  choices->addWidget(otherEnd_, row++, 1);
  choices->addWidget(new QLabel(Text(ColumnChoice::FirstPagesText), this), row, 0, Qt::AlignTop);
  choices->addWidget(firstPages_, row++, 1);
  choices->setColumnStretch(1, 1);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(Text(NumberingChoice::OkText), QDialogButtonBox::AcceptRole);
  QPushButton* cancel =
      buttons->addButton(Text(NumberingChoice::CancelText), QDialogButtonBox::RejectRole);
  ok->setObjectName(QStringLiteral("ok"));
  cancel->setObjectName(QStringLiteral("cancel"));
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* intro = new QLabel(Text(ColumnChoice::Intro), this);
  intro->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(table_, 1);
  layout->addLayout(choices);
  layout->addWidget(buttons);

  FillTable();
  FillColumnBoxes();
  ShowLayout();
  GuardWheel(this);

  connect(separator_, &QComboBox::activated, this, [this](int i) {
    if (i < 0 || i >= static_cast<int>(std::size(kSeparators))) return;
    model_.SetSeparator(kSeparators[i]);
    FillTable();
    FillColumnBoxes();
    ShowLayout();
  });
  connect(header_, &QCheckBox::toggled, this, [this](bool on) {
    if (showing_) return;
    model_.SetHeader(on);
    FillColumnBoxes();
    ShowLayout();
  });
  connect(line1_, &QComboBox::activated, this, [this](int i) {
    model_.SetLine1Column(i);
    ShowLayout();
  });
  connect(line2_, &QComboBox::activated, this, [this](int i) {
    model_.SetLine2Column(i == 0 ? ImportLayout::None : i - 1);
    ShowLayout();
  });
  connect(repeatColumn_, &QComboBox::activated, this, [this](int i) {
    model_.SetRepeatColumn(i);
    ShowLayout();
  });
  connect(repeatByColumn_, &QRadioButton::clicked, this, [this] {
    model_.SetRepeatColumn(repeatColumn_->currentIndex());
    ShowLayout();
  });
  connect(repeatFixed_, &QRadioButton::clicked, this, [this] {
    model_.SetFixedRepeatCount(fixedCount_->value());
    ShowLayout();
  });
  connect(fixedCount_, &QSpinBox::valueChanged, this, [this](int value) {
    if (showing_) return;
    model_.SetFixedRepeatCount(value);
    ShowLayout();
  });
  connect(perRow_, &QRadioButton::clicked, this, [this] {
    model_.SetOtherEndColumn(ImportLayout::None);
    ShowLayout();
  });
  connect(perWireEnd_, &QRadioButton::clicked, this, [this] {
    model_.SetOtherEndColumn(otherEnd_->currentIndex());
    ShowLayout();
  });
  connect(otherEnd_, &QComboBox::activated, this, [this](int i) {
    model_.SetOtherEndColumn(i);
    ShowLayout();
  });
}

void ColumnChoiceDialog::FillTable() {
  const ImportPreview& preview = model_.preview();
  table_->clearContents();
  table_->setColumnCount(model_.columns());
  table_->setRowCount(static_cast<int>(preview.rows.size()));
  QStringList labels;
  for (int c = 0; c < model_.columns(); ++c) {
    labels << Translated(Phrase(std::string(ColumnChoice::ColumnNumber), c + 1));
  }
  table_->setHorizontalHeaderLabels(labels);
  for (int r = 0; r < table_->rowCount(); ++r) {
    const auto& cells = preview.rows[static_cast<std::size_t>(r)];
    for (int c = 0; c < static_cast<int>(cells.size()) && c < model_.columns(); ++c) {
      table_->setItem(r, c, new QTableWidgetItem(FromU16(cells[static_cast<std::size_t>(c)])));
    }
  }
}

void ColumnChoiceDialog::FillColumnBoxes() {
  showing_ = true;
  QStringList names;
  for (int c = 0; c < model_.columns(); ++c) names << Translated(model_.ColumnName(c));
  for (QComboBox* box : {line1_, repeatColumn_, otherEnd_}) {
    const int current = box->currentIndex();
    box->clear();
    box->addItems(names);
    box->setCurrentIndex(std::max(current, 0));
  }
  const int current = line2_->currentIndex();
  line2_->clear();
  line2_->addItem(Text(ColumnChoice::NoColumnText));
  line2_->addItems(names);
  line2_->setCurrentIndex(std::max(current, 0));
  showing_ = false;
}

void ColumnChoiceDialog::ShowLayout() {
  showing_ = true;
  const ImportLayout& layout = model_.layout();
  for (int i = 0; i < static_cast<int>(std::size(kSeparators)); ++i) {
    if (kSeparators[i] == layout.separator) separator_->setCurrentIndex(i);
  }
  header_->setChecked(layout.header);
  line1_->setCurrentIndex(layout.line1Column);
  line2_->setCurrentIndex(layout.line2Column == ImportLayout::None ? 0 : layout.line2Column + 1);
  const bool byColumn = layout.repeatColumn != ImportLayout::None;
  repeatByColumn_->setChecked(byColumn);
  repeatFixed_->setChecked(!byColumn);
  repeatColumn_->setEnabled(byColumn);
  repeatColumn_->setCurrentIndex(byColumn ? layout.repeatColumn : model_.SuggestedRepeatColumn());
  fixedCount_->setEnabled(!byColumn);
  fixedCount_->setValue(layout.fixedRepeatCount);
  const bool perWireEnd = layout.otherEndColumn != ImportLayout::None;
  perRow_->setChecked(!perWireEnd);
  perWireEnd_->setChecked(perWireEnd);
  otherEnd_->setEnabled(perWireEnd);
  otherEnd_->setCurrentIndex(perWireEnd ? layout.otherEndColumn : model_.SuggestedOtherEnd());
  // The header row in bold, so that it reads as the names of the columns.
  for (int c = 0; c < table_->columnCount(); ++c) {
    if (QTableWidgetItem* item = table_->item(0, c)) {
      QFont font = item->font();
      font.setBold(layout.header);
      item->setFont(font);
    }
  }
  QStringList pages;
  for (const std::u16string& page : model_.FirstPages(kFirstPages)) pages << FromU16(page);
  firstPages_->setText(pages.join(QLatin1Char('\n')));
  showing_ = false;
}

}  // namespace q5300::ui
