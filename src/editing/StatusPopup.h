#pragma once

#include <functional>
#include <string>

#include "data/Phrase.h"

namespace q5300 {

// What the small status window of long operations (printing, importing) shows:
// its text, whether it is shown, and the stop button of a long print job. The
// window displays it (its texts are whole texts of the core's, translated as
// such); the print flow and the import drive it. A stop request is
// the print job's to keep.
class StatusPopup {
 public:
  // The window exists: from now on texts are taken.
  void SetUp();
  // Taken only once the window is set up.
  void SetStatusText(std::string text);
  // Offers (true) or withdraws (false) the stop button; nothing when it already is so.
  void ShowStopButton(bool on);
  void Show();
  void Hide();
  // The stop button: it goes, and the print job is told at once. The job says
  // what happens next: it ends then, or says that it stops once the transfer
  // under way has ended.
  void StopPressed();

  // A print job runs: the popup stands until the job puts it away, whatever
  // key the operator presses.
  void SetStanding(bool standing) { standing_ = standing; }
  bool standing() const { return standing_; }
  // Escape or Return: the popup goes, unless a print job runs.
  void PutAway();

  const std::string& text() const { return text_; }
  bool visible() const { return visible_; }
  bool stopButtonVisible() const { return stopButtonShown_; }

  // Told when the stop button is pressed, after the popup has changed.
  void SetStopHandler(std::function<void()> handler) { stopHandler_ = std::move(handler); }
  // Called after every change, so the window can follow.
  void SetObserver(std::function<void()> observer) { observer_ = std::move(observer); }

 private:
  void Changed();

  std::string text_ = Q5300_TEXT("q5300", "Print data is being processed...");
  bool initialised_ = false;
  bool stopButtonShown_ = false;
  bool visible_ = false;
  bool standing_ = false;
  std::function<void()> observer_;
  std::function<void()> stopHandler_;
};

}  // namespace q5300
