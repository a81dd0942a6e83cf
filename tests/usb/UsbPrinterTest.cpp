// The real USB path, libusb included, against printers emulated on a USB bus of
// the test's own: the libusb device, the printer link and the print job, as the
// window drives them, on a manual clock where the job waits.
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <linux/ioctl.h>
#include <linux/usbdevice_fs.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "compile/PrintPacket.h"
#include "editing/Engine.h"
#include "printer/TimerQueue.h"
#include "printer/UsbDevice.h"
#include "support/FakeGrid.h"
#include "support/FakeOperator.h"
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

// The window's engine over the libusb device, on a bus of emulated printers.
struct Rig {
  EmulatedBus bus;
  testing::FakeOperator op;
  testing::FakeGrid grid;
  ManualClock clock;
  TimerQueue timers{clock};
  UsbDevice device{ParseUsbIds("1a86:5537"), TestTimeouts};
  Engine engine{op, grid, timers, device, clock};

  Rig() {
    grid.Attach(engine);
    engine.StartUp(/*checkDevice=*/false);
  }
  void Pages(int count) {
    while (engine.grid().rowCount() < count) engine.Add();
    for (int row = 0; row < count; ++row) {
      engine.grid().SetCellText(row, Line1Column, std::u16string(40, u'X'));
    }
  }
  void RunTimers() { ASSERT_TRUE(testing::RunTimers(timers, engine)) << "the timers never stop"; }
  Bytes Packet(int start) {
    return BuildPacket(engine.job().settings, engine.job().pages.first(), start).bytes;
  }
  // A status query and its zero-length end, then each packet and its end.
  std::vector<Bytes> Job(std::initializer_list<int> starts) {
    std::vector<Bytes> writes;
    for (const int start : starts) {
      writes.insert(writes.end(), {Query, Zero, Packet(start), Zero});
    }
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
         EXPECT_EQ(r.engine.printJob().printerNote(),
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
         EXPECT_FALSE(r.engine.printJob().unfinishedFrom());
       }},
      {"stall cleared",
       2,
       [](Rig& r) { r.bus.Plug(1).FailOut(1, OutFault::Stall); },
       {},
       [](Rig& r) {
         EXPECT_EQ(r.op.TakeTexts(), std::vector<std::string>{"PC가 사용중입니다!"});
         EXPECT_EQ(r.bus.Printer(0).HaltsCleared(), 1);
         // The halt was cleared: the next Print goes through.
         r.engine.Print();
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
         EXPECT_EQ(r.engine.printJob().printerNote(),
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
         EXPECT_EQ(r.engine.printJob().unfinishedFrom(), 41);
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
         auto sent = r.Job({0});
         sent.insert(sent.end(), {Query, Zero});
         EXPECT_EQ(r.bus.Printer(0).Taken(), sent);
         EXPECT_TRUE(r.bus.Printer(1).Taken().empty());
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
      rig.engine.Print();
    }
    if (c.between) c.between(rig);
    rig.RunTimers();
    c.check(rig);
  }
}

TEST_F(UsbPrinterTest, APrinterBackAtItsPlaceAfterAResetTakesTheRestOfTheJob) {
  Rig rig;
  rig.bus.Plug(1);
  rig.bus.Plug(2);
  rig.Pages(100);
  rig.engine.Print();
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
  auto before = rig.Job({0});
  before.insert(before.end(), {Query, Zero});
  EXPECT_EQ(rig.bus.Printer(0).Taken(), before);
  EXPECT_TRUE(rig.bus.Printer(1).Taken().empty());
  // Asked afresh whether it is ready before anything more is sent.
  EXPECT_EQ(rig.bus.Printer(2).Taken(), rig.Job({41, 82}));
}

TEST_F(UsbPrinterTest, TheListingChangesNothingAndNamesEachPrinterByPort) {
  EmulatedBus bus;
  bus.Plug(2);
  bus.Plug(1).ClaimedByAnotherProgram();
  const UsbPrinterListing listing = ListUsbPrinters(ParseUsbIds("1a86:5537"));
  ASSERT_EQ(listing.printers.size(), 2u);
  EXPECT_EQ(listing.printers[0].place.ports, std::vector<uint8_t>{1});
  EXPECT_EQ(listing.printers[0].access, OpenStatus::Failed);
  EXPECT_NE(listing.printers[0].detail.find("in use by another program"), std::string::npos);
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
