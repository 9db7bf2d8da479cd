#include "platform/worker_pool.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <utility>

namespace zefir::platform {

WorkerPool::WorkerPool(int workers) {
  if (workers <= 0) workers = static_cast<int>(std::thread::hardware_concurrency());
  workers_ = std::max(1, workers);
}

std::size_t WorkerPool::batchSize(std::size_t count) const {
  // Small enough that every worker stays busy to the end of the run, large
  // enough that taking a batch (one lock) costs nothing beside the work.
  const std::size_t even = count / (16 * static_cast<std::size_t>(workers_));
  return std::clamp<std::size_t>(even, 1, 64);
}

void WorkerPool::runBatches(std::size_t count, std::size_t batch, const Produce& produce,
                            const Consume& consume) const {
  const std::size_t batches = (count + batch - 1) / batch;
  const std::size_t inFlight = batchesInFlight();
  auto first = [&](std::size_t k) { return k * batch; };
  auto last = [&](std::size_t k) { return std::min(count, (k + 1) * batch); };
  auto slot = [&](std::size_t k) { return (k % inFlight) * batch; };
  if (workers_ == 1 || batches <= 1) {
    for (std::size_t k = 0; k < batches; ++k) {
      std::size_t done = first(k);
      try {
        produce(first(k), done, last(k), slot(k), 0);
      } catch (...) {
        consume(first(k), done, slot(k));  // the items before the failing one
        throw;
      }
      consume(first(k), last(k), slot(k));
    }
    return;
  }

  // Batch k is taken only when batch k - inFlight has been delivered, so it
  // never writes over results not yet handed on.
  std::mutex mutex;
  std::condition_variable changed;
  std::size_t next = 0, delivered = 0;
  bool stop = false;
  std::vector<char> ready(inFlight, 0);
  std::vector<std::exception_ptr> failures(inFlight);
  std::vector<std::size_t> failedAt(inFlight);  // the failing item of a failed batch

  auto worker = [&](int w) {
    for (;;) {
      std::size_t k;
      {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return stop || next >= batches || next < delivered + inFlight; });
        if (stop || next >= batches) return;
        k = next++;
      }
      std::exception_ptr failure;
      std::size_t done = first(k);
      try {
        produce(first(k), done, last(k), slot(k), w);
      } catch (...) {
        failure = std::current_exception();
      }
      {
        std::lock_guard lock(mutex);
        ready[k % inFlight] = 1;
        failures[k % inFlight] = failure;
        failedAt[k % inFlight] = done;
      }
      changed.notify_all();
    }
  };

  std::vector<std::thread> threads;
  auto stopAndJoin = [&] {
    {
      std::lock_guard lock(mutex);
      stop = true;
    }
    changed.notify_all();
    for (std::thread& t : threads) t.join();
  };
  try {
    for (int w = 0; w < workers_; ++w) threads.emplace_back(worker, w);
    for (std::size_t k = 0; k < batches; ++k) {
      std::exception_ptr failure;
      std::size_t end = last(k);
      {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return ready[k % inFlight] != 0; });
        ready[k % inFlight] = 0;
        failure = std::exchange(failures[k % inFlight], nullptr);
        if (failure) end = failedAt[k % inFlight];
      }
      if (failure) {
        consume(first(k), end, slot(k));  // the items before the failing one
        std::rethrow_exception(failure);
      }
      consume(first(k), last(k), slot(k));
      {
        std::lock_guard lock(mutex);
        delivered = k + 1;
      }
      changed.notify_all();
    }
  } catch (...) {
    stopAndJoin();
    throw;
  }
  stopAndJoin();
}

}  // namespace zefir::platform
