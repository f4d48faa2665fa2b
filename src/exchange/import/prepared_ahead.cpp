#include "exchange/import/prepared_ahead.h"

PreparedAhead::PreparedAhead(const std::vector<ImportFields>& fields, Prepare prepare)
    : prepared_(fields.size()) {
  thread_ = std::thread([this, &fields, prepare = std::move(prepare)] { Run(fields, prepare); });
}

PreparedAhead::~PreparedAhead() {
  stop_.store(true, std::memory_order_relaxed);
  thread_.join();
}

void PreparedAhead::Run(const std::vector<ImportFields>& fields, const Prepare& prepare) {
  for (size_t i = 0; i < fields.size(); ++i) {
    if (stop_.load(std::memory_order_relaxed)) return;
    prepared_[i] = prepare(fields[i]);
    ready_.store(static_cast<int>(i) + 1, std::memory_order_release);
    ready_.notify_one();
  }
}

const PreparedImport& PreparedAhead::At(int index) {
  for (int ready = ready_.load(std::memory_order_acquire); ready <= index;
       ready = ready_.load(std::memory_order_acquire)) {
    ready_.wait(ready, std::memory_order_acquire);
  }
  return prepared_[static_cast<size_t>(index)];
}
