#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "exchange/import/prepared_ahead.h"

namespace {

std::vector<ImportFields> Records(int count) {
  std::vector<ImportFields> records;
  for (int i = 0; i < count; ++i) records.push_back({{QStringLiteral("CNP"), QString::number(i)}});
  return records;
}

// Each record comes back prepared from its own fields, in order, prepared away from the
// thread that stores them.
TEST(PreparedAheadTest, RecordsComeBackInOrderPreparedOnAnotherThread) {
  const std::vector<ImportFields> records = Records(2000);
  const std::thread::id storing = std::this_thread::get_id();
  std::atomic<int> onStoringThread = 0;
  PreparedAhead prepared(records, [&](const ImportFields& fields) {
    if (std::this_thread::get_id() == storing) ++onStoringThread;
    PreparedImport record;
    record.cnp = fields.value(QStringLiteral("CNP"));
    return record;
  });
  for (int i = 0; i < 2000; ++i) ASSERT_EQ(prepared.At(i).cnp, QString::number(i)) << i;
  EXPECT_EQ(onStoringThread, 0);
}

// A save stopped early does not wait for the rest of the file to be prepared.
TEST(PreparedAheadTest, AStoppedSaveLeavesTheRestUnprepared) {
  const std::vector<ImportFields> records = Records(100000);
  std::atomic<int> preparedCount = 0;
  {
    PreparedAhead prepared(records, [&](const ImportFields& fields) {
      ++preparedCount;
      std::this_thread::sleep_for(std::chrono::microseconds(100));
      PreparedImport record;
      record.cnp = fields.value(QStringLiteral("CNP"));
      return record;
    });
    EXPECT_EQ(prepared.At(5).cnp, QStringLiteral("5"));
  }
  EXPECT_LT(preparedCount, 100000);
}

}  // namespace
