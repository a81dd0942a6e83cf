#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <array>
#include <vector>

namespace q5300 {
class PanelCommands;
struct ControlsState;
}  // namespace q5300

namespace q5300::ui {

// The media bar "메체정보": material, size, cutting, spacing, alignment,
// density and copies of the whole job. The boxes stand in one row, or in two
// when the window is too narrow for one.
class MediaBar final : public QGroupBox {
  Q_OBJECT

 public:
  MediaBar(PanelCommands& panel, QWidget* parent = nullptr);

  // Shows the controls' state without running any change handling.
  void Show(const ControlsState& controls);

  QComboBox* material() const { return material_; }
  QComboBox* size() const { return size_; }
  QComboBox* cutting() const { return cutting_; }
  QComboBox* margin() const { return margin_; }
  QComboBox* alignment() const { return alignment_; }
  QComboBox* density() const { return density_; }
  QComboBox* copies() const { return copies_; }
  int rows() const { return rows_; }

  QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QComboBox* AddBox(const QString& caption, const char* name, int width);
  void FillSizes(int material);
  // Places the boxes in `rows` rows (1 or 2).
  void Arrange(int rows);
  // The width the boxes need in `rows` rows, with the bar's margins.
  int WidthFor(int rows) const;

  PanelCommands& panel_;
  QComboBox* material_;
  QComboBox* size_;
  QComboBox* cutting_;
  QComboBox* margin_;
  QComboBox* alignment_;
  QComboBox* density_;
  QComboBox* copies_;
  int sizesOf_ = -1;
  QVBoxLayout* column_;
  std::array<QHBoxLayout*, 2> lines_{};
  std::vector<QWidget*> pairs_;  // a caption with its box
  int rows_ = 0;
};

}  // namespace q5300::ui
