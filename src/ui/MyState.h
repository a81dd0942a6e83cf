#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "printer/StatusPopup.h"

namespace q5300::ui {

// The small status window of printing and importing: no caption, a thin border,
// on top of the other windows, blue text, and the stop button of a long print job.
class MyState final : public QWidget {
  Q_OBJECT

 public:
  explicit MyState(StatusPopup& popup, QWidget* parent = nullptr);
  ~MyState() override;

  QPushButton* stopButton() const { return stop_; }
  QLabel* label() const { return label_; }

  static inline const QColor BorderColor{100, 100, 100};

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Follow();

  StatusPopup& popup_;
  QLabel* label_;
  QPushButton* unused_;
  QPushButton* stop_;
};

}  // namespace q5300::ui
