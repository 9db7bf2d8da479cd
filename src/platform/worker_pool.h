// Work spread over the processor's cores, handed back in order.
//
// Computing one asset does not depend on any other, so a walk over the
// register can compute on every core while the caller still writes its
// output (a JSON line, a report row) in register order:
//
//   WorkerPool pool(workers);  // 0: one worker per hardware thread
//   std::vector<DepreciationEngine> engines(pool.workers());
//   pool.runInOrder<std::string>(
//       n, [&](std::size_t i, int worker, std::string& out) { ...engines[worker]... },
//       [&](std::size_t i, std::string& out) { write(out); });
//
// `work` runs on the workers, several at once, so it may touch only what is
// its own: the item, the worker's own tools (an engine per worker) and
// read-only data such as the register, which must not change during the run.
// The status line, the report buffer and other shared state belong in
// `deliver`, which runs on the calling thread, once per item, in ascending
// order. A run with one worker calls both on the calling thread, alternately.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace zefir::platform {

class WorkerPool {
 public:
  // `workers` threads per run; 0 (or less) means one per hardware thread.
  explicit WorkerPool(int workers = 0);

  int workers() const { return workers_; }

  // Calls work(i, worker, result) for every i in 0 .. count - 1 on the
  // workers (worker is 0 .. workers() - 1), and deliver(i, result) on the
  // calling thread in ascending order of i. Result objects are reused from
  // item to item (a string keeps its buffer), so work must set all of it.
  // Workers run at most a few batches ahead of delivery, so memory stays
  // bounded however long the run. An exception thrown by work or deliver
  // stops the run: the items before the failing one are delivered, the
  // threads are joined, and the exception is rethrown here.
  template <typename Result, typename Work, typename Deliver>
  void runInOrder(std::size_t count, Work work, Deliver deliver) {
    const std::size_t batch = batchSize(count);
    std::vector<Result> results(batch * batchesInFlight());
    runBatches(
        count, batch,
        [&](std::size_t first, std::size_t& done, std::size_t last, std::size_t slot, int worker) {
          for (done = first; done < last; ++done) work(done, worker, results[slot + done - first]);
        },
        [&](std::size_t first, std::size_t last, std::size_t slot) {
          for (std::size_t i = first; i < last; ++i) deliver(i, results[slot + i - first]);
        });
  }

 private:
  // produce(first, done, last, slot, worker) fills results[slot ..] for the
  // items first .. last - 1, keeping in `done` the item it is at (so a
  // failure leaves it at the failing item); consume(first, last, slot) hands
  // them on.
  using Produce = std::function<void(std::size_t, std::size_t&, std::size_t, std::size_t, int)>;
  using Consume = std::function<void(std::size_t, std::size_t, std::size_t)>;
  void runBatches(std::size_t count, std::size_t batch, const Produce& produce,
                  const Consume& consume) const;
  std::size_t batchSize(std::size_t count) const;
  std::size_t batchesInFlight() const { return 4 * static_cast<std::size_t>(workers_); }

  int workers_;
};

}  // namespace zefir::platform
