// The print command's job in process, on a manual clock: the packets of a long
// job go out on the window's ticks, and every way a job can fail ends it with
// the printer's status.
#include "cli/PrintRun.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "HandFixtures.h"
#include "printer/PacketDecoder.h"
#include "printer/TempDir.h"
#include "printer/VirtualPrinter.h"

namespace q5300::cli::test {
namespace {

using std::chrono::milliseconds;

struct PrintRig {
  q5300::test::TempDir dir;
  ManualClock clock;
  VirtualPrinter printer{clock};
  std::ostringstream err;

  std::string File(std::string_view name, std::string_view bytes) {
    const std::string path = (dir.path() / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  ExitCode Print(const std::string& file, const PageChoice& choice = {}) {
    PrintRun run(printer, clock, err);
    return run.Run(file, choice);
  }
  std::vector<milliseconds> PacketTimes() const {
    std::vector<milliseconds> times;
    for (const ReceivedWrite& w : printer.received()) {
      if (w.message.kind == MessageKind::PrintPacket) times.push_back(w.time);
    }
    return times;
  }
  bool Said(std::string_view text) const { return err.str().find(text) != std::string::npos; }
};

// 100 pages of 40 text bytes: packets of 41, 41 and 18 pages.
std::string HundredFullPages() {
  std::string csv;
  for (int i = 0; i < 100; ++i) csv += std::string(40, 'A') + "\n";
  return csv;
}

TEST(PrintRun, ALongJobGoesOutOnTheTicksAndEndsAfterTheFinalMessage) {
  PrintRig rig;
  EXPECT_EQ(rig.Print(rig.File("long.csv", HundredFullPages())), ExitCode::Success)
      << rig.err.str();

  const auto packets = rig.printer.packets();
  ASSERT_EQ(packets.size(), 3u);
  EXPECT_EQ(packets[0].records.size(), 41u);
  EXPECT_EQ(packets[1].records.size(), 41u);
  EXPECT_EQ(packets[2].records.size(), 18u);
  // Each packet is followed by a 100 ms pause; the first tick comes 7551 ms
  // after it, the next 6551 ms after that; the final message stands 5000 ms.
  const auto times = rig.PacketTimes();
  EXPECT_EQ(times[1] - times[0], milliseconds(100 + 7551));
  EXPECT_EQ(times[2] - times[1], milliseconds(100 + 6551));
  EXPECT_EQ(rig.clock.Now() - times[2], milliseconds(100 + 5000));
  EXPECT_FALSE(rig.printer.isOpen());

  EXPECT_TRUE(
      rig.Said("q5300-cli: packet 1 sent: 41 pages, 3947 bytes\n"
               "q5300-cli: next packet in 7.6 s\n"));
  EXPECT_TRUE(
      rig.Said("q5300-cli: packet 2 sent: 41 pages, 3947 bytes\n"
               "q5300-cli: next packet in 6.6 s\n"));
  EXPECT_TRUE(rig.Said("q5300-cli: packet 3 sent: 18 pages"));
  EXPECT_TRUE(
      rig.Said("모든 인쇄 내용이 전송되었습니다. 인쇄가 끝날 때 까지 기다려주십시오.\n"
               "q5300-cli: the job has ended: 100 pages in 3 packets\n"));
}

TEST(PrintRun, EveryWayAJobFailsEndsItWithThePrinterStatus) {
  struct Case {
    const char* name;
    void (*fault)(VirtualPrinter&);
    const char* file;
    const char* said;
    std::size_t packets;
  };
  const Case cases[] = {
      {"no printer", [](VirtualPrinter& p) { p.RefuseOpen(OpenStatus::NoDevice); }, "two.csv",
       "Unsuccessfully to open the serial port, make sure", 0},
      {"busy",
       [](VirtualPrinter& p) {
         p.SetStatusReply({'B', 0, 0, 0, 0, 0, 0, 0, 0});
       },
       "two.csv", "q5300-cli: PC가 사용중입니다!\n", 0},
      {"unplugged between packets", [](VirtualPrinter& p) { p.UnplugAfterWrites(4); }, "long.csv",
       "q5300-cli: The printer is no longer connected. Pages 1–41 sent, 42–100 not sent. To "
       "print the pages not sent: q5300-cli print ",
       1},
      {"busy at the second packet",
       [](VirtualPrinter& p) {
         p.SetNextStatusReplies({VirtualPrinter::ReadyReply(), {'B', 0, 0, 0, 0, 0, 0, 0, 0}});
       },
       "long.csv",
       "q5300-cli: the printer was not ready for packet 2\n"
       "q5300-cli: Printing stopped. Pages 1–41 sent, 42–100 not sent. To print the pages not "
       "sent: q5300-cli print ",
       1},
      {"packet lost", [](VirtualPrinter& p) { p.FailWrite(3); }, "two.csv",
       "q5300-cli: 시리얼 포트 오류!\n", 0},
      {"nothing to print", [](VirtualPrinter&) {}, "empty.qxu", "q5300-cli: 인쇄 내용 없음!\n", 0},
  };
  for (const Case& c : cases) {
    PrintRig rig;
    rig.File("two.csv", TwoPagesCsv);
    rig.File("long.csv", HundredFullPages());
    // A print image without pages: the header and the end byte.
    const std::vector<uint8_t> empty = Hex("02 41 000b 01 43 08 00 00 01 45");
    rig.File("empty.qxu", std::string(empty.begin(), empty.end()));
    c.fault(rig.printer);
    EXPECT_EQ(rig.Print((rig.dir.path() / c.file).string()), ExitCode::PrinterFailed) << c.name;
    EXPECT_TRUE(rig.Said(c.said)) << c.name << "\n" << rig.err.str();
    EXPECT_EQ(rig.printer.packets().size(), c.packets) << c.name;
    EXPECT_FALSE(rig.Said("the job has ended")) << c.name;
  }
}

// A job that ends early says which pages went out, which may have reached the
// printer in part, and the command that goes on with the rest: a script that
// follows the hint prints no page twice and leaves none out.
TEST(PrintRun, AJobThatEndsEarlyGivesTheWholeCommandToGoOn) {
  struct Case {
    const char* name;
    void (*fault)(VirtualPrinter&);
    std::string said;
  } const cases[] = {
      {"unplugged between packets", [](VirtualPrinter& p) { p.UnplugAfterWrites(4); },
       "q5300-cli: The printer is no longer connected. Pages 1–41 sent, 42–100 not sent. To "
       "print the pages not sent: q5300-cli print FILE --from-page 42.\n"},
      {"the second packet taken in part",
       // query, its end, packet 1, its end, query, its end, packet 2
       [](VirtualPrinter& p) { p.FailWrite(7, 2000); },
       "q5300-cli: 시리얼 포트 오류!\n"
       "q5300-cli: Pages 1–41 sent, 42–100 not sent. Pages 42–62 may have reached the printer "
       "in part: look at the last tubes before you go on. To print the pages not sent: "
       "q5300-cli print FILE --from-page 42.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PrintRig rig;
    const std::string file = rig.File("long.csv", HundredFullPages());
    c.fault(rig.printer);
    EXPECT_EQ(rig.Print(file), ExitCode::PrinterFailed);
    std::string said = c.said;
    said.replace(said.find("FILE"), 4, file);
    EXPECT_TRUE(rig.Said(said)) << rig.err.str();
    EXPECT_FALSE(rig.Said("The next Print")) << rig.err.str();

    // Following the hint sends exactly the pages not sent.
    rig.printer.Replug();
    const std::size_t before = rig.printer.packets().size();
    EXPECT_EQ(rig.Print(file, 42), ExitCode::Success) << rig.err.str();
    const auto packets = rig.printer.packets();
    ASSERT_EQ(packets.size(), before + 2);
    EXPECT_EQ(packets[before].records.front().creationNo, 42);
    EXPECT_EQ(packets[before].records.size() + packets[before + 1].records.size(), 59u);
  }
}

TEST(PrintRun, FromAPageOnSendsOnlyThePagesFromThere) {
  PrintRig rig;
  EXPECT_EQ(rig.Print(rig.File("long.csv", HundredFullPages()), 42), ExitCode::Success)
      << rig.err.str();
  const auto packets = rig.printer.packets();
  ASSERT_EQ(packets.size(), 2u);
  EXPECT_EQ(packets[0].records.front().creationNo, 42);
  EXPECT_EQ(packets[0].records.size(), 41u);
  EXPECT_EQ(packets[1].records.size(), 18u);
  EXPECT_TRUE(rig.Said("the job has ended: 59 pages in 2 packets"));
}

// A range to print again: only its pages go, and a run stopped part-way names
// the rest in the job's page numbers.
TEST(PrintRun, ARangeSendsOnlyItsPagesAndNamesTheRestByTheirNumbers) {
  PrintRig rig;
  const std::string file = rig.File("long.csv", HundredFullPages());
  PageChoice range;
  range.pages = {44, 45, 46, 47, 60};
  EXPECT_EQ(rig.Print(file, range), ExitCode::Success) << rig.err.str();
  const auto packets = rig.printer.packets();
  ASSERT_EQ(packets.size(), 1u);
  std::vector<int> printed;
  for (const DecodedRecord& r : packets[0].records) printed.push_back(r.creationNo);
  EXPECT_EQ(printed, (std::vector<int>{44, 45, 46, 47, 60}));

  // 10–90, and 10–90 and 95: the printer is unplugged after the first packet.
  // The rest is named by its pages: --from-page would print the job's last ones too.
  for (const bool ninetyFive : {false, true}) {
    PrintRig part;
    PageChoice wide;
    for (int page = 10; page <= 90; ++page) wide.pages.push_back(page);
    if (ninetyFive) wide.pages.push_back(95);
    part.printer.UnplugAfterWrites(4);
    const std::string from = part.File("long.csv", HundredFullPages());
    EXPECT_EQ(part.Print(from, wide), ExitCode::PrinterFailed);
    EXPECT_TRUE(part.Said(std::string("q5300-cli: The printer is no longer connected. Pages "
                                      "10–50 sent, 51–90") +
                          (ninetyFive ? ", 95" : "") +
                          " not sent. To print the pages not sent: q5300-cli print " + from +
                          " --pages 51-90" + (ninetyFive ? ",95" : "") + ".\n"))
        << part.err.str();
  }
}

}  // namespace
}  // namespace q5300::cli::test
