#include "editing/StatusPopup.h"

#include <gtest/gtest.h>

namespace q5300 {
namespace {

TEST(StatusPopup, TakesTextsOnlyOnceSetUp) {
  StatusPopup popup;
  popup.SetStatusText("x");
  EXPECT_EQ(popup.text(), "Print data is being processed...");
  popup.SetUp();
  popup.SetStatusText("x");
  EXPECT_EQ(popup.text(), "x");
}

TEST(StatusPopup, TheStopButtonTellsTheJobOnceAndTheTextStays) {
  StatusPopup popup;
  popup.SetUp();
  popup.SetStatusText("인쇄 데이터 전송중...");
  popup.Show();
  popup.ShowStopButton(true);
  EXPECT_TRUE(popup.stopButtonVisible());
  int stops = 0;
  popup.SetStopHandler([&] { ++stops; });
  popup.StopPressed();
  // The button goes; the print job is told and says what happens next.
  EXPECT_EQ(stops, 1);
  EXPECT_TRUE(popup.visible());
  EXPECT_FALSE(popup.stopButtonVisible());
  popup.Hide();
  popup.ShowStopButton(false);  // already withdrawn: nothing changes
  EXPECT_FALSE(popup.stopButtonVisible());
  popup.Show();
  EXPECT_EQ(popup.text(), "인쇄 데이터 전송중...");

  int changes = 0;
  popup.SetObserver([&] { ++changes; });
  popup.ShowStopButton(true);
  popup.ShowStopButton(true);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(popup.stopButtonVisible());
}

}  // namespace
}  // namespace q5300
