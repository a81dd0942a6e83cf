#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "printer/Clock.h"
#include "printer/Device.h"
#include "printer/PacketDecoder.h"

namespace q5300 {

enum class DeviceCall { Open, Close, Reset, UsbId, PendingUploads, Read, Write, Probe };

// One call the virtual printer received, in order.
struct DeviceCallRecord {
  DeviceCall call = DeviceCall::Open;
  std::chrono::milliseconds time{0};
  // Write: the bytes given; Read: the bytes delivered.
  std::vector<uint8_t> bytes;
  // Open, Probe: the OpenStatus; Write: 1 taken, 0 failed; Read, PendingUploads,
  // UsbId: the value returned; Reset: 1 when the device was found gone; Close: 0.
  int64_t result = 0;
  // Write: how many of the bytes were taken.
  std::size_t taken = 0;
};

// A write the printer took, and what it holds.
struct ReceivedWrite {
  std::chrono::milliseconds time{0};
  std::vector<uint8_t> bytes;
  DecodedMessage message;
};

// An in-process stand-in for the printer: it answers status queries, records
// every call with the clock's time, decodes every write, and can be told to
// fail the ways a real link fails. It can also store every write it takes as
// DIR/write-NNNN.bin, for trying the program without a printer.
//
// Input works in uploads like the USB device: a read takes one upload (a status
// reply, or one byte of stale input) and drops what does not fit the buffer.
//
// Not thread-safe: one thread at a time drives it (the link's worker while a job
// runs).
class VirtualPrinter final : public Device {
 public:
  static constexpr uint32_t VirtualUsbId = 0x5537'4348;  // 4348:5537

  // `clock` must outlive the printer.
  explicit VirtualPrinter(const Clock& clock);
  // Also stores every write it takes in `outputDir`, which must exist. Files are
  // numbered on from the highest write-NNNN.bin already there and only ever
  // made new, so nothing there is overwritten; a zero-length write is an empty
  // file. The labels of every print packet go on to outputDir/labels.txt, one
  // line each, when that is a regular file or missing. A write that cannot be
  // stored whole fails and leaves nothing behind; from then on every write
  // fails, until the printer is opened again.
  VirtualPrinter(const Clock& clock, std::filesystem::path outputDir);

  OpenResult Open() override;
  OpenResult Probe() override;
  void Close() override;
  // Gone once the printer was unplugged while open; it is then closed.
  ResetResult Reset() override;
  uint32_t UsbId() override;
  int PendingUploads() override;
  int Read(std::span<uint8_t> buffer) override;
  Written Write(std::span<const uint8_t> bytes) override;
  bool Lost() const override { return unplugged_; }

  // ---- How it answers ----
  // 'N' and eight zero bytes: ready.
  static std::vector<uint8_t> ReadyReply();
  // The reply to every later status query; a first byte other than 'N' (such as
  // 'B') is a printer that is not ready.
  void SetStatusReply(std::vector<uint8_t> reply) { statusReply_ = std::move(reply); }
  // The replies to the next status queries, in turn; then the reply set above.
  void SetNextStatusReplies(std::deque<std::vector<uint8_t>> replies) {
    nextReplies_ = std::move(replies);
  }

  // ---- Faults ----
  // Open answers `status` (NoDevice, NoPermission or Failed) until told Opened.
  void RefuseOpen(OpenStatus status) { refusal_ = status; }
  // After `writes` more writes are taken the printer is unplugged: every later
  // call fails and Open answers NoDevice. 0 unplugs it now.
  void UnplugAfterWrites(int writes);
  // The printer is plugged in again after an unplug: it opens afresh.
  void Replug() {
    unplugged_ = false;
    unplugIn_ = -1;
  }
  // The `nth` write from now (1: the next one) fails. Its first `taken` bytes
  // reach the printer (a transfer that times out or is cut part-way); the
  // write is not counted as received.
  void FailWrite(int nth = 1, std::size_t taken = 0) {
    writeFailsIn_ = nth;
    failedWriteTakes_ = taken;
  }
  // The `nth` write from now is cut part-way by an unplug after `taken` bytes.
  void UnplugDuringWrite(int nth, std::size_t taken) {
    FailWrite(nth, taken);
    unplugAtFailedWrite_ = true;
  }
  // The next `count` reads deliver nothing; the reply each would have taken is lost.
  void DeliverNothing(int count = 1) { emptyReads_ = count; }
  // The printer stops taking input: every later write holds the calling thread
  // for `timeout` of real time, as a USB write does until its time-out, and fails.
  void StopTakingInput(std::chrono::milliseconds timeout) { stallWrites_ = timeout; }
  // Called with each write as it arrives, before the printer takes any of it,
  // on the thread that writes: what happens elsewhere while a transfer is under way.
  void SetArrivalObserver(std::function<void(std::span<const uint8_t>)> observer) {
    arrival_ = std::move(observer);
  }
  // `count` bytes of stale input wait, each as an upload of its own.
  void AddStaleInput(int count);

  // ---- What happened ----
  const std::vector<DeviceCallRecord>& calls() const { return calls_; }
  int CountCalls(DeviceCall call) const;
  const std::vector<ReceivedWrite>& received() const { return received_; }
  // The print packets among the writes taken, in order.
  std::vector<DecodedPacket> packets() const;
  bool isOpen() const { return open_; }
  bool isUnplugged() const { return unplugged_; }
  const std::optional<std::filesystem::path>& outputDir() const { return outputDir_; }
  // Why a write could not be stored since the printer was opened; empty when
  // all went well.
  const std::string& outputError() const { return outputError_; }

 private:
  bool Usable() const { return open_ && !unplugged_; }
  void Log(DeviceCall call, int64_t result, std::span<const uint8_t> bytes = {},
           std::size_t taken = 0);
  OpenResult Answer();
  bool Store(std::span<const uint8_t> bytes, const DecodedMessage& message);
  bool Fail(const std::filesystem::path& path, int code);

  const Clock& clock_;
  std::optional<std::filesystem::path> outputDir_;
  unsigned nextFileNumber_ = 1;
  std::string outputError_;

  std::vector<uint8_t> statusReply_ = ReadyReply();
  std::deque<std::vector<uint8_t>> nextReplies_;
  std::deque<std::vector<uint8_t>> uploads_;
  OpenStatus refusal_ = OpenStatus::Opened;
  int unplugIn_ = -1;  // writes until unplugged; -1: never
  int writeFailsIn_ = 0;
  std::size_t failedWriteTakes_ = 0;
  bool unplugAtFailedWrite_ = false;
  int emptyReads_ = 0;
  std::optional<std::chrono::milliseconds> stallWrites_;
  std::function<void(std::span<const uint8_t>)> arrival_;
  bool open_ = false;
  bool unplugged_ = false;

  std::vector<DeviceCallRecord> calls_;
  std::vector<ReceivedWrite> received_;
};

}  // namespace q5300
