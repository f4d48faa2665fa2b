#include <gtest/gtest.h>

#include "store/c_client.h"
#include "store/sql.h"
#include "support/print_to.h"
#include "support/test_server.h"

namespace {

// Sql takes only values made by Text, Like or Number: an unquoted text does not compile.
template <typename Value>
concept SqlTakes = requires(const Value& value) {
  Sql(u"%1", value);
};
static_assert(SqlTakes<SqlValue>);
static_assert(!SqlTakes<QString>);
static_assert(!SqlTakes<const char*>);
static_assert(!SqlTakes<int>);

CClient& Client() { return TestServer::Instance().Client(); }

TEST(Sql, EachValueStaysInsideItsOwnQuotesAndIsStoredExactly) {
  TestServer::Instance().ResetDatabases({QStringLiteral("s")});
  TestServer::Instance().Run(
      QStringLiteral("CREATE TABLE s.t (a VARCHAR(50) NOT NULL DEFAULT '', b VARCHAR(50) NOT "
                     "NULL DEFAULT '', n INT NOT NULL DEFAULT 0)"));
  const QString values[][2] = {
      {QStringLiteral("%2"), QStringLiteral("x")},  // the first value names the second
      {QStringLiteral("%1%1"), QStringLiteral("%2")},
      {QStringLiteral("O'Brien"), QStringLiteral("d'Arad")},
      {QStringLiteral("ends with \\"), QStringLiteral("', n=99, b='")},
      {QStringLiteral("100%"), QStringLiteral("_%_")},
      {QStringLiteral("%10"), QStringLiteral("%")},
  };
  int number = 0;
  for (const auto& [a, b] : values) {
    ++number;
    const QString insert = Sql(u"INSERT INTO s.t (a, b, n) VALUES (%1, %2, %3)", Client().Text(a),
                               Client().Text(b), Number(number));
    ASSERT_EQ(Client().Execute(insert), 0) << insert;
    ASSERT_EQ(Client().Execute(Sql(u"SELECT a, b FROM s.t WHERE n=%1 AND a=%2 AND b=%3",
                                   Number(number), Client().Text(a), Client().Text(b)),
                               1),
              0);
    ASSERT_EQ(Client().RowCount(), 1) << a << " " << b;
    EXPECT_EQ(Client().GetField(0, QStringLiteral("A")), a);
    EXPECT_EQ(Client().GetField(0, QStringLiteral("B")), b);
  }
  // A pattern's own % and _ are literal: only the added wildcard matches more.
  ASSERT_EQ(Client().Execute(Sql(u"SELECT a FROM s.t WHERE b LIKE %1",
                                 Client().Like({}, QStringLiteral("_%"), QStringLiteral("%"))),
                             1),
            0);
  ASSERT_EQ(Client().RowCount(), 1);
  EXPECT_EQ(Client().GetField(0, QStringLiteral("A")), QStringLiteral("100%"));
}

TEST(Sql, MarkersAreFilledInOnePass) {
  const SqlValue two = Number(2);
  const struct {
    const char16_t* statement;
    QString filled;
  } cases[] = {
      {u"a=%1 AND b=%2", QStringLiteral("a='%2' AND b=2")},
      {u"%2%1", QStringLiteral("2'%2'")},
      {u"%3 and %0 stay", QStringLiteral("%3 and %0 stay")},
      {u"100% sure", QStringLiteral("100% sure")},
      {u"%12", QStringLiteral("%12")},
      {u"ends with %", QStringLiteral("ends with %")},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Sql(c.statement, Client().Text(QStringLiteral("%2")), two), c.filled)
        << QString::fromUtf16(c.statement);
  }
  EXPECT_EQ(Sql(u"n=%1", Number(QStringLiteral("1 OR 1=1"))), QStringLiteral("n=NULL"));
  EXPECT_EQ(Sql(u"n=%1", Number(-12.5)), QStringLiteral("n=-12.500000"));
}

}  // namespace
