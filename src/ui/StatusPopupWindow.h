#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "editing/StatusPopup.h"

namespace q5300::ui {

// The small status panel of printing and importing: a thin border, blue text,
// and the stop button of a long print job. Over a window it stands in the middle
// of that window, inside it, so it never covers another window or a dialog; it
// steps aside while a modal dialog of the program is open and comes back when
// the dialog closes, if the job still has it shown. Without a window (a picture
// of it alone) it is a small frameless window of its own.
class StatusPopupWindow final : public QWidget {
  Q_OBJECT

 public:
  explicit StatusPopupWindow(StatusPopup& popup, QWidget* window = nullptr);
  ~StatusPopupWindow() override;

  QPushButton* stopButton() const { return stop_; }
  QLabel* label() const { return label_; }

  static inline const QColor BorderColor{100, 100, 100};

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Follow();
  void Centre();

  StatusPopup& popup_;
  QLabel* label_;
  QPushButton* unused_;
  QPushButton* stop_;
};

}  // namespace q5300::ui
