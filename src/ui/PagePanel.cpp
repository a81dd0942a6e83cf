#include "ui/PagePanel.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpressionValidator>
#include <QSvgWidget>
#include <QVBoxLayout>

#include "editing/PageCommands.h"
#include "editing/PanelCommands.h"
#include "ui/Theme.h"

namespace q5300::ui {
namespace {

// The items are marked with QT_TR_NOOP in the panel's own context.
QComboBox* Combo(const char* name, std::initializer_list<const char*> items, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  for (const char* item : items) box->addItem(PagePanel::tr(item));
  return box;
}

QPushButton* SetButton(const char* name, QWidget* parent) {
  auto* button = new QPushButton(PagePanel::tr("설정"), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

PagePanel::PagePanel(PanelCommands& panel, PageCommands& pages, QWidget* parent)
    : QWidget(parent), panel_(panel), pages_(pages) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(MakeScope());
  column->addWidget(MakePageInfo());
  column->addWidget(MakeRepeatMode());
  column->addWidget(MakePicture());
  column->addStretch();
  setFixedWidth(240);
}

QWidget* PagePanel::MakeScope() {
  auto* group = new QGroupBox(tr("설정 범위"), this);
  currentPage_ = new QRadioButton(tr("현재 페이지"), group);
  followingPages_ = new QRadioButton(tr("이후페이지"), group);
  currentPage_->setObjectName(QStringLiteral("currentPage"));
  followingPages_->setObjectName(QStringLiteral("followingPages"));
  auto* layout = new QHBoxLayout(group);
  layout->addWidget(currentPage_);
  layout->addWidget(followingPages_);
  connect(currentPage_, &QRadioButton::clicked, this,
          [this] { panel_.ScopeChosen(ApplyScope::CurrentPage); });
  connect(followingPages_, &QRadioButton::clicked, this,
          [this] { panel_.ScopeChosen(ApplyScope::FollowingPages); });
  return group;
}

QWidget* PagePanel::MakePageInfo() {
  auto* group = new QGroupBox(tr("페이지 정보"), this);
  auto* layout = new QVBoxLayout(group);

  auto* length = new QGroupBox(tr("길이"), group);
  autoLength_ = new QRadioButton(tr("자동"), length);
  setLength_ = new QRadioButton(tr("사용자설정"), length);
  autoLength_->setObjectName(QStringLiteral("autoLength"));
  setLength_->setObjectName(QStringLiteral("setLength"));
  lengthEdit_ = new QLineEdit(length);
  lengthEdit_->setObjectName(QStringLiteral("lengthEdit"));
  lengthButton_ = SetButton("lengthButton", length);
  auto* lengthLayout = new QGridLayout(length);
  lengthLayout->addWidget(autoLength_, 0, 0);
  lengthLayout->addWidget(setLength_, 0, 1);
  lengthLayout->addWidget(lengthEdit_, 1, 0);
  lengthLayout->addWidget(lengthButton_, 1, 1);
  layout->addWidget(length);

  auto* fields = new QGridLayout;
  repeatEdit_ = new QLineEdit(group);
  repeatEdit_->setObjectName(QStringLiteral("repeatEdit"));
  repeatEdit_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), repeatEdit_));
  repeatButton_ = SetButton("repeatButton", group);
  fontSize_ = Combo("fontSize", {QT_TR_NOOP("자동"), "1", "2", "3", "4", "5", "6"}, group);
  width_ = Combo("width", {QT_TR_NOOP("전각"), QT_TR_NOOP("반각")}, group);
  frame_ =
      Combo("frame", {QT_TR_NOOP("없음"), QT_TR_NOOP("사각프레임"), QT_TR_NOOP("밑줄")}, group);
  direction_ = Combo("direction", {QT_TR_NOOP("수평"), QT_TR_NOOP("수직")}, group);
  int row = 0;
  fields->addWidget(new QLabel(tr("개별반복 :"), group), row, 0);
  fields->addWidget(repeatEdit_, row, 1);
  fields->addWidget(repeatButton_, row++, 2);
  for (auto [caption, box] :
       {std::pair{tr("글꼴크기:"), fontSize_}, std::pair{tr("전각/반각:"), width_},
        std::pair{tr("프레임:"), frame_}, std::pair{tr("인쇄방향:"), direction_}}) {
    fields->addWidget(new QLabel(caption, group), row, 0);
    fields->addWidget(box, row++, 1, 1, 2);
  }
  layout->addLayout(fields);
  numbering_ = new QPushButton(tr("넘버링 설정"), group);
  numbering_->setObjectName(QStringLiteral("numbering"));
  numbering_->setAutoDefault(false);
  layout->addWidget(numbering_);

