#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/ExitCode.h"
#include "cli/Session.h"
#include "files/ImportLayout.h"
#include "printer/Clock.h"
#include "printer/Device.h"
#include "printer/TimerQueue.h"

namespace q5300::cli {

// Passes every operation on to the printer and says on the progress stream
// what each print packet carried.
class ProgressDevice final : public Device {
 public:
  ProgressDevice(Device& printer, std::ostream& err) : printer_(printer), err_(err) {}

  OpenResult Open() override { return printer_.Open(); }
  OpenResult Probe() override { return printer_.Probe(); }
  void Close() override { printer_.Close(); }
  ResetResult Reset() override { return printer_.Reset(); }
  uint32_t UsbId() override { return printer_.UsbId(); }
  int PendingUploads() override { return printer_.PendingUploads(); }
  int Read(std::span<uint8_t> buffer) override { return printer_.Read(buffer); }
  Written Write(std::span<const uint8_t> bytes) override;
  bool Lost() const override { return printer_.Lost(); }

  int packets() const { return packets_; }
  int pages() const { return pages_; }

 private:
  Device& printer_;
  std::ostream& err_;
  int packets_ = 0;
  int pages_ = 0;
};

// Which pages a print run prints: every page from `fromPage` on, or the
// pages `pages` (page numbers from 1, in order) when there are any.
struct PageChoice {
  PageChoice(int from = 1) : fromPage(from) {}  // NOLINT(google-explicit-constructor)
  int fromPage = 1;
  std::vector<int> pages;
};

// One print job on the command line: the window's Print command on the job of
// a file, its timers run on `clock` (real time in the program), a progress line
// on `err` for every stage and packet.
class PrintRun {
 public:
  PrintRun(Device& printer, Clock& clock, std::ostream& err);

  // Opens or imports `file` and prints the pages `choice` names; returns once
  // the job has ended: Success when every page went out and the final message
  // has stood its time, PrinterFailed when the printer could not be opened, was
  // not ready, failed or got nothing to print, BadInput or Usage for the file
  // or for pages it does not have. A job that ends with pages not sent names
  // the command that prints them. An import file's columns are those `layout`
  // picks.
  ExitCode Run(const std::string& file, const PageChoice& choice = {},
               const ImportLayout& layout = {});

  Session& session() { return session_; }

 private:
  // Follows the status popup: every new text is a stage of the job.
  void ShowStage();
  // Says when the next packet goes out, while the job waits for it.
  void ShowWait();
  // Says which printer the job went to, once it is known.
  void ShowPrinter();

  std::ostream& err_;
  Clock& clock_;
  ProgressDevice device_;
  TimerQueue timers_;
  Session session_;
  std::string lastStage_;
  std::string lastPrinter_;
};

}  // namespace q5300::cli
