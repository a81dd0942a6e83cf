#include "editing/ResumePoint.h"

#include <algorithm>

namespace q5300 {
namespace {

constexpr char kPageSent[] = Q5300_TEXT("q5300", "Page %1 sent.");
constexpr char kPagesSent[] = Q5300_TEXT("q5300", "Pages %1 sent.");
constexpr char kPageNotSent[] = Q5300_TEXT("q5300", "Page %1 not sent.");
constexpr char kPagesNotSent[] = Q5300_TEXT("q5300", "Pages %1 not sent.");
constexpr char kPageSentRestNot[] = Q5300_TEXT("q5300", "Page %1 sent, %2 not sent.");
constexpr char kPagesSentRestNot[] = Q5300_TEXT("q5300", "Pages %1 sent, %2 not sent.");
constexpr char kPageInPart[] = Q5300_TEXT(
    "q5300", "Page %1 may have reached the printer in part: look at the last tubes before you go "
    "on.");
constexpr char kPagesInPart[] = Q5300_TEXT(
    "q5300", "Pages %1 may have reached the printer in part: look at the last tubes before you go "
    "on.");

// "42" or "42–62".
Phrase Range(int from, int to) {
  return Phrase::Literal(from == to ? std::to_string(from)
                                    : std::to_string(from) + "–" + std::to_string(to));
}

int Find(const PageOrder& order, uint32_t pageId) {
  const auto it = std::find(order.begin(), order.end(), pageId);
  return it == order.end() ? -1 : static_cast<int>(it - order.begin());
}

}  // namespace

PageOrder OrderOf(const PageRecord* first) {
  PageOrder order;
  for (const PageRecord* r = first; r != nullptr; r = r->next) order.push_back(r->pageId);
  return order;
}

ResumePoint ResumePoint::At(const PageOrder& order, int position) {
  ResumePoint point;
  if (position >= 0 && position < static_cast<int>(order.size())) {
    point.candidates.push_back(order[static_cast<std::size_t>(position)]);
  }
  return point;
}

int ResumePoint::PositionIn(const PageOrder& order) const {
  for (const uint32_t id : candidates) {
    if (const int position = Find(order, id); position >= 0) return position;
  }
  return static_cast<int>(order.size());
}

void ResumePoint::FollowRemoval(const PageOrder& order, uint32_t pageId, uint32_t successor) {
  const int next = PositionIn(order);
  if (next >= static_cast<int>(order.size()) || order[static_cast<std::size_t>(next)] != pageId) {
    return;
  }
  if (successor != 0) candidates.push_back(successor);
}

std::vector<int> ResumePoint::PartialPositions(const PageOrder& order) const {
  std::vector<int> positions;
  for (const uint32_t id : partial) {
    if (const int position = Find(order, id); position >= 0) positions.push_back(position);
  }
  std::sort(positions.begin(), positions.end());
  return positions;
}

Phrase SentReport(int firstNotSent, int pageCount) {
  if (pageCount <= 0) return {};
  const int first = std::clamp(firstNotSent, 0, pageCount);
  if (first == pageCount) {
    return Phrase(pageCount == 1 ? kPageSent : kPagesSent, Range(1, pageCount));
  }
  if (first == 0) {
    return Phrase(pageCount == 1 ? kPageNotSent : kPagesNotSent, Range(1, pageCount));
  }
  return Phrase(first == 1 ? kPageSentRestNot : kPagesSentRestNot, Range(1, first),
                Range(first + 1, pageCount));
}

Phrase PartialReport(const std::vector<int>& positions) {
  if (positions.empty()) return {};
  const int from = positions.front() + 1;
  const int to = positions.back() + 1;
  return Phrase(from == to ? kPageInPart : kPagesInPart, Range(from, to));
}

}  // namespace q5300
