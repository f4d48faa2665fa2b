#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

#include "store/c_client.h"
#include "store/database_thread.h"
#include "store/grouped_flushes.h"
#include "support/test_server.h"

namespace {

CClient& Client() { return TestServer::Instance().Client(); }

QString Global(const char* name) {
  EXPECT_EQ(Client().Execute(QStringLiteral("SELECT @@GLOBAL.%1 AS v").arg(QLatin1String(name)), 1),
            0);
  return Client().GetField(0, QStringLiteral("V"));
}

// Whoever asks, the statement runs on the one database thread and its rows come back: the
// window's thread, a worker of the program and work already on the database thread.
TEST(DatabaseThreadTest, StatementsFromEveryThreadRunOnTheDatabaseThread) {
  const auto ask = [](int value) {
    std::thread::id ranOn;
    RunOnDatabaseThread([&] { ranOn = std::this_thread::get_id(); });
    const bool sent = Client().ExecuteQuiet(QStringLiteral("SELECT %1 AS v").arg(value), 1) == 0;
    return std::make_tuple(sent, Client().GetField(0, QStringLiteral("V")).toInt(), ranOn);
  };
  const auto [sent, value, databaseThread] = ask(1);
  EXPECT_TRUE(sent);
  EXPECT_EQ(value, 1);
  EXPECT_NE(databaseThread, std::this_thread::get_id());
  std::tuple<bool, int, std::thread::id> fromWorker;
  std::thread([&] { fromWorker = ask(2); }).join();
  EXPECT_EQ(fromWorker, std::make_tuple(true, 2, databaseThread));
  const auto fromTask = OnDatabaseThread([&] { return ask(3); });
  EXPECT_EQ(fromTask, std::make_tuple(true, 3, databaseThread));
  // A failure inside the work reaches the thread that asked, and the thread goes on.
  EXPECT_THROW(RunOnDatabaseThread([] { throw std::runtime_error("plina"); }), std::runtime_error);
  EXPECT_EQ(std::get<1>(ask(4)), 4);
}

// Bulk work flushes the log once a second on the embedded register; nested work keeps the
// outermost's span; at the end, however it ends, the settings are back and the tables
// flushed.
TEST(DatabaseThreadTest, GroupedFlushesLastAsLongAsTheOutermostBulkWork) {
  const QString mode = Global("aria_group_commit");
  const QString interval = Global("aria_group_commit_interval");
  ASSERT_NE(mode, QStringLiteral("soft"));
  Client().KeepStatementLog(true);
  Client().ClearStatementLog();
  {
    const GroupedFlushes outer(Client());
    EXPECT_TRUE(outer.Active());
    EXPECT_EQ(Global("aria_group_commit"), QStringLiteral("soft"));
    EXPECT_EQ(Global("aria_group_commit_interval"), QStringLiteral("1000000"));
    {
      const GroupedFlushes inner(Client());
      EXPECT_FALSE(inner.Active());
    }
    EXPECT_EQ(Global("aria_group_commit"), QStringLiteral("soft"));
    try {
      const GroupedFlushes failing(Client());
      throw std::runtime_error("oprit");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(Global("aria_group_commit"), QStringLiteral("soft"));
  }
  EXPECT_EQ(Global("aria_group_commit"), mode);
  EXPECT_EQ(Global("aria_group_commit_interval"), interval);
  EXPECT_EQ(Client().StatementLog().filter(QStringLiteral("FLUSH TABLES")).size(), 1);
  Client().KeepStatementLog(false);
}

}  // namespace
