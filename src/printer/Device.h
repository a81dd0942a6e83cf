#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "data/Phrase.h"

namespace q5300 {

enum class OpenStatus {
  Opened,
  NoDevice,      // no printer on the bus
  NoPermission,  // a printer is there, but this user may not open it
  Failed,        // a printer is there and could not be opened for another reason
};

struct OpenResult {
  OpenResult() = default;
  OpenResult(OpenStatus status_, Phrase detail_) : status(status_), detail(std::move(detail_)) {}

  OpenStatus status = OpenStatus::NoDevice;
  Phrase detail;  // for the operator: which device, what went wrong, how to fix it
  // Opened: which printer, as the operator finds it ("the printer 1a86:5537 on
  // bus 001, port 2"); two results name the same printer when these are equal.
  Phrase printer;
  // Printers tried before the one opened, each with the reason it was passed over.
  std::vector<Phrase> skipped;
  bool ok() const { return status == OpenStatus::Opened; }
};

// What a write did: how many of its bytes the device took, and whether it took
// them all. A write that fails part-way may have delivered its first bytes.
struct Written {
  bool ok = false;
  std::size_t taken = 0;
  explicit operator bool() const { return ok; }
};

// What a reset left behind.
enum class ResetResult {
  Done,      // the device is as it was, its endpoints cleared
  Reopened,  // the device had gone and came back at the same place: opened afresh
  Gone,      // the device is no longer there; it is closed
};

// The printer's USB interface chip as the program uses it: the seven operations
// of the chip, always on device 0, and a look at which printer Open would take.
// Implemented over libusb for the real printer and by the virtual printer.
class Device {
 public:
  virtual ~Device() = default;
  virtual OpenResult Open() = 0;
  // Which printer Open would take now, and whether it could, found without
  // changing anything on any printer: no kernel driver is detached and no
  // configuration set. A printer open here counts as one Open could take while
  // it is still there.
  virtual OpenResult Probe() = 0;
  virtual void Close() = 0;
  // Brings the open device back to a known state. It never moves to another
  // device: a device that went away is only opened again where it was.
  virtual ResetResult Reset() = 0;
  // Vendor id in the low 16 bits, product id in the high 16 bits; 0 when unknown.
  virtual uint32_t UsbId() = 0;
  // How many input packets wait to be read.
  virtual int PendingUploads() = 0;
  // Reads up to buffer.size() bytes; the number read, or -1 on failure.
  virtual int Read(std::span<uint8_t> buffer) = 0;
  // Writes all bytes (an empty span is a zero-length packet); ok when all were
  // taken. A failed write says how many bytes the device took before it failed.
  virtual Written Write(std::span<const uint8_t> bytes) = 0;
  // The open device went away (unplugged, switched off): its handle is dead and
  // every transfer on it fails until it is opened again.
  virtual bool Lost() const = 0;
};

}  // namespace q5300
