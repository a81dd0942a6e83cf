#include "ui/MediaBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QResizeEvent>
#include <QSignalBlocker>

#include "data/JobSettings.h"
#include "editing/PanelCommands.h"
#include "ui/CoreTexts.h"

namespace q5300::ui {
namespace {
constexpr int kPairSpacing = 10;

void Fill(QComboBox* box, std::span<const std::string_view> items) {
  for (const std::string_view item : items) {
    box->addItem(CoreText(item));
  }
}
}  // namespace

MediaBar::MediaBar(PanelCommands& panel, QWidget* parent)
    : QGroupBox(tr("메체정보"), parent), panel_(panel) {
  setObjectName(QStringLiteral("mediaBar"));
  column_ = new QVBoxLayout(this);
  column_->setContentsMargins(8, 4, 8, 6);
  column_->setSpacing(4);
  for (QHBoxLayout*& line : lines_) {
    line = new QHBoxLayout;
    line->setSpacing(kPairSpacing);
    column_->addLayout(line);
  }
  material_ = AddBox(tr("재료 :"), "material", 110);
  size_ = AddBox(tr("재료 사이즈:"), "mediaSize", 70);
  cutting_ = AddBox(tr("커팅설정 :"), "cutting", 110);
  margin_ = AddBox(tr("여백 :"), "margin", 56);
  alignment_ = AddBox(tr("정렬 :"), "alignment", 80);
  density_ = AddBox(tr("농도 :"), "density", 48);
  copies_ = AddBox(tr("전체반복:"), "copies", 56);
  Arrange(1);

  for (const MediaMaterial& m : MediaTable()) {
    material_->addItem(CoreText(m.item));
  }
  Fill(cutting_, CuttingItems());
  Fill(margin_, MarginItems());
  Fill(alignment_, AlignmentItems());
  Fill(density_, DensityItems());
  Fill(copies_, CopiesItems());
  margin_->setMaxVisibleItems(21);
  density_->setMaxVisibleItems(16);

  // Only a pick from the list changes a setting.
  connect(material_, &QComboBox::activated, this, [this](int i) { panel_.MaterialChosen(i); });
  connect(size_, &QComboBox::activated, this, [this](int i) { panel_.SizeChosen(i); });
  connect(cutting_, &QComboBox::activated, this, [this](int i) { panel_.CuttingChosen(i); });
  connect(margin_, &QComboBox::activated, this, [this](int i) { panel_.MarginChosen(i); });
  connect(alignment_, &QComboBox::activated, this, [this](int i) { panel_.AlignmentChosen(i); });
  connect(density_, &QComboBox::activated, this, [this](int i) { panel_.DensityChosen(i); });
  connect(copies_, &QComboBox::activated, this, [this](int i) { panel_.CopiesChosen(i); });
}

QComboBox* MediaBar::AddBox(const QString& caption, const char* name, int width) {
  auto* pair = new QWidget(this);
  auto* label = new QLabel(caption, pair);
  auto* box = new QComboBox(pair);
  box->setObjectName(QString::fromLatin1(name));
  box->setMinimumWidth(width);
  label->setBuddy(box);
  auto* row = new QHBoxLayout(pair);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(label);
  row->addWidget(box);
  pairs_.push_back(pair);
  return box;
}

void MediaBar::Arrange(int rows) {
  if (rows == rows_) return;
  rows_ = rows;
  const std::size_t perRow =
      (pairs_.size() + static_cast<std::size_t>(rows) - 1) / static_cast<std::size_t>(rows);
  for (QHBoxLayout* line : lines_) {
    while (QLayoutItem* item = line->takeAt(0)) delete item;  // the widgets stay
  }
  for (std::size_t i = 0; i < pairs_.size(); ++i) lines_[i / perRow]->addWidget(pairs_[i]);
  // What is left of the width stays right of the boxes.
  for (QHBoxLayout* line : lines_) line->addStretch();
  updateGeometry();
}

int MediaBar::WidthFor(int rows) const {
  const std::size_t perRow =
      (pairs_.size() + static_cast<std::size_t>(rows) - 1) / static_cast<std::size_t>(rows);
  int widest = 0;
  for (std::size_t start = 0; start < pairs_.size(); start += perRow) {
    int width = 0;
    for (std::size_t i = start; i < std::min(pairs_.size(), start + perRow); ++i) {
      width += pairs_[i]->sizeHint().width() + kPairSpacing;
    }
    widest = std::max(widest, width);
  }
  const QMargins margins = column_->contentsMargins() + contentsMargins();
  return widest + margins.left() + margins.right();
}

QSize MediaBar::minimumSizeHint() const {
  // Narrow enough for two rows; as high as the rows the boxes stand in now.
  return {WidthFor(2), QGroupBox::minimumSizeHint().height()};
}

void MediaBar::resizeEvent(QResizeEvent* event) {
  QGroupBox::resizeEvent(event);
  Arrange(event->size().width() >= WidthFor(1) ? 1 : 2);
}

void MediaBar::FillSizes(int material) {
  if (material == sizesOf_) return;
  sizesOf_ = material;
  size_->clear();
  for (const MediaSize& s : MaterialAt(material).sizes) {
    size_->addItem(QString::fromUtf8(s.item.data(), static_cast<qsizetype>(s.item.size())));
  }
}

void MediaBar::Show(const ControlsState& controls) {
  for (QComboBox* box : {material_, size_, cutting_, margin_, alignment_, density_, copies_}) {
    box->blockSignals(true);
  }
  material_->setCurrentIndex(controls.material);
  FillSizes(controls.material);
  size_->setCurrentIndex(controls.mediaSize);
  cutting_->setCurrentIndex(controls.cutting);
  margin_->setCurrentIndex(controls.margin);
  alignment_->setCurrentIndex(controls.alignment);
  density_->setCurrentIndex(controls.density);
  copies_->setCurrentIndex(controls.copies);
  for (QComboBox* box : {material_, size_, cutting_, margin_, alignment_, density_, copies_}) {
    box->blockSignals(false);
  }
}

}  // namespace q5300::ui
