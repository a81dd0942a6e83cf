// What the operator can do to a print job that runs: stop it, press Print again,
// edit the job while it waits, and learn what happened when a packet went out
// only in part. Against the virtual printer on a manual clock, checked against
// what the printer received.
#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "editing/Workbench.h"
#include "printer/PacketDecoder.h"
#include "printer/TempDir.h"
#include "support/QueueDispatcher.h"
#include "support/WorkbenchRig.h"

namespace q5300 {
namespace {

using std::chrono::milliseconds;
using Names = std::vector<std::string>;

constexpr const char* AllSent =
    "모든 인쇄 내용이 전송되었습니다. 인쇄가 끝날 때 까지 기다려주십시오.";

// "P042": the name of page 42 as the rig writes it.
std::string Name(int page) {
  char name[8];
  std::snprintf(name, sizeof name, "P%03d", page);
  return name;
}

// Names of pages `from` to `to`, both included.
Names Pages(int from, int to) {
  Names names;
  for (int page = from; page <= to; ++page) names.push_back(Name(page));
  return names;
}

Names operator+(Names a, const Names& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

Names Without(Names names, const std::string& name) {
  std::erase(names, name);
  return names;
}

// A workbench with a job of 100 pages named P001..P100, each 40 bytes long:
// packets of 41, 41 and 18 pages.
struct Rig : testing::WorkbenchParts {
  Rig() {
    bench.StartUp();
    while (grid().rowCount() < 100) bench.pages.Add();
    for (int row = 0; row < 100; ++row) SetCell(row, Line1Column, Text(Name(row + 1)));
    op.told.clear();
  }

  static std::u16string Text(const std::string& name) {
    std::u16string text(name.begin(), name.end());
    return text + std::u16string(40 - text.size(), u'X');
  }

  // The names of the pages the printer received, in order.
  Names Printed() const {
    Names names;
    for (const DecodedPacket& packet : printer.packets()) {
      for (const DecodedRecord& record : packet.records) {
        names.emplace_back(record.text.begin(), record.text.begin() + 4);
      }
    }
    return names;
  }

  void Click(int row) { bench.pages.RowClicked(row, PageColumn); }
  // A new page after `row`, with the name given as its text.
  void InsertAfter(int row, const std::string& name) {
    Click(row);
    bench.pages.Add();
    bench.pages.CommitCellEdit(row + 1, Line1Column, std::u16string(name.begin(), name.end()),
                               false);
  }
  void DeleteRow(int row) {
    Click(row);
    bench.pages.Delete();
  }
  void Tick() { bench.printing.TimerFired(*timers.WaitForNext()); }
};

TEST(PrintSteering, TheStopButtonStandsFromTheFirstPacketToTheFinalMessage) {
  Rig r;
  r.bench.printing.Print();
  // Offered with the first packet and through the wait, not only for a moment
  // at each tick.
  EXPECT_TRUE(r.bench.popup().stopButtonVisible());
  EXPECT_EQ(r.bench.printing.phase(), PrintController::Phase::Waiting);
  r.Tick();
  EXPECT_EQ(r.printer.packets().size(), 2u);
  EXPECT_TRUE(r.bench.popup().stopButtonVisible());
  r.Tick();
  // The final message stands without it.
  EXPECT_EQ(r.bench.printing.phase(), PrintController::Phase::FinalMessage);
  EXPECT_EQ(r.bench.popup().text(), AllSent);
  EXPECT_FALSE(r.bench.popup().stopButtonVisible());
  ASSERT_TRUE(r.RunTimers());

  // A job of one packet never offers it.
  for (int row = 10; row < 100; ++row) r.SetChecked(row, false);
  r.bench.printing.Print();
  EXPECT_EQ(r.bench.printing.phase(), PrintController::Phase::FinalMessage);
  EXPECT_FALSE(r.bench.popup().stopButtonVisible());
}

TEST(PrintSteering, AStopWhileTheJobWaitsEndsItAtOnce) {
  Rig r;
  r.bench.printing.Print();
  const milliseconds pressed = r.clock.Now();
  r.bench.popup().StopPressed();
  EXPECT_EQ(r.op.TakeTexts(), Names{"Printing stopped. Pages 1–41 sent, 42–100 not sent. The "
                                    "next Print can continue from page 42."});
  EXPECT_EQ(r.clock.Now(), pressed);
  EXPECT_FALSE(r.bench.popup().visible());
  EXPECT_FALSE(r.timers.IsArmed(TimerId::Continue));
  EXPECT_EQ(r.Printed(), Pages(1, 41));
}

// Print pressed while a job waits, or after it stopped early: go on, start
// again, or leave it as it stands. Only an explicit choice prints anything.
TEST(PrintSteering, TheQuestionToGoOnHasThreeAnswersAndEscapePrintsNothing) {
  enum Situation { Waits, Stopped };
  struct Case {
    const char* name;
    Situation situation;
    std::deque<std::size_t> answers;  // empty: Escape or the close box
    Names printed;                    // once every timer has run
  } const cases[] = {
      {"waits, go on", Waits, {0}, Pages(1, 100)},
      {"waits, start again", Waits, {1}, Pages(1, 41) + Pages(1, 100)},
      {"waits, escape", Waits, {}, Pages(1, 100)},
      {"stopped, go on", Stopped, {0}, Pages(1, 100)},
      {"stopped, start again", Stopped, {1}, Pages(1, 41) + Pages(1, 100)},
      {"stopped, escape", Stopped, {}, Pages(1, 41)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig r;
    r.bench.printing.Print();
    if (c.situation == Stopped) r.bench.printing.StopPressed();
    r.op.told.clear();

    r.op.choices = c.answers;
    r.bench.printing.Print();
    ASSERT_EQ(r.op.asked.size(), 1u);
    EXPECT_EQ(r.op.offered[0],
              (Names{"Continue from page 42", "Start again from page 1", "Cancel"}));
    if (c.answers.empty()) {
      // Left where it stood: nothing more printed for now.
      EXPECT_EQ(r.printer.packets().size(), 1u);
      EXPECT_EQ(r.bench.printing.phase(), c.situation == Waits ? PrintController::Phase::Waiting
                                                               : PrintController::Phase::Idle);
    }
    ASSERT_TRUE(r.RunTimers());
    EXPECT_EQ(r.Printed(), c.printed);
    EXPECT_TRUE(r.op.told.empty());
    if (c.situation == Stopped && c.answers.empty()) {
      // The offer stays for the next Print.
      EXPECT_EQ(r.bench.printing.unfinishedFrom(), 41);
      r.op.choices = {0};
      r.bench.printing.Print();
      ASSERT_TRUE(r.RunTimers());
      EXPECT_EQ(r.op.asked.size(), 2u);
      EXPECT_EQ(r.Printed(), Pages(1, 100));
    }
  }
}

TEST(PrintSteering, ATickThatComesWhileTheQuestionIsOpenWaitsForTheAnswer) {
  Rig r;
  r.bench.printing.Print();
  std::size_t packetsWhileAsked = 0;
  // The operator takes longer than the wait to answer, then presses Escape.
  r.op.whileChoosing = [&r, &packetsWhileAsked] {
    r.Tick();
    packetsWhileAsked = r.printer.packets().size();
  };
  r.bench.printing.Print();
  r.op.whileChoosing = {};
  EXPECT_EQ(packetsWhileAsked, 1u);
  // The tick that was due comes once the question is answered.
  EXPECT_EQ(r.Printed(), Pages(1, 82));
  ASSERT_TRUE(r.RunTimers());
  EXPECT_EQ(r.Printed(), Pages(1, 100));
  EXPECT_TRUE(r.op.told.empty());
}

// Edits while a 100-page job waits after its first packet (pages 1–41). The
// packets follow the strip: each starts after the last page the printer took,
// and carries the pages as they are when it is built. A page that comes back
// or in behind that place is not printed out of its order: the job ends with
// its report, and the next Print's default answer prints exactly those pages,
// once.
TEST(PrintSteering, EditsWhileTheJobWaitsNeitherLoseNorRepeatNorHideAPage) {
  const std::string endedWithout = "Printing has ended, but not every page of the job was sent. ";
  struct Case {
    const char* name;
    std::function<void(Rig&)> edit;
    Names printed;
    Names told;          // empty: the final message says everything was sent
    Names printedAfter;  // what the next Print's default answer prints
  } const cases[] = {
      {"delete a page sent before", [](Rig& r) { r.DeleteRow(4); }, Pages(1, 100), {}, {}},
      {"delete the next page",
       [](Rig& r) { r.DeleteRow(41); },
       Without(Pages(1, 100), "P042"),
       {},
       {}},
      {"delete a page after the next",
       [](Rig& r) { r.DeleteRow(59); },
       Without(Pages(1, 100), "P060"),
       {},
       {}},
      {"delete the next page and the one after it",
       [](Rig& r) {
         r.DeleteRow(41);
         r.DeleteRow(41);
       },
       Without(Without(Pages(1, 100), "P042"), "P043"),
       {},
       {}},
      {"delete the last page sent, then the next page",
       [](Rig& r) {
         r.DeleteRow(40);
         r.DeleteRow(40);
       },
       Pages(1, 41) + Pages(43, 100),
       {},
       {}},
      {"insert before the next page",
       [](Rig& r) { r.InsertAfter(9, "NEW1"); },
       Pages(1, 100),
       {endedWithout + "Pages 1–10, 12–101 sent, 11 not sent. The next Print can print page 11."},
       {"NEW1"}},
      {"insert at the next page",
       [](Rig& r) { r.InsertAfter(40, "NEW1"); },
       Pages(1, 41) + Names{"NEW1"} + Pages(42, 100),
       {},
       {}},
      {"insert after the next page",
       [](Rig& r) { r.InsertAfter(49, "NEW1"); },
       Pages(1, 50) + Names{"NEW1"} + Pages(51, 100),
       {},
       {}},
      {"undo of a delete of the next page before a packet went out",
       [](Rig& r) {
         r.DeleteRow(41);
         r.bench.document.Undo();
       },
       Pages(1, 100),
       {},
       {}},
      {"undo of a delete of a page sent before",
       [](Rig& r) {
         r.DeleteRow(4);
         r.bench.document.Undo();
       },
       Pages(1, 100),
       {},
       {}},
      {"undo of a delete after a packet went out",
       [](Rig& r) {
         r.DeleteRow(43);
         r.Tick();
         r.bench.document.Undo();
       },
       Without(Pages(1, 100), "P044"),
       {endedWithout + "Pages 1–43, 45–100 sent, 44 not sent. The next Print can print page 44."},
       {"P044"}},
      {"redo of that delete",
       [](Rig& r) {
         r.DeleteRow(43);
         r.Tick();
         r.bench.document.Undo();
         r.bench.document.Redo();
       },
       Without(Pages(1, 100), "P044"),
       {},
       {}},
      {"undo of an insert before the next page",
       [](Rig& r) {
         r.InsertAfter(9, "NEW1");
         r.bench.document.Undo();
         r.bench.document.Undo();
       },
       Pages(1, 100),
       {},
       {}},
      {"a page not yet sent prints as it is",
       [](Rig& r) { r.bench.pages.CommitCellEdit(69, Line1Column, u"NEW7", false); },
       Pages(1, 69) + Names{"NEW7"} + Pages(71, 100),
       {},
       {}},
      {"every page still to print deleted",
       [](Rig& r) {
         while (r.grid().rowCount() > 41) r.DeleteRow(41);
       },
       Pages(1, 41),
       {},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig r;
    r.bench.printing.Print();
    ASSERT_EQ(r.bench.printing.phase(), PrintController::Phase::Waiting);
    c.edit(r);
    ASSERT_TRUE(r.RunTimers());
    EXPECT_EQ(r.Printed(), c.printed);
    EXPECT_EQ(r.op.TakeTexts(), c.told);
    if (c.told.empty()) {
      EXPECT_EQ(r.bench.popup().text(), AllSent);
      EXPECT_FALSE(r.bench.printing.unfinishedFrom());
      continue;
    }
    // The next Print offers exactly the pages never sent, and prints them once.
    r.op.choices = {0};
    r.bench.printing.Print();
    ASSERT_EQ(r.op.asked.size(), 1u);
    ASSERT_TRUE(r.RunTimers());
    EXPECT_EQ(r.Printed(), c.printed + c.printedAfter);
    EXPECT_TRUE(r.op.told.empty()) << r.op.told.front().text;
    EXPECT_FALSE(r.bench.printing.unfinishedFrom());
    r.bench.printing.Print();
    EXPECT_EQ(r.op.asked.size(), 1u);
  }
}

TEST(PrintSteering, AStopNamesAPageInsertedBehindThePrinterAndTheNextPrintPrintsItInOrder) {
  Rig r;
  r.bench.printing.Print();
  r.InsertAfter(9, "NEW1");
  r.bench.popup().StopPressed();
  EXPECT_EQ(r.op.TakeTexts(),
            Names{"Printing stopped. Pages 1–10, 12–42 sent, 11, 43–101 not sent. The next "
                  "Print can print pages 11, 43–101."});
  r.op.choices = {0};
  r.bench.printing.Print();
  EXPECT_EQ(r.op.offered.at(0),
            (Names{"Print pages 11, 43–101", "Start again from page 1", "Cancel"}));
  EXPECT_EQ(r.op.asked.at(0).text,
            "The last print job stopped before its end: Pages 1–10, 12–42 sent, 11, 43–101 not "
            "sent.\n\nPrint the pages not sent, 11, 43–101?");
  ASSERT_TRUE(r.RunTimers());
  EXPECT_EQ(r.Printed(), Pages(1, 41) + Names{"NEW1"} + Pages(42, 100));
  EXPECT_TRUE(r.op.told.empty());
}

// A stop pressed while the printer works on a packet's transfer: the job ends
// the moment the transfer has, and no tick is left to carry it on.
TEST(PrintSteering, AStopDuringATransferThatSucceedsEndsTheJobWhenItEnds) {
  Rig r;
  r.bench.printing.Print();
  r.printer.SetArrivalObserver([&r](std::span<const uint8_t> bytes) {
    if (DecodeMessage(bytes).kind == MessageKind::PrintPacket) r.bench.popup().StopPressed();
  });
  const milliseconds tick = *r.timers.deadline(TimerId::Continue);
  r.Tick();
  r.printer.SetArrivalObserver({});
  EXPECT_EQ(r.bench.printing.phase(), PrintController::Phase::Idle);
  EXPECT_FALSE(r.timers.IsArmed(TimerId::Continue));
  EXPECT_EQ(r.op.TakeTexts(), Names{"Printing stopped. Pages 1–82 sent, 83–100 not sent. The "
                                    "next Print can continue from page 83."});
  // The query, the packet and its end, then the 100 ms the printer takes it in.
  EXPECT_EQ(r.clock.Now(), tick + milliseconds(100));
  EXPECT_EQ(r.Printed(), Pages(1, 82));
}

// The status query before a packet and the packet are steps of their own: a
// stop while the printer answers the query sends no byte of the packet.
TEST(PrintSteering, AStopDuringTheStatusQuerySendsNothingOfTheNextPacket) {
  Rig r;
  r.bench.printing.Print();
  r.printer.SetArrivalObserver([&r](std::span<const uint8_t> bytes) {
    if (bytes.size() == 2 && bytes[0] == 0x01 && bytes[1] == 'A') r.bench.popup().StopPressed();
  });
  r.Tick();
  r.printer.SetArrivalObserver({});
  EXPECT_EQ(r.op.TakeTexts(), Names{"Printing stopped. Pages 1–41 sent, 42–100 not sent. The "
                                    "next Print can continue from page 42."});
  ASSERT_TRUE(r.RunTimers());
  EXPECT_EQ(r.Printed(), Pages(1, 41));
  EXPECT_FALSE(r.printer.isOpen());
}

// A chosen range prints as a job of its own: its stop, report and next Print
// speak of the range's pages in the job's page numbers.
TEST(PrintSteering, ARangeToPrintAgainIsAJobOfItsOwn) {
  Rig r;
  const PageOrder order = r.bench.document.Order();
  std::vector<uint32_t> range(order.begin() + 43, order.begin() + 47);  // 44–47
  range.push_back(order[59]);                                           // 60
  ASSERT_TRUE(r.bench.printing.PrintPages(range));
  ASSERT_TRUE(r.RunTimers());
  EXPECT_EQ(r.Printed(), Pages(44, 47) + Names{"P060"});
  EXPECT_TRUE(r.op.told.empty());

  // The whole range again, stopped after its first packet.
  std::vector<uint32_t> wide(order.begin() + 9, order.begin() + 90);  // 10–90
  ASSERT_TRUE(r.bench.printing.PrintPages(wide));
  // A range asked for while the job waits changes nothing of it.
  EXPECT_FALSE(r.bench.printing.PrintPages(range));
  EXPECT_EQ(r.bench.printing.phase(), PrintController::Phase::Waiting);
  r.bench.popup().StopPressed();
  EXPECT_EQ(r.op.TakeTexts(), Names{"Printing stopped. Pages 10–50 sent, 51–90 not sent. The "
                                    "next Print can continue from page 51."});
  r.op.choices = {0};
  r.bench.printing.Print();
  ASSERT_TRUE(r.RunTimers());
  EXPECT_EQ(r.Printed(), Pages(44, 47) + Names{"P060"} + Pages(10, 90));
}

// An Open or an Import while the job waits puts other pages in place of the
// job's: the job ends with what it sent, and nothing of it is offered again.
TEST(PrintSteering, AJobReplacedWhileItWaitsEndsWithItsReport) {
  test::TempDir dir;
  const std::string csv = (dir.path() / "other.csv").string();
  std::ofstream(csv) << "A,B,1\nC,D,2\n";
  const std::string qxk = (dir.path() / "other.qxk").string();
  {
    Rig saver;
    ASSERT_TRUE(saver.bench.files.SaveLabelFile(qxk, LabelFileKind::Qxk));
  }
  struct Case {
    const char* name;
    std::function<bool(Rig&)> replace;
  } const cases[] = {
      {"import", [&csv](Rig& r) { return r.bench.files.ImportFile(csv); }},
      {"open in place of the job",
       [&qxk](Rig& r) { return r.bench.files.OpenLabelFile(qxk, true); }},
      {"open after the job's pages",
       [&qxk](Rig& r) { return r.bench.files.OpenLabelFile(qxk, false); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig r;
    r.bench.printing.Print();
    ASSERT_TRUE(c.replace(r));
    EXPECT_EQ(r.op.TakeTexts(), Names{"The print job ended: another job took the place of its "
                                      "pages. Pages 1–41 sent, 42–100 not sent."});
    EXPECT_FALSE(r.timers.IsArmed(TimerId::Continue));
    EXPECT_FALSE(r.bench.popup().visible());
    ASSERT_TRUE(r.RunTimers());
    EXPECT_EQ(r.Printed(), Pages(1, 41));
    EXPECT_FALSE(r.bench.printing.unfinishedFrom());
    EXPECT_TRUE(r.bench.printing.unsentReport().empty());
    r.bench.printing.Print();
    EXPECT_TRUE(r.op.asked.empty());
  }
}

TEST(PrintSteering, AJobReplacedWhileItsPacketIsUnderWayEndsWhenThePacketHas) {
  // The reports' queue outlives the worker that posts to it.
  testing::QueueDispatcher dispatcher;
  Rig r;
  r.bench.printing.RunOnThread(dispatcher);
  test::TempDir dir;
  const std::string csv = (dir.path() / "other.csv").string();
  std::ofstream(csv) << "A,B,1\n";
  r.bench.printing.Print();
  ASSERT_TRUE(r.bench.printing.busy());
  ASSERT_TRUE(r.bench.files.ImportFile(csv));
  ASSERT_TRUE(dispatcher.RunUntil([&] { return !r.op.told.empty(); }));
  EXPECT_EQ(r.op.TakeTexts(), Names{"The print job ended: another job took the place of its "
                                    "pages. Pages 1–100 not sent."});
  EXPECT_FALSE(r.timers.IsArmed(TimerId::Continue));
  EXPECT_TRUE(r.printer.packets().empty());
}

// The printer took only part of a packet: the pages whose bytes went out are
// named before the operator decides to go on, and the question names them again.
TEST(PrintSteering, APacketTakenInPartNamesThePagesThatMayHavePrinted) {
  // Each write of a packet follows a status query and its zero-length write;
  // records of 96 bytes start 10 bytes into a packet.
  const std::string inPart =
      "Pages 42–62 may have reached the printer in part: look at the last tubes before you go on.";
  struct Case {
    const char* name;
    std::function<void(Rig&)> fault;  // after the first packet
    Names told;
  } const cases[] = {
      {"a write that times out after 2,000 bytes",
       [](Rig& r) { r.printer.FailWrite(3, 2000); },
       {"시리얼 포트 오류!", "Pages 1–41 sent, 42–100 not sent. " + inPart +
                                 " The next Print can continue from page 42."}},
      {"an unplug in the middle of the packet",
       [](Rig& r) { r.printer.UnplugDuringWrite(3, 2000); },
       {"The printer is no longer connected. Pages 1–41 sent, 42–100 not sent. " + inPart +
        " The next Print can continue from page 42."}},
      {"a write that took only the header",
       [](Rig& r) { r.printer.FailWrite(3, 10); },
       {"시리얼 포트 오류!",
        "Pages 1–41 sent, 42–100 not sent. The next Print can continue from page 42."}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig r;
    r.bench.printing.Print();
    c.fault(r);
    ASSERT_TRUE(r.RunTimers());
    EXPECT_EQ(r.op.TakeTexts(), c.told);
    r.printer.Replug();
    r.op.choices = {0};
    r.bench.printing.Print();
    ASSERT_EQ(r.op.asked.size(), 1u);
    const bool partial = c.told.back().find("in part") != std::string::npos;
    EXPECT_EQ(r.op.asked[0].text,
              "The last print job stopped before its end: Pages 1–41 sent, 42–100 not sent." +
                  (partial ? " " + inPart : std::string()) + "\n\nContinue from page 42?");
    ASSERT_TRUE(r.RunTimers());
    EXPECT_EQ(r.Printed(), Pages(1, 100));
  }

  // A first packet taken in part: nothing counts as sent, and the pages are named.
  Rig r;
  r.printer.FailWrite(3, 200);
  r.bench.printing.Print();
  EXPECT_EQ(r.op.TakeTexts(),
            (Names{"시리얼 포트 오류!",
                   "Pages 1–100 not sent. Pages 1–2 may have reached the printer in part: look at "
                   "the last tubes before you go on."}));
  EXPECT_FALSE(r.bench.printing.unfinishedFrom());
}

// A printer that left the bus since the last job: Print says that it is gone,
// in a box of a fault.
TEST(PrintSteering, APrintAfterThePrinterLeftTheBusSaysItIsGone) {
  Rig r;
  r.bench.printing.Print();
  ASSERT_TRUE(r.RunTimers());
  r.printer.UnplugAfterWrites(0);
  r.bench.printing.Print();
  ASSERT_EQ(r.op.told.size(), 1u);
  EXPECT_EQ(r.op.told[0].text, "시리얼 포트 오류!\n\nThe printer is no longer connected.");
  EXPECT_EQ(r.op.told[0].icon, MessageIcon::Warning);
  EXPECT_FALSE(r.bench.popup().visible());
}

// Closing the program while a job waits: nothing goes out while the question
// is open; going back lets the tick that came meanwhile go, quitting stops the
// job with its report, without offering the pages to a next Print.
TEST(PrintSteering, TheQuestionBeforeQuittingHoldsTheJobUntilItIsAnswered) {
  for (const bool quit : {false, true}) {
    SCOPED_TRACE(quit ? "stop and quit" : "go back");
    Rig r;
    r.bench.printing.Print();
    std::size_t packetsWhileAsked = 0;
    r.op.whileChoosing = [&r, &packetsWhileAsked] {
      r.Tick();
      packetsWhileAsked = r.printer.packets().size();
    };
    r.op.choices = {quit ? 0u : 1u};
    const auto step = r.bench.printing.StopForQuit();
    r.op.whileChoosing = {};
    EXPECT_EQ(packetsWhileAsked, 1u);
    if (quit) {
      EXPECT_EQ(step, PrintController::QuitStep::Quit);
      EXPECT_EQ(r.op.TakeTexts(), Names{"Printing stopped. Pages 1–41 sent, 42–100 not sent."});
      EXPECT_EQ(r.bench.printing.unsentReport().Text(), "Pages 1–41 sent, 42–100 not sent.");
      EXPECT_EQ(r.Printed(), Pages(1, 41));
    } else {
      EXPECT_EQ(step, PrintController::QuitStep::Stay);
      EXPECT_EQ(r.Printed(), Pages(1, 82));
      ASSERT_TRUE(r.RunTimers());
      EXPECT_EQ(r.Printed(), Pages(1, 100));
      EXPECT_TRUE(r.bench.printing.unsentReport().empty());
    }
  }
}

// The pages a stopped job left are the operator's until another job takes
// their place: quitting then speaks of them no more.
TEST(PrintSteering, AnotherJobOpenedAfterAStopLeavesNoPagesToReportAtQuit) {
  test::TempDir dir;
  const std::string csv = (dir.path() / "other.csv").string();
  std::ofstream(csv) << "A,B,1\n";
  Rig r;
  r.bench.printing.Print();
  r.bench.popup().StopPressed();
  EXPECT_EQ(r.bench.printing.unsentReport().Text(), "Pages 1–41 sent, 42–100 not sent.");
  ASSERT_TRUE(r.bench.files.ImportFile(csv));
  EXPECT_TRUE(r.bench.printing.unsentReport().empty());
}

}  // namespace
}  // namespace q5300
