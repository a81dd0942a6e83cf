#pragma once

#include <QFrame>
#include <QScrollBar>
#include <QTimer>
#include <memory>

#include "preview/PreviewLayout.h"
#include "preview/StripScroll.h"
#include "ui/PreviewPainter.h"

namespace q5300::ui {

class PreviewStrip;

// The drawing surface of the strip: it paints the part of the job that shows.
class PreviewSurface final : public QWidget {
  Q_OBJECT

 public:
  explicit PreviewSurface(PreviewStrip& strip);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PreviewStrip& strip_;
};

// The preview strip along the bottom of the window: the job as the printer lays
// it out along the medium, scrolled horizontally, with the current page brought
// into view.
class PreviewStrip final : public QFrame {
  Q_OBJECT

 public:
  explicit PreviewStrip(QWidget* parent = nullptr);

  // Lays the job out anew and repaints.
  void SetPreviewPages(const PreviewSnapshot& snapshot);
  // The band's width; taken at the next repaint.
  void SetMediaWidth(double millimetres) { mediaWidthMm_ = millimetres; }
  // Brings the current page into view when the drawing or its place changed.
  void FollowCurrentPage();

  const PreviewLayout& layout() const { return *layout_; }
  int64_t position() const { return position_; }
  void SetPosition(int64_t position);
  double mediaWidthMm() const { return mediaWidthMm_; }
  int dpi() const;
  PreviewSurface* surface() const { return surface_; }
  QScrollBar* scrollBar() const { return bar_; }
  PreviewFrame Frame() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  ScrollRange Range() const;
  void UpdateBar();
  void BarAction(int action);
  void BarMoved(int value);

  QtTextMeasure measure_;
  std::unique_ptr<PreviewLayout> layout_;
  FollowMemory follow_;
  int64_t position_ = 0;
  double mediaWidthMm_ = 9.0;
  PreviewSurface* surface_;
  QScrollBar* bar_;
  QTimer timer_;
};

}  // namespace q5300::ui
