#pragma once

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

#include "exchange/import/import_store.h"

// The records of an import read and checked on a thread of their own, ahead of the
// statements that store them: the database thread then spends its time on the statements
// alone. The records are prepared in order; the last one asked for waits if need be.
class PreparedAhead {
 public:
  using Prepare = std::function<PreparedImport(const ImportFields&)>;

  // `fields` and whatever `prepare` reads must outlive this object and stay unchanged.
  PreparedAhead(const std::vector<ImportFields>& fields, Prepare prepare);
  // Stops after the record being prepared, if any, and waits for it.
  ~PreparedAhead();
  PreparedAhead(const PreparedAhead&) = delete;
  PreparedAhead& operator=(const PreparedAhead&) = delete;

  // The record at `index` (within the fields), once it is prepared.
  const PreparedImport& At(int index);

 private:
  void Run(const std::vector<ImportFields>& fields, const Prepare& prepare);

  std::vector<PreparedImport> prepared_;
  std::atomic<int> ready_{0};  // records prepared, from the first on
  std::atomic<bool> stop_{false};
  std::thread thread_;
};
