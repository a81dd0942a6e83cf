#pragma once

#include <cstddef>

#include "compile/PrintPacket.h"
#include "printer/PrinterLink.h"

namespace q5300 {

struct PacketOutcome {
  enum Kind {
    Sent,            // the printer took every byte; `next` is where the next packet starts
    NothingToPrint,  // no printable record at or after start; nothing written
    TooLong,         // the image exceeds MaxImageSize; nothing written
    WriteFailed,     // the printer did not take the packet; `next` is the start again
  };
  Kind kind = NothingToPrint;
  int next = 0;
  // Sent, but the zero-length packet that closes the transfer was not taken.
  bool endFailed = false;
  // WriteFailed: how many bytes of the packet the printer took before it failed.
  std::size_t taken = 0;
};

// Closes the transfer of a packet the printer took with a zero-length packet,
// then waits 100 ms for the printer to take the records in. False when the
// zero-length packet was not taken.
bool EndTransfer(PrinterLink& link);

// Writes a ready packet and a zero-length packet, then waits 100 ms. A packet
// whose bytes were all taken counts as sent even when the zero-length packet
// fails: sending it again would print its pages twice. `start` is where the
// packet begins.
PacketOutcome SendPacket(PrinterLink& link, const Packet& packet, int start);

}  // namespace q5300
