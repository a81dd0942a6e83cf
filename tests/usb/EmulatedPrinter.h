#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

// umockdev's types, kept out of the tests that use the bench.
struct _UMockdevTestbed;
struct _UMockdevIoctlBase;
struct _UMockdevIoctlClient;
struct _UMockdevIoctlData;

namespace q5300::usbtest {

// What the printer does with one of its next OUT transfers. The transfer's
// first bytes may get through before it fails (Short: 8 unless told; the
// others none unless told); the URB reports them as its actual length.
enum class OutFault {
  Stall,    // the endpoint stalls: the transfer fails with a halt to clear
  Short,    // the transfer ends short, as if complete
  Vanish,   // the printer is unplugged while the transfer is under way
  TimeOut,  // the printer takes nothing more until libusb gives the transfer up
};

// The printer's USB chip as the kernel's usbfs shows it to libusb: interface 0
// with bulk endpoints 0x02 and 0x82 of 64 bytes. It answers every status query
// 0x01 'A' with its reply, takes packets and zero-length writes, and can be
// told to fail the ways a real printer fails. Its answers come from umockdev's
// thread; everything here is guarded by one lock.
class EmulatedPrinter {
 public:
  EmulatedPrinter(uint8_t port, uint8_t address, uint16_t vendor, uint16_t product);
  ~EmulatedPrinter();
  EmulatedPrinter(const EmulatedPrinter&) = delete;
  EmulatedPrinter& operator=(const EmulatedPrinter&) = delete;

  // ---- How it answers ----
  void SetReply(std::vector<uint8_t> reply);  // 'N' and eight zero bytes: ready
  void StaySilent();                          // status queries get no answer
  void AddStaleInput(std::vector<uint8_t> upload);
  void ClaimedByAnotherProgram(bool claimed = true);
  // The `nth` OUT transfer from now (1: the next one) fails as told, after the
  // printer took its first `bytes`.
  void FailOut(int nth, OutFault fault, std::optional<int> bytes = std::nullopt);
  // Every OUT transfer from now on hangs until it times out.
  void StopTakingInput();
  // The printer is unplugged when the next endpoint halt is cleared (a reset).
  void VanishAtReset();
  // The next request to this printer holds umockdev's one thread until
  // Release(): meanwhile no request to any printer of the bus is answered and
  // no descriptor opened is taken up. WaitUntilHeld() returns once it holds.
  void HoldNextRequest();
  void WaitUntilHeld();
  void Release();

  // ---- What happened ----
  // Every OUT transfer taken whole, zero-length ones included, in order.
  std::vector<std::vector<uint8_t>> Taken() const;
  // The bytes taken of each OUT transfer a fault cut short, in order.
  std::vector<std::vector<uint8_t>> TakenInPart() const;
  int OutTransfersSubmitted() const;
  int HaltsCleared() const;
  // How often a usbfs request (USBDEVFS_...) came.
  int Requests(unsigned long request) const;
  // Interface 0 is claimed now: claimed and not released since (a claim that
  // only the closing of a handle would end counts as held).
  bool InterfaceClaimed() const;
  bool gone() const;

  uint8_t port() const { return port_; }
  uint8_t address() const { return address_; }
  std::string devnode() const;
  std::string syspath() const;
  std::string udevRecord() const;
  _UMockdevIoctlBase* handler() const { return handler_; }

  // Unplugged: every later request fails with ENODEV; transfers under way end.
  void Vanish();

 private:
  static int HandleIoctl(_UMockdevIoctlBase* handler, _UMockdevIoctlClient* client,
                         EmulatedPrinter* printer);
  bool Handle(_UMockdevIoctlClient* client);
  bool Submit(_UMockdevIoctlClient* client, _UMockdevIoctlData* urbData);
  void CompleteReads();
  void VanishLocked();

  const uint8_t port_;
  const uint8_t address_;
  const uint16_t vendor_;
  const uint16_t product_;
  _UMockdevIoctlBase* handler_ = nullptr;

  std::mutex holdMutex_;  // apart from mutex_: held, the thread must not block the test
  std::condition_variable holdChanged_;
  bool holdNext_ = false;
  bool held_ = false;

  mutable std::mutex mutex_;
  std::vector<uint8_t> reply_;
  bool silent_ = false;
  bool claimedElsewhere_ = false;
  bool interfaceClaimed_ = false;
  bool stopTakingInput_ = false;
  bool vanishAtReset_ = false;
  bool gone_ = false;
  struct Failure {
    OutFault fault;
    int bytes;
  };
  std::map<int, Failure> faults_;  // by the number of the OUT transfer
  int outSubmitted_ = 0;
  int haltsCleared_ = 0;
  std::map<unsigned long, int> requests_;
  std::deque<std::vector<uint8_t>> input_;
  std::deque<_UMockdevIoctlData*> flying_;  // submitted, not complete
  std::deque<_UMockdevIoctlData*> done_;    // complete, to be reaped
  std::vector<std::vector<uint8_t>> taken_;
  std::vector<std::vector<uint8_t>> takenInPart_;
};

// A USB bus of its own for the program under test: a root hub on bus 1 and
// printers on its ports. Needs the process to run with umockdev's preload
// library; without it, available() is false.
class EmulatedBus {
 public:
  EmulatedBus();
  ~EmulatedBus();
  EmulatedBus(const EmulatedBus&) = delete;
  EmulatedBus& operator=(const EmulatedBus&) = delete;

  // The bus can be emulated here (umockdev's preload library is loaded).
  static bool available();

  // A printer plugged into `port` of the root hub.
  EmulatedPrinter& Plug(uint8_t port, uint16_t vendor = 0x1a86, uint16_t product = 0x5537);
  // The printer is pulled out: it leaves the bus. A descriptor opened before
  // goes on answering every request with ENODEV, as the kernel's does.
  void Unplug(EmulatedPrinter& printer);
  // The printers in the order they were plugged in, unplugged ones included.
  EmulatedPrinter& Printer(size_t index) { return *printers_.at(index); }
  size_t size() const { return printers_.size(); }
  // The device node of a printer, for its permissions.
  std::string NodePath(const EmulatedPrinter& printer) const;

 private:
  _UMockdevTestbed* testbed_ = nullptr;
  uint8_t nextAddress_ = 2;
  std::vector<std::unique_ptr<EmulatedPrinter>> printers_;
};

}  // namespace q5300::usbtest
