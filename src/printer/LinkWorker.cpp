#include "printer/LinkWorker.h"

namespace q5300 {

LinkWorker::~LinkWorker() {
  Stop();
}

void LinkWorker::StartThread(Dispatcher& dispatcher) {
  if (thread_.joinable()) return;
  dispatcher_ = &dispatcher;
  stopping_ = false;
  thread_ = std::thread([this] { Loop(); });
}

void LinkWorker::Stop() {
  if (thread_.joinable()) {
    {
      const std::lock_guard lock(mutex_);
      stopping_ = true;
      queue_.clear();
    }
    wake_.notify_all();
    thread_.join();
  }
  *alive_ = false;
  alive_ = std::make_shared<bool>(true);
  pending_ = 0;
  dispatcher_ = nullptr;
}

void LinkWorker::Run(std::function<void()> work, std::function<void()> report) {
  ++pending_;
  // The report runs on the owner's thread; it may hand over the next piece of
  // work, so the count is down before it runs.
  auto finish = [this, alive = alive_, report = std::move(report)] {
    if (!*alive) return;
    --pending_;
    if (report) report();
  };
  if (!thread_.joinable()) {
    work();
    finish();
    return;
  }
  {
    const std::lock_guard lock(mutex_);
    queue_.push_back([this, work = std::move(work), finish = std::move(finish)]() mutable {
      work();
      dispatcher_->Post(std::move(finish));
    });
  }
  wake_.notify_one();
}

void LinkWorker::Loop() {
  for (;;) {
    std::function<void()> next;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
      if (stopping_) return;
      next = std::move(queue_.front());
      queue_.pop_front();
    }
    next();
  }
}

}  // namespace q5300
