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
#include "printer/TempDir.h"
#include "support/WorkbenchRig.h"
#include "support/QueueDispatcher.h"

namespace q5300 {
namespace {

using std::chrono::milliseconds;
using Names = std::vector<std::string>;

constexpr const char* AllSent = "모든 인쇄 내용이 전송되었습니다. 인쇄가 끝날 때 까지 기다려주십시오.";

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
    bench.pages.CommitCellEdit(row + 1, Line1Column, std::u16string(name.begin(), name.end()), false);
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
      EXPECT_EQ(r.bench.printing.phase(),
                c.situation == Waits ? PrintController::Phase::Waiting : PrintController::Phase::Idle);
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

// Edits while a 100-page job waits after its first packet (pages 1–41): the
// next packet starts at the first page not yet sent, whatever moved before it;
// what is still to print prints as it is when its packet is built.
TEST(PrintSteering, EditsWhileTheJobWaitsNeitherLoseNorRepeatAPage) {
  struct Case {
    const char* name;
    std::function<void(Rig&)> edit;
    Names printed;
  } const cases[] = {
      {"delete a page sent before", [](Rig& r) { r.DeleteRow(4); }, Pages(1, 100)},
      {"delete the next page", [](Rig& r) { r.DeleteRow(41); }, Without(Pages(1, 100), "P042")},
      {"delete a page after the next", [](Rig& r) { r.DeleteRow(59); },
       Without(Pages(1, 100), "P060")},
      {"delete the next page and the one after it",
       [](Rig& r) {
         r.DeleteRow(41);
         r.DeleteRow(41);
       },
       Without(Without(Pages(1, 100), "P042"), "P043")},
      {"insert before the next page", [](Rig& r) { r.InsertAfter(9, "NEW1"); }, Pages(1, 100)},
      {"insert right before the next page", [](Rig& r) { r.InsertAfter(40, "NEW1"); },
       Pages(1, 100)},
      {"insert after the next page", [](Rig& r) { r.InsertAfter(49, "NEW1"); },
       Pages(1, 50) + Names{"NEW1"} + Pages(51, 100)},
      {"undo of a delete of the next page",
       [](Rig& r) {
         r.DeleteRow(41);
         r.bench.document.Undo();
       },
       Pages(1, 100)},
      {"undo of a delete of a page sent before",
       [](Rig& r) {
         r.DeleteRow(4);
         r.bench.document.Undo();
       },
       Pages(1, 100)},
      {"redo of a delete of the next page",
       [](Rig& r) {
         r.DeleteRow(41);
         r.bench.document.Undo();
         r.bench.document.Redo();
       },
       Without(Pages(1, 100), "P042")},
      {"a page not yet sent prints as it is",
       [](Rig& r) { r.bench.pages.CommitCellEdit(69, Line1Column, u"NEW7", false); },
       Pages(1, 69) + Names{"NEW7"} + Pages(71, 100)},
      {"every page still to print deleted",
       [](Rig& r) {
         while (r.grid().rowCount() > 41) r.DeleteRow(41);
       },
       Pages(1, 41)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig r;
    r.bench.printing.Print();
    ASSERT_EQ(r.bench.printing.phase(), PrintController::Phase::Waiting);
    c.edit(r);
    ASSERT_TRUE(r.RunTimers());
    EXPECT_EQ(r.Printed(), c.printed);
    EXPECT_TRUE(r.op.told.empty()) << r.op.told.front().text;
    EXPECT_EQ(r.bench.popup().text(), AllSent);
    EXPECT_FALSE(r.bench.printing.unfinishedFrom());
  }
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
      {"open in place of the job", [&qxk](Rig& r) { return r.bench.files.OpenLabelFile(qxk, true); }},
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
      {"a write that took only the header", [](Rig& r) { r.printer.FailWrite(3, 10); },
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

}  // namespace
}  // namespace q5300
