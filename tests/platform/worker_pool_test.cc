// The worker pool: results come back in order whatever the workers do, the
// workers really run at once, and a failure on a worker reaches the caller.
#include "platform/worker_pool.h"

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace zefir::platform {
namespace {

// Workers finishing in a scrambled order: later items often sooner.
void unevenDelay(std::size_t i) {
  std::this_thread::sleep_for(std::chrono::microseconds((i * 7919) % 13 * 20));
}

TEST(WorkerPool, DeliversEveryItemOnceInOrderForAnyWorkerCountAndLength) {
  for (int workers : {1, 2, 3, 8}) {
    for (std::size_t count : {0u, 1u, 5u, 63u, 64u, 65u, 1000u}) {
      WorkerPool pool(workers);
      std::vector<std::size_t> delivered;
      pool.runInOrder<std::string>(
          count,
          [](std::size_t i, int, std::string& out) {
            unevenDelay(i);
            out = std::to_string(i * i);
          },
          [&](std::size_t i, std::string& out) {
            EXPECT_EQ(out, std::to_string(i * i)) << "workers " << workers;
            delivered.push_back(i);
          });
      ASSERT_EQ(delivered.size(), count) << "workers " << workers;
      for (std::size_t i = 0; i < count; ++i) ASSERT_EQ(delivered[i], i);
    }
  }
}

TEST(WorkerPool, WorkersRunAtOnceEachWithItsOwnNumberAndDeliveryStaysOnTheCaller) {
  WorkerPool pool(3);
  ASSERT_EQ(pool.workers(), 3);
  std::atomic<int> running{0}, most{0};
  std::vector<std::atomic<int>> perWorker(3);
  const auto caller = std::this_thread::get_id();
  bool deliveredOnCaller = true;
  pool.runInOrder<int>(
      300,
      [&](std::size_t, int worker, int& out) {
        const int now = ++running;
        for (int seen = most; now > seen && !most.compare_exchange_weak(seen, now);) {
        }
        ++perWorker[worker];
        std::this_thread::sleep_for(std::chrono::microseconds(200));
        --running;
        out = worker;
      },
      [&](std::size_t, int&) { deliveredOnCaller &= std::this_thread::get_id() == caller; });
  EXPECT_GT(most.load(), 1);
  EXPECT_LE(most.load(), 3);
  int total = 0;
  for (auto& n : perWorker) total += n;
  EXPECT_EQ(total, 300);
  EXPECT_TRUE(deliveredOnCaller);
}

TEST(WorkerPool, ZeroWorkersMeansOnePerHardwareThread) {
  EXPECT_EQ(WorkerPool(0).workers(),
            std::max(1, static_cast<int>(std::thread::hardware_concurrency())));
  EXPECT_EQ(WorkerPool(-4).workers(), WorkerPool(0).workers());
}

// The items before the failing one are delivered, none after it, and the
// worker's exception comes out of the run; the pool can run again.
TEST(WorkerPool, AFailureOnAWorkerReachesTheCallerAfterTheItemsBeforeIt) {
  for (int workers : {1, 2, 4}) {
    WorkerPool pool(workers);
    std::size_t delivered = 0;
    try {
      pool.runInOrder<int>(
          500,
          [](std::size_t i, int, int& out) {
            unevenDelay(i);
            if (i == 321) throw std::runtime_error("zły środek 321");
            out = static_cast<int>(i);
          },
          [&](std::size_t i, int& out) {
            EXPECT_EQ(out, static_cast<int>(i));
            ++delivered;
          });
      ADD_FAILURE() << "no exception, workers " << workers;
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(), "zły środek 321");
    }
    EXPECT_EQ(delivered, 321u) << "workers " << workers;

    std::size_t again = 0;
    pool.runInOrder<int>(
        100, [](std::size_t, int, int& out) { out = 1; },
        [&](std::size_t, int& out) { again += out; });
    EXPECT_EQ(again, 100u);
  }
}

TEST(WorkerPool, AFailureWhileDeliveringStopsTheWorkersAndComesOut) {
  WorkerPool pool(2);
  std::atomic<int> worked{0};
  EXPECT_THROW(pool.runInOrder<int>(
                   100000, [&](std::size_t, int, int&) { ++worked; },
                   [](std::size_t i, int&) {
                     if (i == 10) throw std::logic_error("stop");
                   }),
               std::logic_error);
  // The workers stopped a few batches ahead instead of finishing the run.
  EXPECT_LT(worked.load(), 100000);
}

}  // namespace
}  // namespace zefir::platform
