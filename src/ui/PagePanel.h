#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

namespace q5300 {
class PageCommands;
class PanelCommands;
struct ControlsState;
}  // namespace q5300

namespace q5300::ui {

// The left column of the window: the scope of panel changes, the page panel
// "페이지 정보" with the attributes of the current page, the repeat mode of
// numbered pages and the picture of the printer.
class PagePanel final : public QWidget {
  Q_OBJECT

 public:
  PagePanel(PanelCommands& panel, PageCommands& pages, QWidget* parent = nullptr);

  // Shows the controls' state without running any change handling.
  void Show(const ControlsState& controls);

  QRadioButton* currentPage() const { return currentPage_; }
  QRadioButton* followingPages() const { return followingPages_; }
  QRadioButton* autoLength() const { return autoLength_; }
  QRadioButton* setLength() const { return setLength_; }
  QLineEdit* lengthEdit() const { return lengthEdit_; }
  QPushButton* lengthButton() const { return lengthButton_; }
  QLineEdit* repeatEdit() const { return repeatEdit_; }
  QPushButton* repeatButton() const { return repeatButton_; }
  QComboBox* fontSize() const { return fontSize_; }
  QComboBox* width() const { return width_; }
  QComboBox* frame() const { return frame_; }
  QComboBox* direction() const { return direction_; }
  QPushButton* numbering() const { return numbering_; }
  QRadioButton* continuous() const { return continuous_; }
  QRadioButton* sequential() const { return sequential_; }

 private:
  QWidget* MakeScope();
  QWidget* MakePageInfo();
  QWidget* MakeRepeatMode();
  QWidget* MakePicture();

  PanelCommands& panel_;
  PageCommands& pages_;
  QRadioButton* currentPage_ = nullptr;
  QRadioButton* followingPages_ = nullptr;
  QRadioButton* autoLength_ = nullptr;
  QRadioButton* setLength_ = nullptr;
  QLineEdit* lengthEdit_ = nullptr;
  QPushButton* lengthButton_ = nullptr;
  QLineEdit* repeatEdit_ = nullptr;
  QPushButton* repeatButton_ = nullptr;
  QComboBox* fontSize_ = nullptr;
  QComboBox* width_ = nullptr;
  QComboBox* frame_ = nullptr;
  QComboBox* direction_ = nullptr;
  QPushButton* numbering_ = nullptr;
  QRadioButton* continuous_ = nullptr;
  QRadioButton* sequential_ = nullptr;
};

}  // namespace q5300::ui
