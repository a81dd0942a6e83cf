#include "printer/PrinterLink.h"

#include <array>

namespace q5300 {

namespace {

constexpr uint8_t StatusQuery[] = {0x01, 'A'};
constexpr uint8_t EndCommand[] = {0x02, 'H'};
constexpr uint8_t Ready = 'N';
constexpr size_t StatusReplySize = 9;
// The printer needs this long to take the end of a job before anything else.
constexpr std::chrono::milliseconds EndCommandPause{1000};

}  // namespace

PrinterLink::~PrinterLink() {
  // Work under way finishes first (every transfer has a time-out); the device
  // is then this thread's alone.
  worker_.Stop();
  if (isOpen_) CloseLink();
}

bool PrinterLink::OpenLink() {
  lastOpen_ = device_.Open();
  if (!lastOpen_.ok()) return false;
  // Input left over from an earlier session would be taken for the answer to
  // the next status query.
  const int pending = device_.PendingUploads();
  for (int i = 0; i < pending; ++i) {
    uint8_t discarded = 0;
    device_.Read(std::span(&discarded, 1));
  }
  isOpen_ = true;
  return true;
}

bool PrinterLink::QueryReady() {
  if (!isOpen_) return false;
  std::array<uint8_t, 10> buffer{};
  buffer[0] = StatusQuery[0];
  buffer[1] = StatusQuery[1];
  // A query the printer did not take has nothing to complete: a printer that
  // stopped taking input would hold a second write as long as the first.
  if (!device_.Write(std::span(buffer).first(2))) return false;
  // The zero-length packet tells the chip that the query is complete.
  device_.Write({});
  // A read that delivers nothing leaves the query's first byte in place, which
  // is not the ready answer.
  device_.Read(std::span(buffer).first(StatusReplySize));
  return buffer[0] == Ready;
}

bool PrinterLink::SendEndCommand() {
  if (!isOpen_) return false;
  std::array<uint8_t, 10> buffer{};
  buffer[0] = EndCommand[0];
  buffer[1] = EndCommand[1];
  if (!device_.Write(std::span(buffer).first(2))) return false;
  clock_.Wait(EndCommandPause);
  return true;
}

Written PrinterLink::WriteData(std::span<const uint8_t> bytes) {
  if (!isOpen_) return {};
  return device_.Write(bytes);
}

void PrinterLink::CloseLink() {
  if (!isOpen_) return;
  isOpen_ = false;
  device_.Close();
}

}  // namespace q5300
