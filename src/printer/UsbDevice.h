#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "printer/Device.h"
#include "printer/UsbIds.h"

namespace q5300 {

// How long each kind of transfer may take.
struct UsbTimeouts {
  // Room for a printer that holds off its input while its buffer is full.
  std::chrono::milliseconds write{5000};
  // A status reply is a single short packet; a printer that stays silent must
  // not hold the job for long.
  std::chrono::milliseconds read{2000};
  // Only what is already waiting is drained.
  std::chrono::milliseconds drain{20};
  // How long a reset waits for a device that went away to come back at its place.
  std::chrono::milliseconds reappear{2000};
};

// The place of a printer on the bus: its bus and the ports from the root hub
// down. Unlike the address, it stays the same when the printer comes back.
struct UsbPlace {
  uint8_t bus = 0;
  std::vector<uint8_t> ports;  // empty where the platform does not tell them
  uint8_t address = 0;

  // "bus 001, port 2" or "bus 001, port 1.4"; the address where no port is known.
  Phrase Describe() const;
  // "1.4": the ports from the root hub down; empty where none is known.
  std::string PortPath() const;
  bool SamePlace(const UsbPlace& other) const;
};

// The printer's USB chip in its vendor mode, over libusb: interface 0 with a
// bulk endpoint each way. Device 0 is the first printer, in bus and port order,
// that this user can open and claim; the printers passed over are named in the
// result of Open.
//
// Every transfer has a time-out; opening never waits for a printer to appear.
// Input is read in uploads: one transfer's worth, at most one packet when it
// was waiting already. A read takes one upload and drops what of it does not
// fit the buffer, so a drain of stale input by single-byte reads empties it.
//
// Not thread-safe: one thread at a time drives it (the link's worker while a
// job runs).
class UsbDevice final : public Device {
 public:
  // Looks for the ids of Q5300_USB_IDS, or the default ids.
  UsbDevice();
  explicit UsbDevice(UsbIdList ids, UsbTimeouts timeouts = {});
  UsbDevice(const UsbDevice&) = delete;
  UsbDevice& operator=(const UsbDevice&) = delete;
  ~UsbDevice() override;

  // Opening an open device closes it and opens it afresh.
  OpenResult Open() override;
  // The first printer, in bus and port order, that this user could open and
  // claim, as ListUsbPrinters finds it; the printers passed over are named.
  // The printer open here counts as one that can be taken while it is there.
  OpenResult Probe() override;
  void Close() override;
  // Clears a halt on both endpoints and drops input taken but not read. No USB
  // port reset: nothing the printer does depends on one, and a reset makes the
  // chip enumerate again. A device found gone is opened again only at its own
  // place on the bus, never another printer.
  ResetResult Reset() override;
  uint32_t UsbId() override;
  // Takes what the printer has already sent into the device's buffer; the
  // number of uploads waiting there.
  int PendingUploads() override;
  int Read(std::span<uint8_t> buffer) override;
  Written Write(std::span<const uint8_t> bytes) override;
  bool Lost() const override { return lost_; }

  const UsbIdList& ids() const { return ids_; }

 private:
  struct Session;
  OpenResult OpenAt(const UsbPlace& place);
  // After a failed transfer: a device that is gone is lost; a stalled
  // endpoint has its halt cleared.
  void AfterTransferError(int error, uint8_t endpoint);

  UsbIdList ids_;
  UsbTimeouts timeouts_;
  std::unique_ptr<Session> session_;
  bool lost_ = false;
};

// A printer on the bus as the `devices` command lists it.
struct UsbPrinterEntry {
  UsbDeviceId id;
  UsbPlace place;
  // Opened when this user can open and claim it; otherwise why not.
  OpenStatus access = OpenStatus::Failed;
  Phrase detail;
};

struct UsbPrinterListing {
  std::vector<UsbPrinterEntry> printers;  // in bus and port order
  std::vector<Phrase> problems;           // ignored ids, USB not usable
};

// Every device on the bus with one of the ids, each tried for access and
// released again. Nothing about a printer is changed: no kernel driver is
// detached and no configuration set. Must not be called while a UsbDevice has
// the printer open: the listing would find it busy.
UsbPrinterListing ListUsbPrinters(const UsbIdList& ids);

}  // namespace q5300
