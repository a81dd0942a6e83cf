#include "printer/PacketSender.h"

#include <chrono>

namespace q5300 {

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
  // A zero-length packet closes the transfer; the pause gives the printer time
  // to take the records in.
  const bool ended = link.WriteData({}).ok;
  link.clock().Wait(std::chrono::milliseconds(100));
  return {PacketOutcome::Sent, packet.next, !ended};
}

}  // namespace q5300
