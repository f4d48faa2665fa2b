#include <gtest/gtest.h>

#include "store/list_model.h"
#include "support/test_server.h"

namespace {

class ResultTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    server().ResetDatabases({QStringLiteral("r")});
    server().Run(QStringLiteral(
        "CREATE TABLE r.t (`index` INT AUTO_INCREMENT PRIMARY KEY, denumire VARCHAR(50), "
        "suma DECIMAL(10,2), cantitate DOUBLE, ziua DATE, ZZ_CONT VARCHAR(10) DEFAULT '', "
        "ZZ_DATA TIMESTAMP DEFAULT CURRENT_TIMESTAMP)"));
  }
  static TestServer& server() { return TestServer::Instance(); }
  static CClient& client() { return server().Client(); }
};

TEST_F(ResultTableTest, EmptyAnswerKeepsNamesAndHasNoRows) {
  ASSERT_EQ(client().Execute(QStringLiteral("SELECT denumire FROM r.t"), 1), 0);
  EXPECT_EQ(client().RowCount(), 0);
  EXPECT_EQ(client().Result().ColumnNames(), QStringList({QStringLiteral("DENUMIRE")}));
  EXPECT_EQ(client().GetField(0, QStringLiteral("DENUMIRE")), QStringLiteral("EROARE"));
}

TEST_F(ResultTableTest, NamesUpperCasedCellsTrimmedNullsEmpty) {
  server().Run(QStringLiteral(
      "INSERT INTO r.t (denumire, suma, cantitate, ziua) VALUES ('  SC Alfa SRL \t', 12.5, 3, "
      "'2009-06-04'), (NULL, NULL, NULL, NULL)"));
  ASSERT_EQ(client().Execute(QStringLiteral("SELECT denumire, suma, cantitate, ziua, `index` "
                                            "FROM r.t ORDER BY `index`"),
                             1),
            0);
  EXPECT_EQ(client().RowCount(), 2);
  EXPECT_EQ(client().GetField(0, QStringLiteral("DENUMIRE")), QStringLiteral("SC Alfa SRL"));
  EXPECT_EQ(client().GetField(0, QStringLiteral("denumire")), QStringLiteral("EROARE"));
  EXPECT_EQ(client().GetField(1, QStringLiteral("DENUMIRE")), QString());
  EXPECT_EQ(client().GetField(1, QStringLiteral("SUMA")), QString());
  EXPECT_EQ(client().GetField(2, QStringLiteral("DENUMIRE")), QStringLiteral("EROARE"));
  EXPECT_EQ(client().GetField(-1, QStringLiteral("DENUMIRE")), QStringLiteral("EROARE"));
  // The new-form DECIMAL is text; DOUBLE and INT are numbers; DATE is a date.
  EXPECT_EQ(client().Result().ColumnTypes(),
            QStringList({QStringLiteral("C"), QStringLiteral("C"), QStringLiteral("N"),
                         QStringLiteral("D"), QStringLiteral("N")}));
}

TEST_F(ResultTableTest, FillListShowsRowsAndHidesTheAuditColumns) {
  server().Run(QStringLiteral("INSERT INTO r.t (denumire, cantitate) VALUES ('b', 10), ('a', 9)"));
  ASSERT_EQ(client().Execute(QStringLiteral("SELECT * FROM r.t ORDER BY `index`"), 1), 0);
  ListModel list;
  list.InsertColumn(0, QStringLiteral("vechi"));
  list.AppendRow();
  client().FillList(list);
  ASSERT_EQ(list.ColumnCount(), 7);
  EXPECT_EQ(list.RowCount(), 2);
  EXPECT_EQ(list.FindColumn(QStringLiteral("VECHI")), -1);
  EXPECT_EQ(list.GetCellText(1, QStringLiteral("DENUMIRE")), QStringLiteral("a"));
  const int zzCont = list.FindColumn(QStringLiteral("ZZ_CONT"));
  const int zzData = list.FindColumn(QStringLiteral("ZZ_DATA"));
  EXPECT_EQ(list.ColumnAt(zzCont).width, 0);
  EXPECT_EQ(list.ColumnAt(zzData).width, 0);
  EXPECT_EQ(list.ColumnAt(zzData).kind, QStringLiteral("4"));
  EXPECT_EQ(list.ColumnAt(list.FindColumn(QStringLiteral("DENUMIRE"))).width, 100);
  EXPECT_EQ(list.ColumnAt(list.FindColumn(QStringLiteral("CANTITATE"))).type, QStringLiteral("N"));
  EXPECT_EQ(list.ColumnAt(list.FindColumn(QStringLiteral("SUMA"))).type, QStringLiteral("C"));
  // A DECIMAL column therefore sorts as text.
  list.SortByHeaderClick(list.FindColumn(QStringLiteral("CANTITATE")), false);
  EXPECT_EQ(list.GetCellText(0, QStringLiteral("CANTITATE")), QStringLiteral("9"));
}

TEST_F(ResultTableTest, FillListWithTheNoRowsMarkerShowsOnlyHeaders) {
  ASSERT_EQ(client().Execute(QStringLiteral("SELECT '-=-' AS nume, 1 AS n"), 1), 0);
  ListModel list;
  client().FillList(list);
  EXPECT_EQ(list.ColumnCount(), 2);
  EXPECT_EQ(list.RowCount(), 0);
  ASSERT_EQ(client().Execute(QStringLiteral("SELECT denumire FROM r.t"), 1), 0);
  client().FillList(list);
  EXPECT_EQ(list.ColumnCount(), 1);
  EXPECT_EQ(list.RowCount(), 0);
}

}  // namespace
