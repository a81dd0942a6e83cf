#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "printer/VirtualPrinter.h"
#include "support/FakeOperator.h"
#include "ui/MediaBar.h"
#include "ui/MyListCtrl.h"
#include "ui/OrvelTestDlg.h"
#include "ui/PagePanel.h"

namespace q5300::ui {
namespace {

TEST(WindowStart, OneEmptyPageAndTheStartStateOfTheControls) {
  testing::FakeOperator op;
  OrvelTestDlg window(&op);
  window.StartUp();
  EXPECT_EQ(window.windowTitle(), "Q5300_V1.04");
  EXPECT_EQ(window.grid()->model()->rowCount(), 1);
  EXPECT_EQ(window.grid()->model()->index(0, 1).data().toString(), QString::fromUtf8("∽"));
  EXPECT_EQ(window.mediaBar()->size()->currentText(), "4.0");
  EXPECT_EQ(window.mediaBar()->cutting()->currentText(), QString::fromUtf8("하프커팅"));
  EXPECT_EQ(window.mediaBar()->density()->currentText(), "6");
  EXPECT_EQ(window.mediaBar()->copies()->currentText(), "1");
  EXPECT_TRUE(window.pagePanel()->currentPage()->isChecked());
  EXPECT_TRUE(window.pagePanel()->setLength()->isChecked());
  EXPECT_EQ(window.pagePanel()->lengthEdit()->text(), "20");
  EXPECT_EQ(window.pagePanel()->fontSize()->currentText(), "4");
  EXPECT_TRUE(window.pagePanel()->continuous()->isChecked());
}

}  // namespace
}  // namespace q5300::ui
