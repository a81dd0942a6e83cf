#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/PageRecord.h"
#include "data/Phrase.h"

namespace q5300 {

// The pages of a job in list order, by identity.
using PageOrder = std::vector<uint32_t>;
PageOrder OrderOf(const PageRecord* first);

// Where a print job goes on: the first page not yet sent, by identity, so that
// pages added or deleted before it change nothing of what is still to print.
// When that page is deleted, the page that took its place is next; undo that
// brings the page back brings the job back to it.
struct ResumePoint {
  // The first page not yet sent, then each page that took its place when the
  // one before was deleted. Empty: nothing is left to send.
  std::vector<uint32_t> candidates;
  // Pages of a packet the printer took only part of: they may have been
  // printed, whole or in part.
  std::vector<uint32_t> partial;
  // The printer that took the pages before.
  Phrase printer;

  static ResumePoint At(const PageOrder& order, int position);

  // The list position the job goes on at; the size of `order` when nothing of
  // what was still to send is left.
  int PositionIn(const PageOrder& order) const;
  // The page `pageId` is about to leave the job, and `successor` (0: none) takes
  // its place: when it is the page the job goes on at, its successor is next.
  void FollowRemoval(const PageOrder& order, uint32_t pageId, uint32_t successor);
  // The list positions of the pages of `partial` still in the job, in order.
  std::vector<int> PartialPositions(const PageOrder& order) const;
};

// "Pages 1–41 sent, 42–100 not sent." for a job of `pageCount` pages whose
// first page not sent is at list position `firstNotSent`.
Phrase SentReport(int firstNotSent, int pageCount);
// "Pages 44–64 may have reached the printer in part: look at the last tubes
// before you go on." for the list positions given; empty for none.
Phrase PartialReport(const std::vector<int>& positions);

}  // namespace q5300
