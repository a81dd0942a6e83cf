#pragma once

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace q5300::testing {

// Holds writes at the printer, on the thread that writes, until the test lets
// them through: the test sees the job while a transfer is under way. Shared
// with the printer's observer, and open at the latest when the test's guard
// goes, so that no worker is left waiting.
class WriteGate {
 public:
  // On the writing thread.
  void Hold() {
    std::unique_lock lock(mutex_);
    ++arrived_;
    changed_.notify_all();
    changed_.wait(lock, [this] { return open_; });
  }
  // Until `count` writes have come to the gate; false when they have not
  // after ten seconds.
  bool WaitForArrivals(int count) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(10), [&] { return arrived_ >= count; });
  }
  void Open() {
    {
      const std::lock_guard lock(mutex_);
      open_ = true;
    }
    changed_.notify_all();
  }

  // Opens the gate when the test ends, however it ends.
  struct OpenAtEnd {
    std::shared_ptr<WriteGate> gate;
    ~OpenAtEnd() { gate->Open(); }
  };

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  int arrived_ = 0;
  bool open_ = false;
};

}  // namespace q5300::testing
