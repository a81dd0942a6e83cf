#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "printer/Device.h"
#include "printer/UsbIds.h"

namespace q5300 {

// The printer's USB chip in its vendor mode, over libusb: interface 0 with a
// bulk endpoint each way. Device 0 is the first printer on the bus with one of
// the ids, in bus and address order.
//
// Every transfer has a time-out; opening never waits for a printer to appear.
// Input is read in uploads: one transfer's worth, at most one packet when it
// was waiting already. A read takes one upload and drops what of it does not
// fit the buffer, so a drain of stale input by single-byte reads empties it.
//
// Not thread-safe: one thread drives it, like the link it serves.
class UsbDevice final : public Device {
 public:
  // Looks for the ids of Q5300_USB_IDS, or the default ids.
  UsbDevice();
  explicit UsbDevice(UsbIdList ids);
  UsbDevice(const UsbDevice&) = delete;
  UsbDevice& operator=(const UsbDevice&) = delete;
  ~UsbDevice() override;

  // Opening an open device closes it and opens it afresh.
  OpenResult Open() override;
  void Close() override;
  // After a reset that makes the printer enumerate again, the device is opened anew.
  void Reset() override;
  uint32_t UsbId() override;
  // Takes what the printer has already sent into the device's buffer; the
  // number of uploads waiting there.
  int PendingUploads() override;
  int Read(std::span<uint8_t> buffer) override;
  bool Write(std::span<const uint8_t> bytes) override;

  const UsbIdList& ids() const { return ids_; }

 private:
  struct Session;
  UsbIdList ids_;
  std::unique_ptr<Session> session_;
};

// A printer on the bus as the `devices` command lists it.
struct UsbPrinterEntry {
  UsbDeviceId id;
  uint8_t bus = 0;
  uint8_t address = 0;
  // Opened when this user can open and claim it; otherwise why not.
  OpenStatus access = OpenStatus::Failed;
  std::string detail;
};

struct UsbPrinterListing {
  std::vector<UsbPrinterEntry> printers;  // in bus and address order
  std::vector<std::string> problems;      // ignored ids, USB not usable
};

// Every device on the bus with one of the ids, each tried for access and
// released again. Must not be called while a UsbDevice has the printer open:
// the listing would find it busy.
UsbPrinterListing ListUsbPrinters(const UsbIdList& ids);

}  // namespace q5300
