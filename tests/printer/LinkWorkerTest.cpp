// The printer link's worker: work in order on a thread of its own, reports back
// on the owner's thread, nothing run after it stops.
#include "printer/LinkWorker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "support/QueueDispatcher.h"

namespace q5300 {
namespace {

TEST(LinkWorker, WithoutAThreadWorkAndReportRunAtOnce) {
  LinkWorker worker;
  std::vector<int> order;
  worker.Run([&] { order.push_back(1); },
             [&] {
               order.push_back(2);
               EXPECT_FALSE(worker.busy());
             });
  order.push_back(3);
  EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

TEST(LinkWorker, OnItsThreadWorkRunsInOrderAndReportsComeBackToTheOwner) {
  testing::QueueDispatcher dispatcher;
  LinkWorker worker;
  worker.StartThread(dispatcher);
  const std::thread::id owner = std::this_thread::get_id();
  std::vector<int> done;  // written by the worker, one piece at a time
  std::vector<std::thread::id> workThreads(3);
  int reports = 0;
  for (int i = 0; i < 3; ++i) {
    worker.Run(
        [&, i] {
          workThreads[static_cast<size_t>(i)] = std::this_thread::get_id();
          done.push_back(i);
        },
        [&] {
          EXPECT_EQ(std::this_thread::get_id(), owner);
          ++reports;
        });
  }
  EXPECT_TRUE(worker.busy());
  ASSERT_TRUE(dispatcher.RunUntil([&] { return reports == 3; }));
  EXPECT_FALSE(worker.busy());
  EXPECT_EQ(done, (std::vector<int>{0, 1, 2}));
  for (const auto& id : workThreads) EXPECT_NE(id, owner);
}

TEST(LinkWorker, StoppingWaitsForTheWorkUnderWayAndDropsItsReport) {
  testing::QueueDispatcher dispatcher;
  LinkWorker worker;
  worker.StartThread(dispatcher);
  std::atomic<bool> started = false;
  std::atomic<bool> finished = false;
  bool reported = false;
  worker.Run(
      [&] {
        started = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        finished = true;
      },
      [&] { reported = true; });
  while (!started) std::this_thread::yield();
  worker.Stop();
  EXPECT_TRUE(finished);
  EXPECT_FALSE(worker.busy());
  ASSERT_TRUE(dispatcher.RunUntil([&] { return dispatcher.waiting() == 0; }));
  EXPECT_FALSE(reported);
  // Work handed over after the stop runs at once again.
  bool ranAtOnce = false;
  worker.Run([&] { ranAtOnce = true; });
  EXPECT_TRUE(ranAtOnce);
}

}  // namespace
}  // namespace q5300
