#include "editing/JobPages.h"

#include <algorithm>
#include <string>

namespace q5300 {
namespace {

constexpr char kPageSent[] = Q5300_TEXT("q5300", "Page %1 sent.");
constexpr char kPagesSent[] = Q5300_TEXT("q5300", "Pages %1 sent.");
constexpr char kPageNotSent[] = Q5300_TEXT("q5300", "Page %1 not sent.");
constexpr char kPagesNotSent[] = Q5300_TEXT("q5300", "Pages %1 not sent.");
constexpr char kPageSentRestNot[] = Q5300_TEXT("q5300", "Page %1 sent, %2 not sent.");
constexpr char kPagesSentRestNot[] = Q5300_TEXT("q5300", "Pages %1 sent, %2 not sent.");
constexpr char kPageInPart[] =
    Q5300_TEXT("q5300",
               "Page %1 may have reached the printer in part: look at the last tubes before you go "
               "on.");
constexpr char kPagesInPart[] = Q5300_TEXT(
    "q5300",
    "Pages %1 may have reached the printer in part: look at the last tubes before you go "
    "on.");

}  // namespace

PageOrder OrderOf(const PageRecord* first) {
  PageOrder order;
  for (const PageRecord* r = first; r != nullptr; r = r->next) order.push_back(r->pageId);
  return order;
}

JobPages JobPages::From(const PageOrder& order, int position) {
  JobPages pages;
  pages.known_.insert(order.begin(), order.end());
  for (std::size_t i = static_cast<std::size_t>(std::max(position, 0)); i < order.size(); ++i) {
    pages.chosen_.insert(order[i]);
  }
  return pages;
}

JobPages JobPages::Of(const PageOrder& order, const std::vector<uint32_t>& chosen) {
  JobPages pages;
  pages.known_.insert(order.begin(), order.end());
  pages.chosen_.insert(chosen.begin(), chosen.end());
  return pages;
}

bool JobPages::Includes(uint32_t pageId) const {
  return chosen_.contains(pageId) || !known_.contains(pageId);
}

void JobPages::Took(std::span<const uint32_t> pageIds) {
  for (const uint32_t id : pageIds) {
    taken_.insert(id);
    takenThisRun_.insert(id);
    partial_.erase(id);
  }
}

void JobPages::TookInPart(std::span<const uint32_t> pageIds) {
  partial_.insert(pageIds.begin(), pageIds.end());
}

std::vector<uint32_t> JobPages::ToSend(std::span<const PageRecord> records) const {
  // The packets follow the strip: nothing goes out before the last page this
  // run put on it.
  std::size_t from = 0;
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (takenThisRun_.contains(records[i].pageId)) from = i + 1;
  }
  std::vector<uint32_t> pages;
  for (std::size_t i = from; i < records.size(); ++i) {
    const PageRecord& r = records[i];
    if (r.IsPrintable() && Includes(r.pageId) && !taken_.contains(r.pageId)) {
      pages.push_back(r.pageId);
    }
  }
  return pages;
}

std::vector<uint32_t> JobPages::Pages(std::span<const PageRecord> records) const {
  std::vector<uint32_t> pages;
  for (const PageRecord& r : records) {
    if (Includes(r.pageId)) pages.push_back(r.pageId);
  }
  return pages;
}

PageAccount JobPages::Account(std::span<const PageRecord> records) const {
  PageAccount account;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const PageRecord& r = records[i];
    const int position = static_cast<int>(i);
    if (taken_.contains(r.pageId)) {
      account.sent.push_back(position);
    } else if (r.IsPrintable() && Includes(r.pageId)) {
      account.notSent.push_back(position);
    }
    if (partial_.contains(r.pageId)) account.partial.push_back(position);
  }
  return account;
}

std::vector<uint32_t> JobPages::NotSent(std::span<const PageRecord> records) const {
  std::vector<uint32_t> pages;
  for (const PageRecord& r : records) {
    if (r.IsPrintable() && Includes(r.pageId) && !taken_.contains(r.pageId)) {
      pages.push_back(r.pageId);
    }
  }
  return pages;
}

std::string PageRanges(const std::vector<int>& positions) {
  std::string text;
  for (std::size_t i = 0; i < positions.size();) {
    std::size_t end = i;
    while (end + 1 < positions.size() && positions[end + 1] == positions[end] + 1) ++end;
    if (!text.empty()) text += ", ";
    text += std::to_string(positions[i] + 1);
    if (end > i) text += "–" + std::to_string(positions[end] + 1);
    i = end + 1;
  }
  return text;
}

Phrase SentReport(const PageAccount& account) {
  const Phrase sent = Phrase::Literal(PageRanges(account.sent));
  const Phrase notSent = Phrase::Literal(PageRanges(account.notSent));
  const bool oneSent = account.sent.size() == 1;
  if (account.notSent.empty()) {
    if (account.sent.empty()) return {};
    return Phrase(oneSent ? kPageSent : kPagesSent, sent);
  }
  if (account.sent.empty()) {
    return Phrase(account.notSent.size() == 1 ? kPageNotSent : kPagesNotSent, notSent);
  }
  return Phrase(oneSent ? kPageSentRestNot : kPagesSentRestNot, sent, notSent);
}

Phrase PartialReport(const std::vector<int>& positions) {
  if (positions.empty()) return {};
  return Phrase(positions.size() == 1 ? kPageInPart : kPagesInPart,
                Phrase::Literal(PageRanges(positions)));
}

}  // namespace q5300
