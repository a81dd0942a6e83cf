// The real USB path, libusb included, against printers emulated on a USB bus of
// the test's own: the libusb device, the printer link and the print job, as the
// window drives them, on a manual clock where the job waits.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <linux/ioctl.h>
#include <linux/usbdevice_fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "compile/PrintPacket.h"
#include "editing/Workbench.h"
#include "printer/TimerQueue.h"
#include "printer/UsbDevice.h"
#include "support/FakeOperator.h"
#include "support/QueueDispatcher.h"
#include "support/RunTimers.h"
#include "usb/EmulatedPrinter.h"

namespace q5300::usbtest {
namespace {

using Bytes = std::vector<uint8_t>;
using std::chrono::milliseconds;

const Bytes Query = {0x01, 'A'};
const Bytes Zero = {};
const Bytes Busy = {'B', 0, 0, 0, 0, 0, 0, 0, 0};
const std::string NoPrinter =
    "Unsuccessfully to open the serial port,\rmake sure that the printer has the correct "
    "connect to the PC!";
const std::string Report =
    "Pages 1–41 sent, 42–100 not sent. The next Print can continue from page 42.";
// The second packet of a 100-page job cut off after 2,000 bytes: records of 96
// bytes from byte 10 on, so the first 21 of its pages had begun.
const std::string InPart =
    "Pages 42–62 may have reached the printer in part: look at the last tubes before you go on.";
const std::string ReportInPart =
    "Pages 1–41 sent, 42–100 not sent. " + InPart + " The next Print can continue from page 42.";

Bytes Prefix(const Bytes& bytes, size_t count) {
  return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(count));
}

// Short time-outs: a printer that does not answer costs a test a fraction of a second.
constexpr UsbTimeouts TestTimeouts{milliseconds(300), milliseconds(300), milliseconds(20),
                                   milliseconds(300)};

// Root may open any file; for the permission case this thread drops that right
// while it lives, and the file's own mode bits decide.
class WithoutFileOverride {
 public:
  WithoutFileOverride() {
    header_.version = _LINUX_CAPABILITY_VERSION_3;
    if (syscall(SYS_capget, &header_, saved_) != 0) return;
    __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
    reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    dropped_ = syscall(SYS_capset, &header_, reduced) == 0;
  }
  ~WithoutFileOverride() {
    if (dropped_) syscall(SYS_capset, &header_, saved_);
  }

 private:
  __user_cap_header_struct header_{};
  __user_cap_data_struct saved_[2]{};
  bool dropped_ = false;
};

// The window's workbench over the libusb device, on a bus of emulated printers.
struct Rig {
  EmulatedBus bus;
  testing::FakeOperator op;
  ManualClock clock;
  TimerQueue timers{clock};
  UsbDevice device;
  std::optional<Workbench> workbench{std::in_place, op, timers, device, clock};

  // Started as the window starts, without its device check, unless the test
  // starts it itself.
  explicit Rig(bool started = true, UsbTimeouts timeouts = TestTimeouts)
      : device{ParseUsbIds("1a86:5537"), timeouts} {
    if (started) bench().StartUp(/*checkDevice=*/false);
  }
  Workbench& bench() { return *workbench; }
  // The workbench goes, and its worker thread with it: no printer is touched after.
  void LetWorkbenchGo() { workbench.reset(); }
  void Pages(int count) {
    while (bench().document.grid().rowCount() < count) bench().pages.Add();
    bench().document.Change([&](JobEdit& e) {
      for (int row = 0; row < count; ++row) {
        e.PageAt(row)->line1 = std::u16string(40, u'X');
      }
    });
  }
  void RunTimers() { ASSERT_TRUE(testing::RunTimers(timers, bench())) << "the timers never stop"; }
  // The packet from `start` as the print job builds it: from the records compiled for the printer.
  Bytes Packet(int start) {
    CompiledJob records = bench().document.Compile(RebuildMode::PrinterMode);
    return BuildPacket(bench().document.job().settings, records.first(), start).bytes;
  }
  // A status query and its zero-length end, then each packet and its end.
  std::vector<Bytes> Job(std::initializer_list<int> starts) {
    std::vector<Bytes> writes;
    for (const int start : starts) {
      writes.insert(writes.end(), {Query, Zero, Packet(start), Zero});
    }
    return writes;
  }
  // The first packet, then the query of the turn whose packet failed.
  std::vector<Bytes> FirstPacketAndAQuery() {
    auto writes = Job({0});
    writes.insert(writes.end(), {Query, Zero});
    return writes;
  }
};

struct Case {
  const char* name;
  int pages;
  std::function<void(Rig&)> arrange;  // before the Print command
  std::function<void(Rig&)> between;  // after the first packet, before the ticks
  std::function<void(Rig&)> check;    // once every timer has run
};

class UsbPrinterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!EmulatedBus::available()) {
      GTEST_SKIP() << "umockdev's preload library is not loaded: the emulated USB printer "
                      "cannot run here (run under umockdev-wrapper or with "
                      "LD_PRELOAD=libumockdev-preload.so.0)";
    }
  }
};

