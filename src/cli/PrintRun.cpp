#include "cli/PrintRun.h"

#include <algorithm>
#include <cstdio>

#include "cli/Commands.h"
#include "editing/PrintController.h"
#include "printer/PacketDecoder.h"

namespace q5300::cli {

Written ProgressDevice::Write(std::span<const uint8_t> bytes) {
  const Written written = printer_.Write(bytes);
  if (!written) return written;
  const DecodedMessage message = DecodeMessage(bytes);
  if (message.kind == MessageKind::PrintPacket) {
    ++packets_;
    const std::size_t records = message.packet.records.size();
    pages_ += static_cast<int>(records);
    Say(err_, "packet " + std::to_string(packets_) + " sent: " + std::to_string(records) +
                  (records == 1 ? " page, " : " pages, ") + std::to_string(bytes.size()) +
                  " bytes");
  }
  return written;
}

PrintRun::PrintRun(Device& printer, Clock& clock, std::ostream& err)
    : err_(err),
      clock_(clock),
      device_(printer, err),
      timers_(clock),
      session_(err, device_, clock, timers_) {}

void PrintRun::ShowStage() {
  // The printer is named as soon as it is open, before the stages that use it.
  ShowPrinter();
  const std::string& text = session_.bench().popup().text();
  if (text.empty() || text == lastStage_) return;
  lastStage_ = text;
  Say(err_, text);
}

void PrintRun::ShowWait() {
  const auto due = timers_.deadline(TimerId::Continue);
  if (!due) return;
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%.1f",
                static_cast<double>((*due - clock_.Now()).count()) / 1000.0);
  Say(err_, std::string("next packet in ") + seconds + " s");
}

void PrintRun::ShowPrinter() {
  const std::string note = session_.bench().printing.printerNote();
  if (note.empty() || note == lastPrinter_) return;
  lastPrinter_ = note;
  Say(err_, OneLine(note));
}

namespace {

// "42-100" or "44-47,60" for list positions in order, as --pages takes them.
std::string PagesOption(const std::vector<int>& positions) {
  std::string list = PageRanges(positions);
  for (std::size_t at = list.find("–"); at != std::string::npos; at = list.find("–", at)) {
    list.replace(at, std::string("–").size(), "-");
  }
  std::erase(list, ' ');
  return list;
}

}  // namespace

ExitCode PrintRun::Run(const std::string& file, const PageChoice& choice,
                       const ImportLayout& layout) {
  if (const ExitCode loaded = session_.Load(file, layout); loaded != ExitCode::Success) {
    return loaded;
  }
  Workbench& bench = session_.bench();
  const int pages = bench.document.grid().rowCount();
  const char* option = choice.pages.empty() ? "--from-page" : "--pages";
  const int beyond = choice.pages.empty()
                         ? choice.fromPage
                         : *std::max_element(choice.pages.begin(), choice.pages.end());
  if (beyond > pages) {
    Say(err_, UsageErrorText("print", PageBeyondJob(option, beyond, pages)));
    return ExitCode::Usage;
  }
  bench.popup().SetObserver([this] { ShowStage(); });

  // The window's Print command, then its timers as they come due: the job is
  // over when none is armed.
  PrintController& job = bench.printing;
  // The pages not sent are printed by a command, not by the window's next Print.
  job.SetContinueHint([&file, pages](const std::vector<int>& notSent) {
    const bool toTheEnd = notSent.back() == pages - 1 &&
                          notSent.back() - notSent.front() + 1 == static_cast<int>(notSent.size());
    const std::string rest = toTheEnd ? "--from-page " + std::to_string(notSent.front() + 1)
                                      : "--pages " + PagesOption(notSent);
    return Phrase::Literal("To print the pages not sent: q5300-cli print " + file + " " + rest +
                           ".");
  });
  if (choice.pages.empty()) {
    job.PrintFrom(choice.fromPage - 1);
  } else {
    const PageOrder order = bench.document.Order();
    std::vector<uint32_t> chosen;
    for (const int page : choice.pages) chosen.push_back(order[static_cast<std::size_t>(page - 1)]);
    job.PrintPages(std::move(chosen));
  }
  bool allSent = job.phase() == PrintController::Phase::FinalMessage;
  ShowPrinter();
  ShowWait();
  while (const auto timer = timers_.WaitForNext()) {
    job.TimerFired(*timer);
    allSent = allSent || job.phase() == PrintController::Phase::FinalMessage;
    ShowPrinter();
    if (job.waitingForPrinter()) {
      // Nobody is at the stop button: a printer that is not ready at a
      // continuation ends the job, and the script can go on from there.
      Say(err_, "the printer was not ready for packet " + std::to_string(device_.packets() + 1));
      job.StopPressed();
    }
    ShowWait();
  }

  if (allSent) {
    Say(err_, "the job has ended: " + std::to_string(device_.pages()) +
                  (device_.pages() == 1 ? " page in " : " pages in ") +
                  std::to_string(device_.packets()) +
                  (device_.packets() == 1 ? " packet" : " packets"));
    return ExitCode::Success;
  }
  return ExitCode::PrinterFailed;
}

}  // namespace q5300::cli