  connect(autoLength_, &QRadioButton::clicked, this, [this] { panel_.AutoLengthClicked(); });
  connect(setLength_, &QRadioButton::clicked, this, [this] { panel_.SetLengthModeClicked(); });
  connect(lengthButton_, &QPushButton::clicked, this, [this] { panel_.SetLengthPressed(); });
  connect(repeatButton_, &QPushButton::clicked, this, [this] { panel_.SetRepeatPressed(); });
  connect(lengthEdit_, &QLineEdit::textEdited, this,
          [this](const QString& text) { panel_.LengthTextChanged(ToU16(text)); });
  connect(repeatEdit_, &QLineEdit::textEdited, this,
          [this](const QString& text) { panel_.RepeatTextChanged(ToU16(text)); });
  connect(fontSize_, &QComboBox::activated, this, [this](int i) { panel_.FontSizeChosen(i); });
  connect(width_, &QComboBox::activated, this, [this](int i) { panel_.WidthChosen(i); });
  connect(frame_, &QComboBox::activated, this, [this](int i) { panel_.FrameChosen(i); });
  connect(direction_, &QComboBox::activated, this, [this](int i) { panel_.DirectionChosen(i); });
  connect(numbering_, &QPushButton::clicked, this, [this] { pages_.NumberingPressed(); });
  return group;
}

QWidget* PagePanel::MakeRepeatMode() {
  auto* group = new QGroupBox(tr("넘버링 반복인쇄 방식"), this);
  continuous_ = new QRadioButton(tr("연속반복"), group);
  sequential_ = new QRadioButton(tr("순차반복"), group);
  continuous_->setObjectName(QStringLiteral("continuous"));
  sequential_->setObjectName(QStringLiteral("sequential"));
  auto* layout = new QHBoxLayout(group);
  layout->addWidget(continuous_);
  layout->addWidget(sequential_);
  connect(continuous_, &QRadioButton::clicked, this, [this] { panel_.RepeatModeChosen(true); });
  connect(sequential_, &QRadioButton::clicked, this, [this] { panel_.RepeatModeChosen(false); });
  return group;
}

QWidget* PagePanel::MakePicture() {
  auto* group = new QGroupBox(this);
  auto* picture = new QSvgWidget(QStringLiteral(":/icons/printer.svg"), group);
  picture->setObjectName(QStringLiteral("printerPicture"));
  picture->setFixedSize(170, 110);
  auto* layout = new QHBoxLayout(group);
  layout->addStretch();
  layout->addWidget(picture);
  layout->addStretch();
  return group;
}

void PagePanel::Show(const ControlsState& c) {
  const QList<QWidget*> all = {currentPage_, followingPages_, autoLength_, setLength_,
                               lengthEdit_,  repeatEdit_,     fontSize_,   width_,
                               frame_,       direction_,      continuous_, sequential_};
  for (QWidget* w : all) w->blockSignals(true);
  (c.scope == ApplyScope::CurrentPage ? currentPage_ : followingPages_)->setChecked(true);
  (c.autoLength ? autoLength_ : setLength_)->setChecked(true);
  lengthEdit_->setEnabled(c.lengthEditEnabled);
  lengthButton_->setEnabled(c.lengthEditEnabled);
  if (lengthEdit_->text() != FromU16(c.lengthText)) lengthEdit_->setText(FromU16(c.lengthText));
  if (repeatEdit_->text() != FromU16(c.repeatText)) repeatEdit_->setText(FromU16(c.repeatText));
  fontSize_->setCurrentIndex(c.fontSize);
  width_->setCurrentIndex(c.width);
  frame_->setCurrentIndex(c.frame);
  direction_->setCurrentIndex(c.direction);
  (c.continuous ? continuous_ : sequential_)->setChecked(true);
  for (QWidget* w : all) w->blockSignals(false);
}

}  // namespace q5300::ui