TEST_F(UsbPrinterTest, EveryCaseOfTheRealPath) {
  const Case cases[] = {
      {"ready printer, one packet",
       2,
       [](Rig& r) { r.bus.Plug(1); },
       {},
       [](Rig& r) {
         EXPECT_TRUE(r.op.told.empty());
         EXPECT_EQ(r.bus.Printer(0).Taken(), r.Job({0}));
         EXPECT_EQ(r.bench().printing.printerNote(),
                   "Printer: the printer 1a86:5537 on bus 001, port 1.");
       }},
      {"ready printer, three packets",
       100,
       [](Rig& r) { r.bus.Plug(1); },
       {},
       [](Rig& r) {
         EXPECT_TRUE(r.op.told.empty());
         EXPECT_EQ(r.bus.Printer(0).Taken(), r.Job({0, 41, 82}));
         // Each continuation clears both endpoints instead of resetting the port.
         EXPECT_EQ(r.bus.Printer(0).HaltsCleared(), 4);
         EXPECT_EQ(r.bus.Printer(0).Requests(USBDEVFS_RESET), 0);
       }},
      {"busy",
       2,
       [](Rig& r) { r.bus.Plug(1).SetReply(Busy); },
       {},
       [](Rig& r) {
         EXPECT_EQ(r.op.TakeTexts(), std::vector<std::string>{"PC가 사용중입니다!"});
         EXPECT_EQ(r.bus.Printer(0).Taken(), (std::vector<Bytes>{Query, Zero}));
       }},
      {"no reply",
       2,
       [](Rig& r) { r.bus.Plug(1).StaySilent(); },
       {},
       [](Rig& r) {
         EXPECT_EQ(r.op.TakeTexts(), std::vector<std::string>{"PC가 사용중입니다!"});
         EXPECT_EQ(r.bus.Printer(0).Taken(), (std::vector<Bytes>{Query, Zero}));
       }},
      {"stale input drained",
       2,
       [](Rig& r) {
         EmulatedPrinter& p = r.bus.Plug(1);
         for (int i = 0; i < 3; ++i) p.AddStaleInput(Busy);
       },
       {},
       [](Rig& r) {
         EXPECT_TRUE(r.op.told.empty());
         EXPECT_EQ(r.bus.Printer(0).Taken(), r.Job({0}));
       }},
      {"short write",
       2,
       [](Rig& r) { r.bus.Plug(1).FailOut(3, OutFault::Short); },
       {},
       [](Rig& r) {
         EXPECT_EQ(r.op.TakeTexts(),
                   (std::vector<std::string>{"시리얼 포트 오류!", "Pages 1–2 not sent."}));
         EXPECT_EQ(r.bus.Printer(0).Taken(), (std::vector<Bytes>{Query, Zero}));
         EXPECT_FALSE(r.bench().printing.unfinishedFrom());
       }},
      {"stall cleared",
       2,
       [](Rig& r) { r.bus.Plug(1).FailOut(1, OutFault::Stall); },
       {},
       [](Rig& r) {
         EXPECT_EQ(r.op.TakeTexts(), std::vector<std::string>{"PC가 사용중입니다!"});
         EXPECT_EQ(r.bus.Printer(0).HaltsCleared(), 1);
         // The halt was cleared: the next Print goes through.
         r.bench().printing.Print();
         r.RunTimers();
         EXPECT_TRUE(r.op.told.empty());
         EXPECT_EQ(r.bus.Printer(0).Taken(), r.Job({0}));
       }},
      {"claimed by another program",
       2,
       [](Rig& r) { r.bus.Plug(1).ClaimedByAnotherProgram(); },
       {},
       [](Rig& r) {
         ASSERT_EQ(r.op.told.size(), 2u);
         EXPECT_EQ(r.op.told[0].text, NoPrinter);
         EXPECT_NE(r.op.told[1].text.find("on bus 001, port 1 is in use by another program"),
                   std::string::npos)
             << r.op.told[1].text;
         EXPECT_EQ(r.bus.Printer(0).OutTransfersSubmitted(), 0);
       }},
      {"access denied",
       2,
       [](Rig& r) {
         EmulatedPrinter& p = r.bus.Plug(1);
         ASSERT_EQ(::chmod(r.bus.NodePath(p).c_str(), 0), 0);
       },
       {},
       [](Rig& r) {
         ASSERT_EQ(r.op.told.size(), 2u);
         EXPECT_EQ(r.op.told[0].text, NoPrinter);
         EXPECT_NE(r.op.told[1].text.find("is there, but this user may not open it"),
                   std::string::npos)
             << r.op.told[1].text;
       }},
      {"no printer",
       2,
       [](Rig&) {},
       {},
       [](Rig& r) {
         // Nothing to fix on a printer: no detail, but how to try the program without one.
         ASSERT_EQ(r.op.told.size(), 2u);
         EXPECT_EQ(r.op.told[0].text, NoPrinter);
         EXPECT_TRUE(r.op.told[1].text.starts_with("No Q5300 was found on USB."))
             << r.op.told[1].text;
       }},
      {"two printers: the first by port, whatever their addresses",
       2,
       [](Rig& r) {
         r.bus.Plug(2);  // plugged first: the lower address
         r.bus.Plug(1);
       },
       {},
       [](Rig& r) {
         EXPECT_TRUE(r.op.told.empty());
         EXPECT_TRUE(r.bus.Printer(0).Taken().empty());
         EXPECT_EQ(r.bus.Printer(1).Taken(), r.Job({0}));
       }},
      {"two printers: one taken by another program",
       2,
       [](Rig& r) {
         r.bus.Plug(1).ClaimedByAnotherProgram();
         r.bus.Plug(2);
       },
       {},
       [](Rig& r) {
         EXPECT_TRUE(r.op.told.empty());
         EXPECT_EQ(r.bus.Printer(1).Taken(), r.Job({0}));
         EXPECT_EQ(r.bench().printing.printerNote(),
                   "Printer: the printer 1a86:5537 on bus 001, port 2. Passed over: the printer "
                   "1a86:5537 on bus 001, port 1 is in use by another program; close it and try "
                   "again.");
       }},
      {"unplug between packets", 100,
       [](Rig& r) {
         r.bus.Plug(1);
         r.bus.Plug(2);
       },
       [](Rig& r) { r.bus.Unplug(r.bus.Printer(0)); },
       [](Rig& r) {
         EXPECT_EQ(r.op.TakeTexts(),
                   std::vector<std::string>{"The printer is no longer connected. " + Report});
         EXPECT_EQ(r.bus.Printer(0).Taken(), r.Job({0}));
         EXPECT_TRUE(r.bus.Printer(1).Taken().empty());  // the job never moves
         EXPECT_EQ(r.bench().printing.unfinishedFrom(), 41);
       }},
      {"unplug in the middle of a packet",
       100,
       [](Rig& r) {
         r.bus.Plug(1).FailOut(7, OutFault::Vanish);  // the second packet
         r.bus.Plug(2);
       },
       {},
       [](Rig& r) {
         EXPECT_EQ(r.op.TakeTexts(),
                   std::vector<std::string>{"The printer is no longer connected. " + Report});
         EXPECT_EQ(r.bus.Printer(0).Taken(), r.FirstPacketAndAQuery());
         EXPECT_TRUE(r.bus.Printer(1).Taken().empty());
       }},
      {"second packet timed out part-way, then continued",
       100,
       [](Rig& r) { r.bus.Plug(1).FailOut(7, OutFault::TimeOut, 2000); },
       {},
       [](Rig& r) {
         EXPECT_EQ(r.op.TakeTexts(), (std::vector<std::string>{"시리얼 포트 오류!", ReportInPart}));
         EmulatedPrinter& p = r.bus.Printer(0);
         auto taken = r.FirstPacketAndAQuery();
         EXPECT_EQ(p.Taken(), taken);
         EXPECT_EQ(p.TakenInPart(), std::vector<Bytes>{Prefix(r.Packet(41), 2000)});
         r.op.choices = {0};
         r.bench().printing.Print();
         r.RunTimers();
         ASSERT_EQ(r.op.asked.size(), 1u);
         // The same printer: the question names none.
         EXPECT_EQ(r.op.asked[0].text,
                   "The last print job stopped before its end: Pages 1–41 sent, 42–100 not "
                   "sent. " +
                       InPart + "\n\nContinue from page 42?");
         EXPECT_TRUE(r.op.told.empty());
         const auto rest = r.Job({41, 82});
         taken.insert(taken.end(), rest.begin(), rest.end());
         EXPECT_EQ(p.Taken(), taken);
       }},
      {"unplug part-way through a packet",
       100,
       [](Rig& r) { r.bus.Plug(1).FailOut(7, OutFault::Vanish, 2000); },
       {},
       [](Rig& r) {
         EXPECT_EQ(r.op.TakeTexts(),
                   std::vector<std::string>{"The printer is no longer connected. " + ReportInPart});
         EXPECT_EQ(r.bus.Printer(0).Taken(), r.FirstPacketAndAQuery());
         EXPECT_EQ(r.bus.Printer(0).TakenInPart(), std::vector<Bytes>{Prefix(r.Packet(41), 2000)});
       }},
      {"reset with the device gone", 100,
       [](Rig& r) {
         r.bus.Plug(1);
         r.bus.Plug(2);
       },
       [](Rig& r) { r.bus.Printer(0).VanishAtReset(); },
       [](Rig& r) {
         EXPECT_EQ(r.op.TakeTexts(),
                   std::vector<std::string>{"The printer is no longer connected. " + Report});
         EXPECT_TRUE(r.bus.Printer(1).Taken().empty());
       }},
      {"stops taking input",
       2,
       [](Rig& r) { r.bus.Plug(1).StopTakingInput(); },
       {},
       [](Rig& r) {
         EXPECT_EQ(r.op.TakeTexts(), std::vector<std::string>{"PC가 사용중입니다!"});
         // A query the printer did not take is not followed by its zero-length end.
         EXPECT_EQ(r.bus.Printer(0).OutTransfersSubmitted(), 1);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig;
    c.arrange(rig);
    if (::testing::Test::HasFatalFailure()) return;
    rig.Pages(c.pages);
    {
      // Only the permission case depends on it; everyone else may open anything anyway.
      const WithoutFileOverride asAUser;
      rig.bench().printing.Print();
    }
    if (c.between) c.between(rig);
    rig.RunTimers();
    c.check(rig);
  }
}

TEST_F(UsbPrinterTest, APrinterBackAtItsPlaceAfterAResetTakesTheRestOfTheJob) {
  // The job waits for the printer as long as the thread that plugs it in again
  // takes, however busy the machine; the minute only ends a test gone wrong.
  UsbTimeouts timeouts = TestTimeouts;
  timeouts.reappear = std::chrono::minutes(1);
  Rig rig(/*started=*/true, timeouts);
  rig.bus.Plug(1);
  rig.bus.Plug(2);
  rig.Pages(100);
  rig.bench().printing.Print();
  rig.bus.Printer(0).VanishAtReset();
  // Switched off and on again: it comes back on the same port under a new address
  // while the job waits for it.
  std::thread replug([&rig] {
    while (!rig.bus.Printer(0).gone()) std::this_thread::sleep_for(milliseconds(5));
    rig.bus.Unplug(rig.bus.Printer(0));
    rig.bus.Plug(1);
  });
  rig.RunTimers();
  replug.join();
  EXPECT_TRUE(rig.op.told.empty());
  // The first packet, and the query of the turn at which it went away.
  EXPECT_EQ(rig.bus.Printer(0).Taken(), rig.FirstPacketAndAQuery());
  EXPECT_TRUE(rig.bus.Printer(1).Taken().empty());
  // Asked afresh whether it is ready before anything more is sent.
  EXPECT_EQ(rig.bus.Printer(2).Taken(), rig.Job({41, 82}));
}

// A program that opened a printer a moment before it was pulled out gets the
// answer of an unplugged printer, never a broken connection, even when umockdev
// takes up the descriptor only after the unplug.
TEST_F(UsbPrinterTest, ADescriptorOpenedJustBeforeAnUnplugAnswersNoDevice) {
  EmulatedBus bus;
  EmulatedPrinter& pulled = bus.Plug(1);
  EmulatedPrinter& other = bus.Plug(2);
  // Held in a request to the other printer, umockdev's one thread takes up no
  // new descriptor until it is released.
  other.HoldNextRequest();
  std::thread holder([&other] {
    const int fd = ::open(other.devnode().c_str(), O_RDWR | O_CLOEXEC);
    unsigned capabilities = 0;
    ::ioctl(fd, USBDEVFS_GET_CAPABILITIES, &capabilities);
    ::close(fd);
  });
  other.WaitUntilHeld();
  const int fd = ::open(pulled.devnode().c_str(), O_RDWR | O_CLOEXEC);
  bus.Unplug(pulled);
  other.Release();
  holder.join();
  ASSERT_GE(fd, 0);
  unsigned capabilities = 0;
  errno = 0;
  EXPECT_EQ(::ioctl(fd, USBDEVFS_GET_CAPABILITIES, &capabilities), -1);
  EXPECT_EQ(errno, ENODEV);
  ::close(fd);
}

// A slow printer holds the status query before the second packet: a stop
// pressed meanwhile ends the job at once, and once the printer answers, no
// byte of the packet follows the query.
TEST_F(UsbPrinterTest, AStopWhileThePrinterHoldsTheStatusQuerySendsNothingOfTheNextPacket) {
  testing::QueueDispatcher dispatcher;  // outlives the worker
  Rig rig;
  EmulatedPrinter& printer = rig.bus.Plug(1);
  rig.Pages(100);
  rig.bench().printing.RunOnThread(dispatcher);
  rig.bench().printing.Print();
  ASSERT_TRUE(dispatcher.RunUntil(
      [&] { return rig.bench().printing.phase() == PrintController::Phase::Waiting; }));
  const std::vector<Bytes> firstPacket = rig.Job({0});
  printer.HoldNextRequest();
  rig.timers.Stop(TimerId::Continue);
  rig.bench().printing.TimerFired(TimerId::Continue);
  printer.WaitUntilHeld();
  rig.bench().popup().StopPressed();
  EXPECT_EQ(rig.bench().printing.phase(), PrintController::Phase::Idle);
  EXPECT_FALSE(rig.bench().popup().visible());
  EXPECT_EQ(rig.op.TakeTexts(), std::vector<std::string>{"Printing stopped. " + Report});
  printer.Release();
  ASSERT_TRUE(dispatcher.RunUntil([&] { return !rig.bench().printing.busy(); }));
  std::vector<Bytes> expected = firstPacket;
  expected.insert(expected.end(), {Query, Zero});
  EXPECT_EQ(printer.Taken(), expected);
  EXPECT_FALSE(printer.InterfaceClaimed());
  EXPECT_FALSE(rig.timers.IsArmed(TimerId::Continue));
}

// A first packet the printer took only part of: nothing counts as sent, and the
// pages whose records had begun are named. Records of 96 bytes begin 10 bytes
// into a packet.
TEST_F(UsbPrinterTest, AFirstPacketTakenInPartNamesThePagesItReached) {
  const std::string inPart =
      " may have reached the printer in part: look at the last tubes before you go on.";
  const struct {
    int taken;
    std::string report;
  } cases[] = {
      {10, "Pages 1–2 not sent."},  // the header only
      {11, "Pages 1–2 not sent. Page 1" + inPart},
      {106, "Pages 1–2 not sent. Page 1" + inPart},  // page 2 begins at byte 106
      {150, "Pages 1–2 not sent. Pages 1–2" + inPart},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.taken);
    Rig rig;
    EmulatedPrinter& printer = rig.bus.Plug(1);
    printer.FailOut(3, OutFault::Short, c.taken);
    rig.Pages(2);
    rig.bench().printing.Print();
    rig.RunTimers();
    EXPECT_EQ(rig.op.TakeTexts(), (std::vector<std::string>{"시리얼 포트 오류!", c.report}));
    EXPECT_EQ(printer.Taken(), (std::vector<Bytes>{Query, Zero}));
    EXPECT_EQ(printer.TakenInPart(),
              std::vector<Bytes>{Prefix(rig.Packet(0), static_cast<size_t>(c.taken))});
    EXPECT_FALSE(rig.bench().printing.unfinishedFrom());
  }
}

// The job goes on, when the operator says so, on the printer a job would take
// now; when that is not the printer that took the first pages, the question
// names both, whether the job ended or still waits.
TEST_F(UsbPrinterTest, GoingOnOnAnotherPrinterNamesBothInTheQuestion) {
  const auto plugTwo = [](EmulatedBus& bus) {
    bus.Plug(1);
    bus.Plug(2);
  };
  const struct {
    const char* name;
    std::function<void(EmulatedBus&)> arrange;
    std::function<void(EmulatedBus&)> change;  // after the first packet
    bool ended;       // the job ended at its next turn, before Print was pressed
    size_t from, to;  // which printer took the first pages, which takes the rest
  } cases[] = {
      {"the job ended when its printer went away", plugTwo,
       [](EmulatedBus& bus) { bus.Unplug(bus.Printer(0)); }, true, 0, 1},
      {"its printer went away while the job waits", plugTwo,
       [](EmulatedBus& bus) { bus.Unplug(bus.Printer(0)); }, false, 0, 1},
      {"a printer before it became free while the job waits",
       [](EmulatedBus& bus) {
         bus.Plug(1).ClaimedByAnotherProgram();
         bus.Plug(2);
       },
       [](EmulatedBus& bus) { bus.Printer(0).ClaimedByAnotherProgram(false); }, false, 1, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig;
    c.arrange(rig.bus);
    rig.Pages(100);
    rig.bench().printing.Print();
    c.change(rig.bus);
    if (c.ended) {
      rig.RunTimers();
      EXPECT_EQ(rig.op.TakeTexts(),
                std::vector<std::string>{"The printer is no longer connected. " + Report});
    }
    rig.op.choices = {0};
    rig.bench().printing.Print();
    rig.RunTimers();
    const auto name = [&rig](size_t i) {
      return "the printer 1a86:5537 on bus 001, port " + std::to_string(rig.bus.Printer(i).port());
    };
    ASSERT_EQ(rig.op.asked.size(), 1u);
    EXPECT_EQ(rig.op.asked[0].text,
              std::string(c.ended ? "The last print job stopped before its end:"
                                  : "The print job waits to send its next packet:") +
                  " Pages 1–41 sent, 42–100 not sent.\n\nThe pages sent went to " + name(c.from) +
                  "; printing now goes to " + name(c.to) + ".\n\nContinue from page 42?");
    EXPECT_EQ(rig.op.offered[0], (std::vector<std::string>{"Continue from page 42",
                                                           "Start again from page 1", "Cancel"}));
    EXPECT_TRUE(rig.op.told.empty());
    EXPECT_EQ(rig.bus.Printer(c.from).Taken(), rig.Job({0}));
    EXPECT_EQ(rig.bus.Printer(c.to).Taken(), rig.Job({41, 82}));
    EXPECT_EQ(rig.bench().printing.printerNote(), "Printer: " + name(c.to) + ".");
  }
}

// The window's start-up check only looks, on the link's worker: nothing on a
// printer changes, and the operator hears only when no printer can be taken.
TEST_F(UsbPrinterTest, TheStartUpCheckLooksOnTheWorkerAndChangesNothing) {
  const struct {
    const char* name;
    std::function<void(EmulatedBus&)> arrange;
    const char* detail;  // how the message after the first begins; none: nothing is told
  } cases[] = {
      {"a printer free to take", [](EmulatedBus& bus) { bus.Plug(1); }, nullptr},
      {"a printer in use by another program",
       [](EmulatedBus& bus) { bus.Plug(1).ClaimedByAnotherProgram(); },
       "the printer 1a86:5537 on bus 001, port 1 is in use by another program"},
      {"no printer", [](EmulatedBus&) {}, "No Q5300 was found on USB."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testing::QueueDispatcher dispatcher;  // outlives the worker
    Rig rig(/*started=*/false);
    c.arrange(rig.bus);
    rig.bench().printing.RunOnThread(dispatcher);
    rig.bench().StartUp(/*checkDevice=*/true);
    // Until its report runs on this thread, the check has told nothing.
    EXPECT_TRUE(rig.bench().printing.busy());
    EXPECT_TRUE(rig.op.told.empty());
    ASSERT_TRUE(dispatcher.RunUntil([&] { return !rig.bench().printing.busy(); }));
    rig.LetWorkbenchGo();
    if (c.detail == nullptr) {
      EXPECT_TRUE(rig.op.told.empty());
    } else {
      ASSERT_EQ(rig.op.told.size(), 2u);
      EXPECT_EQ(rig.op.told[0].text, NoPrinter);
      EXPECT_TRUE(rig.op.told[1].text.starts_with(c.detail)) << rig.op.told[1].text;
    }
    for (size_t i = 0; i < rig.bus.size(); ++i) {
      const EmulatedPrinter& p = rig.bus.Printer(i);
      EXPECT_EQ(p.Requests(USBDEVFS_DISCONNECT_CLAIM), 0);
      EXPECT_EQ(p.Requests(USBDEVFS_SETCONFIGURATION), 0);
      EXPECT_EQ(p.Requests(USBDEVFS_IOCTL), 0);  // a kernel driver detached
      EXPECT_FALSE(p.InterfaceClaimed());
      EXPECT_EQ(p.OutTransfersSubmitted(), 0);
    }
  }
}

// The printer a job would take, found without taking it. The printer the device
// has open counts as free and is not tried: its own claim would make it look busy.
TEST_F(UsbPrinterTest, TheProbeNamesThePrinterAJobWouldTakeAndThosePassedOver) {
  EmulatedBus bus;
  EmulatedPrinter& claimed = bus.Plug(1);
  claimed.ClaimedByAnotherProgram();
  EmulatedPrinter& free = bus.Plug(2);
  UsbDevice device{ParseUsbIds("1a86:5537"), TestTimeouts};
  const OpenResult found = device.Probe();
  EXPECT_TRUE(found.ok());
  EXPECT_EQ(found.printer.Text(), "the printer 1a86:5537 on bus 001, port 2");
  ASSERT_EQ(found.skipped.size(), 1u);
  EXPECT_EQ(found.skipped[0].Text(),
            "the printer 1a86:5537 on bus 001, port 1 is in use by another program; close it and "
            "try again.");
  for (const EmulatedPrinter* p : {&claimed, &free}) {
    EXPECT_EQ(p->Requests(USBDEVFS_DISCONNECT_CLAIM), 0);
    EXPECT_EQ(p->Requests(USBDEVFS_SETCONFIGURATION), 0);
    EXPECT_EQ(p->Requests(USBDEVFS_IOCTL), 0);
    EXPECT_FALSE(p->InterfaceClaimed());
  }

  ASSERT_TRUE(device.Open().ok());
  const int claims = free.Requests(USBDEVFS_CLAIMINTERFACE);
  EXPECT_EQ(device.Probe().printer.Text(), "the printer 1a86:5537 on bus 001, port 2");
  EXPECT_EQ(free.Requests(USBDEVFS_CLAIMINTERFACE), claims);
  EXPECT_TRUE(free.InterfaceClaimed());
  device.Close();
  EXPECT_FALSE(free.InterfaceClaimed());
}

TEST_F(UsbPrinterTest, TheListingChangesNothingAndNamesEachPrinterByPort) {
  EmulatedBus bus;
  bus.Plug(2);
  bus.Plug(1).ClaimedByAnotherProgram();
  const UsbPrinterListing listing = ListUsbPrinters(ParseUsbIds("1a86:5537"));
  ASSERT_EQ(listing.printers.size(), 2u);
  EXPECT_EQ(listing.printers[0].place.ports, std::vector<uint8_t>{1});
  EXPECT_EQ(listing.printers[0].access, OpenStatus::Failed);
  EXPECT_NE(listing.printers[0].detail.Text().find("in use by another program"),
            std::string::npos);
  EXPECT_EQ(listing.printers[1].place.ports, std::vector<uint8_t>{2});
  EXPECT_EQ(listing.printers[1].access, OpenStatus::Opened);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(bus.Printer(i).Requests(USBDEVFS_DISCONNECT_CLAIM), 0);
    EXPECT_EQ(bus.Printer(i).Requests(USBDEVFS_IOCTL), 0);
    EXPECT_EQ(bus.Printer(i).Requests(USBDEVFS_SETCONFIGURATION), 0);
  }
}

}  // namespace
}  // namespace q5300::usbtest
