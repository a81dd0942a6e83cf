#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace q5300 {

enum class OpenStatus {
  Opened,
  NoDevice,      // no printer on the bus
  NoPermission,  // a printer is there, but this user may not open it
  Failed,        // a printer is there and could not be opened for another reason
};

struct OpenResult {
  OpenStatus status = OpenStatus::NoDevice;
  std::string detail;  // for the operator: which device, what went wrong, how to fix it
  bool ok() const { return status == OpenStatus::Opened; }
};

// The printer's USB interface chip as the program uses it: seven operations,
// always on device 0. Implemented over libusb for the real printer and by the
// virtual printer.
class Device {
 public:
  virtual ~Device() = default;
  virtual OpenResult Open() = 0;
  virtual void Close() = 0;
  // A USB device reset.
  virtual void Reset() = 0;
  // Vendor id in the low 16 bits, product id in the high 16 bits; 0 when unknown.
  virtual uint32_t UsbId() = 0;
  // How many input packets wait to be read.
  virtual int PendingUploads() = 0;
  // Reads up to buffer.size() bytes; the number read, or -1 on failure.
  virtual int Read(std::span<uint8_t> buffer) = 0;
  // Writes all bytes (an empty span is a zero-length packet); true on success.
  virtual bool Write(std::span<const uint8_t> bytes) = 0;
};

}  // namespace q5300
