#pragma once

#include <QHeaderView>

namespace q5300 {
class JobDocument;
}

namespace q5300::ui {

// The grid's column header: it paints its headings itself, with a check box in
// the first one that shows whether all rows are ticked.
class LabelGridHeader final : public QHeaderView {
  Q_OBJECT

 public:
  LabelGridHeader(const JobDocument& document, QWidget* parent);

  static constexpr int Spacing = 2;
  static constexpr int BoxSize = 13;

  // The rectangle of the check box of `section` in header coordinates.
  QRect CheckBoxRect(int section) const;

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
  // A quick second click counts as a click of its own.
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  const JobDocument& document_;
};

}  // namespace q5300::ui
