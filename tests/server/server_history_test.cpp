// On a server a recovery and a restore are one transaction: a refused statement late in the
// work undoes all of it, audit copies included.
#include "server_fixture.h"

#include "companies/company_delete.h"
#include "history/history_tables.h"
#include "history/write_back.h"
#include "store/record_history.h"
#include "store/schema/schema.h"
#include "store/schema/schema_tables.h"

namespace {

TEST_F(ServerTest, ARecoveryAndARestoreAreWholeOrNothing) {
  UpgradeSchema(Admin());
  const QString cf = QStringLiteral("13548146");
  Run(QStringLiteral("INSERT INTO asigurati.societati (cf, denumire) VALUES ('%1', 'ALFA')")
          .arg(cf));
  const qint64 company = Value("SELECT MAX(`index`) AS v FROM asigurati.societati").toLongLong();
  for (const char* table : kTablesWithCompanyCf) {
    Run(QStringLiteral("INSERT INTO %1 (cf) VALUES ('%2')").arg(QLatin1String(table), cf));
  }
  const auto rows = [] {
    return Value(
        "SELECT CONCAT((SELECT COUNT(*) FROM asigurati.societati), (SELECT COUNT(*) FROM "
        "asigurati.asigurati), (SELECT COUNT(*) FROM concedii.concedii), (SELECT COUNT(*) FROM "
        "asigurati.zlog_societati)) AS v");
  };
  AdminPrompter().Clear();
  AdminPrompter().QueueAnswers({true, true, true});
  ASSERT_EQ(DeleteCompanyCascade(Admin(), AdminPrompter(), cf, FinalQuestion::kNone),
            CompanyDeletion::kDeleted);
  ASSERT_EQ(rows(), QStringLiteral("0001"));
  const HistoryTable& companies = *HistoryTableOf(CompaniesTable());
  const std::optional<DeletedRows> deleted = ReadDeletedRows(Admin(), CompaniesTable());
  ASSERT_TRUE(deleted && deleted->rows.size() == 1);

  // The last row the recovery puts back is refused: the company comes back with it or not.
  Run("CREATE TRIGGER concedii.refuz BEFORE INSERT ON concedii.concedii FOR EACH ROW SIGNAL "
      "SQLSTATE '45000' SET MESSAGE_TEXT='refuz'");
  EXPECT_TRUE(RecoverDeletedRow(Admin(), companies, *deleted, deleted->rows.front()).IsFailed());
  EXPECT_EQ(rows(), QStringLiteral("0001"));
  Run("DROP TRIGGER concedii.refuz");
  EXPECT_TRUE(RecoverDeletedRow(Admin(), companies, *deleted, deleted->rows.front()).IsOk());
  EXPECT_EQ(rows(), QStringLiteral("1111"));

  // A restore whose fiscal code move is refused keeps the company's version and its copies.
  ASSERT_EQ(
      Admin().AuditedUpdate(static_cast<double>(company), CompaniesTable(), {{"CF", "2795207"}}),
      0);
  Run("UPDATE asigurati.asigurati SET cf='2795207'");
  const std::optional<RecordHistory> history =
      ReadRecordHistory(Admin(), CompaniesTable(), company);
  ASSERT_TRUE(history && history->versions.size() == 3);
  Run("CREATE TRIGGER asigurati.refuz BEFORE UPDATE ON asigurati.asigurati FOR EACH ROW SIGNAL "
      "SQLSTATE '45000' SET MESSAGE_TEXT='refuz'");
  EXPECT_TRUE(
      RestoreVersion(Admin(), companies, company, *history, history->versions[1]).IsFailed());
  EXPECT_EQ(Value("SELECT CONCAT(cf, '/', (SELECT COUNT(*) FROM asigurati.zlog_societati)) AS v "
                  "FROM asigurati.societati"),
            QStringLiteral("2795207/2"));
  Run("DROP TRIGGER asigurati.refuz");
  EXPECT_TRUE(RestoreVersion(Admin(), companies, company, *history, history->versions[1]).IsOk());
  EXPECT_EQ(Value("SELECT CONCAT(s.cf, '/', a.cf) AS v FROM asigurati.societati AS s, "
                  "asigurati.asigurati AS a"),
            cf + u'/' + cf);
}

}  // namespace
