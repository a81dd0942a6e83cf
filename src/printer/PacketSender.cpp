#include "printer/PacketSender.h"

#include <chrono>

namespace q5300 {

bool EndTransfer(PrinterLink& link) {
  const bool ended = link.WriteData({}).ok;
  link.clock().Wait(std::chrono::milliseconds(100));
  return ended;
}

PacketOutcome SendPacket(PrinterLink& link, const Packet& packet, int start) {
  switch (packet.kind) {
    case Packet::TooLong:
      return {PacketOutcome::TooLong, 0};
    case Packet::NothingToPrint:
      return {PacketOutcome::NothingToPrint, 0};
    case Packet::Ready:
      break;
  }
  // A packet the printer did not take must be sent again, not skipped: the
  // caller learns of it and keeps the start position.
  if (const Written written = link.WriteData(packet.bytes); !written) {
    PacketOutcome failed{PacketOutcome::WriteFailed, start};
    failed.taken = written.taken;
    return failed;
  }
  return {PacketOutcome::Sent, packet.next, !EndTransfer(link)};
}

}  // namespace q5300
