#include "printer/TimerQueue.h"

namespace q5300 {

std::size_t TimerQueue::Slot(TimerId id) {
  return id == TimerId::Continue ? 0 : 1;
}

void TimerQueue::Arm(TimerId id, std::chrono::milliseconds delay) {
  deadlines_[Slot(id)] = clock_.Now() + delay;
}

void TimerQueue::Stop(TimerId id) {
  deadlines_[Slot(id)].reset();
}

std::optional<std::chrono::milliseconds> TimerQueue::deadline(TimerId id) const {
  return deadlines_[Slot(id)];
}

bool TimerQueue::empty() const {
  return !deadlines_[0] && !deadlines_[1];
}

std::optional<TimerId> TimerQueue::WaitForNext() {
  std::optional<TimerId> next;
  for (const TimerId id : {TimerId::Continue, TimerId::FinalMessage}) {
    const auto due = deadlines_[Slot(id)];
    if (due && (!next || *due < *deadlines_[Slot(*next)])) next = id;
  }
  if (!next) return std::nullopt;
  const auto due = *deadlines_[Slot(*next)];
  if (due > clock_.Now()) clock_.Wait(due - clock_.Now());
  deadlines_[Slot(*next)].reset();
  return next;
}

}  // namespace q5300
