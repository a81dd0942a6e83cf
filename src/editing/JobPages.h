#pragma once

#include <cstdint>
#include <span>
#include <unordered_set>
#include <vector>

#include "data/PageRecord.h"
#include "data/Phrase.h"

namespace q5300 {

// The pages of a job in list order, by identity.
using PageOrder = std::vector<uint32_t>;
PageOrder OrderOf(const PageRecord* first);

// Where the pages of a print job stand, as list positions of the job as it is
// now: pages the printer took, pages of the job it never got, and pages of a
// packet it took only in part.
struct PageAccount {
  std::vector<int> sent;
  std::vector<int> notSent;
  std::vector<int> partial;
};

// The pages one print job is to print and what became of each, by identity, so
// that pages added, deleted or brought back while the job waits change nothing
// of what the printer got and what is still to print.
//
// A job prints the pages it was started with and every page that comes into the
// list while it runs. Its packets go on in list order after the last page the
// printer took in this run: a page that comes back or in before that place
// is not printed out of its order on the strip but left for the report, and a
// later run of the same job prints exactly the pages the printer never got.
class JobPages {
 public:
  JobPages() = default;
  // Every page of `order` from list position `position` on.
  static JobPages From(const PageOrder& order, int position);
  // The pages `chosen` of `order`, in list order whatever their order here.
  static JobPages Of(const PageOrder& order, const std::vector<uint32_t>& chosen);

  // The page belongs to the job: chosen at its start, or new since.
  bool Includes(uint32_t pageId) const;
  bool WasTaken(uint32_t pageId) const { return taken_.contains(pageId); }
  // The printer took these pages whole.
  void Took(std::span<const uint32_t> pageIds);
  // The printer took part of a packet: these pages may be on the strip in part.
  void TookInPart(std::span<const uint32_t> pageIds);
  // A new run of the job: it prints the pages not taken from the top of the
  // list, each once.
  void NewRun() { takenThisRun_.clear(); }

  // The pages of `records` (the job as it is now, in list order) the next packet
  // may carry: the printable pages of the job not taken, after every page taken
  // in this run.
  std::vector<uint32_t> ToSend(std::span<const PageRecord> records) const;
  // The pages the job prints, printable or not, as they are in `records`.
  std::vector<uint32_t> Pages(std::span<const PageRecord> records) const;
  // What became of the pages, in the list positions of `records`. A page counts
  // as not sent while it is printable; a page the printer took counts as sent
  // whatever it became since.
  PageAccount Account(std::span<const PageRecord> records) const;
  // The pages the printer never got that a later run would print.
  std::vector<uint32_t> NotSent(std::span<const PageRecord> records) const;

  // The printer that took the pages so far.
  Phrase printer;

 private:
  std::unordered_set<uint32_t> chosen_;
  // Every page of the list when the job started: a page not among them is new.
  std::unordered_set<uint32_t> known_;
  std::unordered_set<uint32_t> taken_;
  std::unordered_set<uint32_t> takenThisRun_;
  std::unordered_set<uint32_t> partial_;
};

// "1–41" or "10, 45–101" for list positions in order, counted from 1.
std::string PageRanges(const std::vector<int>& positions);

// "Pages 1–41 sent, 42–100 not sent." for the account of a job; empty when
// it names no page.
Phrase SentReport(const PageAccount& account);
// "Pages 44–64 may have reached the printer in part: look at the last tubes
// before you go on." for the list positions given; empty for none.
Phrase PartialReport(const std::vector<int>& positions);

}  // namespace q5300
