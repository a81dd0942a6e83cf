#pragma once

#include <QComboBox>
#include <QGroupBox>

namespace q5300 {
class Engine;
struct ControlsState;
}  // namespace q5300

namespace q5300::ui {

// The media bar "메체정보": material, size, cutting, spacing, alignment,
// density and copies of the whole job.
class MediaBar final : public QGroupBox {
  Q_OBJECT

 public:
  MediaBar(Engine& engine, QWidget* parent = nullptr);

  // Shows the controls' state without running any change handling.
  void Show(const ControlsState& controls);

  QComboBox* material() const { return material_; }
  QComboBox* size() const { return size_; }
  QComboBox* cutting() const { return cutting_; }
  QComboBox* margin() const { return margin_; }
  QComboBox* alignment() const { return alignment_; }
  QComboBox* density() const { return density_; }
  QComboBox* copies() const { return copies_; }

 private:
  QComboBox* AddBox(const char* caption, const char* name, int width);
  void FillSizes(int material);

  Engine& engine_;
  QComboBox* material_;
  QComboBox* size_;
  QComboBox* cutting_;
  QComboBox* margin_;
  QComboBox* alignment_;
  QComboBox* density_;
  QComboBox* copies_;
  int sizesOf_ = -1;
};

}  // namespace q5300::ui
