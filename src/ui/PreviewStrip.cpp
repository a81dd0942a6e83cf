#include "ui/PreviewStrip.h"

#include <QPainter>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "ui/Theme.h"

namespace q5300::ui {

PreviewSurface::PreviewSurface(PreviewStrip& strip) : QWidget(&strip), strip_(strip) {
  setObjectName(QStringLiteral("previewSurface"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewSurface::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintPreview(painter, strip_.Frame(), size());
}

PreviewStrip::PreviewStrip(QWidget* parent)
    : QFrame(parent),
      layout_(std::make_unique<PreviewLayout>()),
      surface_(new PreviewSurface(*this)),
      bar_(new QScrollBar(Qt::Horizontal, this)) {
  setObjectName(QStringLiteral("preview"));
  setFrameShape(QFrame::StyledPanel);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(1, 1, 1, 1);
  column->setSpacing(0);
  column->addWidget(surface_, 1);
  column->addWidget(bar_);
  bar_->setFixedHeight(20);
  connect(bar_, &QScrollBar::actionTriggered, this, &PreviewStrip::BarAction);
  // Dragging the thumb, the wheel over the bar and its keys move the bar itself;
  // the content follows its value. Values the strip sets arrive with signals blocked.
  connect(bar_, &QScrollBar::valueChanged, this, &PreviewStrip::BarMoved);
  // The strip keeps itself sized and scrolled: first soon after it opens, then
  // twice a second.
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, [this] {
    FollowCurrentPage();
    timer_.start(500);
  });
  timer_.start(100);
  UpdateBar();
}

int PreviewStrip::dpi() const {
  return surface_->logicalDpiY();
}

PreviewFrame PreviewStrip::Frame() const {
  return {layout_.get(), position_, dpi(), mediaWidthMm_};
}

void PreviewStrip::SetPreviewPages(const PreviewSnapshot& snapshot) {
  layout_ = std::make_unique<PreviewLayout>(snapshot, dpi(), measure_);
  NoteCurrentPage(follow_, layout_->currentPageX());
  SetPosition(position_);
  surface_->update();
}

void PreviewStrip::FollowCurrentPage() {
  if (const auto target =
          q5300::FollowCurrentPage(follow_, layout_->contentWidth(), surface_->width())) {
    SetPosition(*target);
  }
}

ScrollRange PreviewStrip::Range() const {
  return StripScrollRange(layout_->contentWidth(), surface_->width());
}

void PreviewStrip::SetPosition(int64_t position) {
  const int64_t clamped = ClampPosition(Range(), position);
  if (clamped != position_) {
    position_ = clamped;
    surface_->update();
  }
  UpdateBar();
}

void PreviewStrip::UpdateBar() {
  const ScrollBarScale scale(Range());
  const QSignalBlocker quiet(bar_);
  bar_->setRange(0, scale.barMaximum);
  bar_->setPageStep(std::max(scale.barPageStep, 1));
  bar_->setSingleStep(1);
  bar_->setValue(scale.ToBar(position_));
}

void PreviewStrip::BarAction(int action) {
  ScrollAction step;
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
      step = ScrollAction::LineLeft;
      break;
    case QAbstractSlider::SliderSingleStepAdd:
      step = ScrollAction::LineRight;
      break;
    case QAbstractSlider::SliderPageStepSub:
      step = ScrollAction::PageLeft;
      break;
    case QAbstractSlider::SliderPageStepAdd:
      step = ScrollAction::PageRight;
      break;
    case QAbstractSlider::SliderToMinimum:
      step = ScrollAction::ToStart;
      break;
    case QAbstractSlider::SliderToMaximum:
      step = ScrollAction::ToEnd;
      break;
    default:
      return;  // the thumb and the wheel are followed through the bar's value
  }
  SetPosition(ScrollTo(Range(), position_, step));
  // The bar's own step would move it by bar units; the position decides.
  bar_->setSliderPosition(ScrollBarScale(Range()).ToBar(position_));
}

void PreviewStrip::BarMoved(int value) {
  const ScrollBarScale scale(Range());
  if (value == scale.ToBar(position_)) return;
  SetPosition(ScrollTo(Range(), position_, ScrollAction::Drag, scale.FromBar(value)));
}

void PreviewStrip::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  SetPosition(position_);
}

void PreviewStrip::wheelEvent(QWheelEvent* event) {
  const int steps =
      event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
  const ScrollRange range = Range();
  SetPosition(ClampPosition(range, position_ - static_cast<int64_t>(steps) * range.pageSize / 120));
  event->accept();
}

}  // namespace q5300::ui
