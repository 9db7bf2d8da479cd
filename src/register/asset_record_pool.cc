// Where the register's asset records live: blocks of records, never handed
// back to the system, and a list of the freed ones to give out again.
#include <memory>
#include <mutex>
#include <new>
#include <vector>

#include "register/asset_record.h"

namespace zefir {

namespace {

constexpr std::size_t kBlockRecords = 256;  // about 1.1 MB

struct Spare {
  alignas(AssetRecord) unsigned char bytes[sizeof(AssetRecord)];
};

class RecordPool {
 public:
  void* take() {
    std::lock_guard lock(mutex_);
    if (free_.empty()) {
      blocks_.push_back(std::make_unique_for_overwrite<Spare[]>(kBlockRecords));
      Spare* block = blocks_.back().get();
      // Handed out from the front of the block, so memory is touched in order.
      for (std::size_t i = kBlockRecords; i-- > 0;) free_.push_back(&block[i]);
    }
    void* record = free_.back();
    free_.pop_back();
    return record;
  }
  void give(void* record) {
    std::lock_guard lock(mutex_);
    free_.push_back(static_cast<Spare*>(record));
  }

 private:
  std::mutex mutex_;
  std::vector<std::unique_ptr<Spare[]>> blocks_;
  std::vector<Spare*> free_;
};

RecordPool& pool() {
  static RecordPool* instance = new RecordPool;  // never destroyed: records may outlive statics
  return *instance;
}

}  // namespace

void* AssetRecord::operator new(std::size_t) {
  return pool().take();  // AssetRecord is final: always its own size
}

void AssetRecord::operator delete(void* record) noexcept {
  if (record) pool().give(record);
}

}  // namespace zefir
