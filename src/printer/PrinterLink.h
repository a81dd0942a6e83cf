#pragma once

#include <cstdint>
#include <span>

#include "printer/Clock.h"
#include "printer/Device.h"
#include "printer/LinkWorker.h"

namespace q5300 {

// The USB link to the printer: open with a drain of stale input, status query,
// end command, raw writes, close. While a print job runs, the link is
// driven only through its worker.
class PrinterLink {
 public:
  PrinterLink(Device& device, Clock& clock) : device_(device), clock_(clock) {}
  PrinterLink(const PrinterLink&) = delete;
  PrinterLink& operator=(const PrinterLink&) = delete;
  virtual ~PrinterLink();

  // Opens device 0 and reads its pending input away. Opening an open link opens
  // the device again. The reason of a failure stays in lastOpen().
  bool OpenLink();
  // Sends 0x01 'A' and a zero-length packet, reads 9 bytes: ready when the first
  // is 'N'. A query the printer did not take is not ended or answered.
  bool QueryReady();
  // Sends 0x02 'H', then waits 1000 ms.
  bool SendEndCommand();
  Written WriteData(std::span<const uint8_t> bytes);
  // Closes the device when this link opened it.
  void CloseLink();

  bool isOpen() const { return isOpen_; }
  const OpenResult& lastOpen() const { return lastOpen_; }
  Device& device() { return device_; }
  Clock& clock() { return clock_; }
  LinkWorker& worker() { return worker_; }

 private:
  Device& device_;
  Clock& clock_;
  bool isOpen_ = false;
  OpenResult lastOpen_;
  LinkWorker worker_;
};

}  // namespace q5300
