#pragma once

#include <QLabel>

namespace q5300::ui {

// A one-line label of the status line that a narrow window shortens rather than
// cuts: it ends after the last whole word that fits, with "…", so no figure is
// ever shown in part, and its tooltip then gives the whole text (before the
// tooltip of its own, if it has one). text() is always the whole text.
class ElidedLabel final : public QLabel {
 public:
  explicit ElidedLabel(QWidget* parent = nullptr);

  // What the label shows at its present width.
  QString shownText() const;
  // What its tooltip shows.
  QString fullToolTip() const;

  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;
};

// The longest run of whole words of `text` that fits `width` pixels with "…"
// after it (or the text itself when it fits whole); "…" alone when not even the
// first word fits. Words end at spaces.
QString ElideAtWords(const QString& text, const QFontMetrics& metrics, int width);

}  // namespace q5300::ui
