#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

#include "printer/LinkWorker.h"

namespace q5300::testing {

// Keeps the reports of a worker thread until the test runs them on its own
// thread, as the window's event loop would.
class QueueDispatcher final : public Dispatcher {
 public:
  void Post(std::function<void()> report) override {
    {
      const std::lock_guard lock(mutex_);
      reports_.push_back(std::move(report));
    }
    arrived_.notify_all();
  }

  // Runs reports as they arrive until `done` holds; false when it still does
  // not after five seconds.
  bool RunUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done()) {
      std::function<void()> report;
      {
        std::unique_lock lock(mutex_);
        if (!arrived_.wait_until(lock, deadline, [this] { return !reports_.empty(); })) {
          return false;
        }
        report = std::move(reports_.front());
        reports_.pop_front();
      }
      report();
    }
    return true;
  }

  std::size_t waiting() {
    const std::lock_guard lock(mutex_);
    return reports_.size();
  }

 private:
  std::mutex mutex_;
  std::condition_variable arrived_;
  std::deque<std::function<void()>> reports_;
};

}  // namespace q5300::testing
