#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace q5300 {

// Where the reports of the printer link's worker run once it has a thread of
// its own. The window posts them to its event loop.
class Dispatcher {
 public:
  virtual ~Dispatcher() = default;
  // Called on the worker's thread; `report` must run on the thread that owns
  // the job.
  virtual void Post(std::function<void()> report) = 0;
};

// Carries out the USB work of a print job in order, one piece after another,
// and hands each report back. Until StartThread the work runs at once on the
// caller's thread, so a job on a manual clock runs in no time; after it, on a
// thread of its own, so that a printer that holds a transfer never holds the
// window.
//
// Run, StartThread and the destructor belong to the owner's thread; reports run
// there too.
class LinkWorker {
 public:
  LinkWorker() = default;
  LinkWorker(const LinkWorker&) = delete;
  LinkWorker& operator=(const LinkWorker&) = delete;
  ~LinkWorker();

  void StartThread(Dispatcher& dispatcher);
  // Waits for the work that runs now; work not yet begun and reports not yet
  // run are dropped. Work handed over afterwards runs at once again.
  void Stop();

  // Queues `work`; `report`, if any, runs on the owner's thread once it is done.
  void Run(std::function<void()> work, std::function<void()> report = {});

  // Work handed over whose report has not run yet.
  bool busy() const { return pending_ > 0; }

 private:
  void Loop();

  int pending_ = 0;
  // Reports of a worker that was stopped or destroyed never run.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  Dispatcher* dispatcher_ = nullptr;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> queue_;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace q5300
