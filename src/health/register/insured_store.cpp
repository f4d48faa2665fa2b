#include "health/register/insured_store.h"

#include <algorithm>

#include "common/number_texts.h"
#include "health/register/insured_fields.h"
#include "store/c_client.h"
#include "store/schema/schema_tables.h"
#include "store/sql.h"
#include "store/transaction.h"

InsuredRecord InsuredRecordAt(const CClient& client, int row) {
  InsuredRecord record;
  record.index = static_cast<int>(LeadingInteger(client.GetField(row, QStringLiteral("INDEX"))));
  LoadFields(client, InsuredFieldTable(), record, row);
  return record;
}

InsuredLoad LoadInsured(CClient& client, int index) {
  InsuredLoad load;
  if (client.Execute(Sql(u"SELECT * FROM asigurati.asigurati AS a WHERE a.index=%1", Number(index)),
                     1) != 0) {
    return load;
  }
  if (client.RowCount() < 1) {
    load.outcome = InsuredLoad::Outcome::kMissing;
    return load;
  }
  load.outcome = InsuredLoad::Outcome::kRead;
  load.record = InsuredRecordAt(client, 0);
  return load;
}

std::optional<bool> ActiveHere(CClient& client, const QString& cf, const QString& cnp,
                               int ownIndex) {
  const QString sql =
      ownIndex > 0
          ? Sql(u"SELECT * FROM asigurati.asigurati AS a WHERE a.cnp=%1 AND a.iesire=0 AND "
                u"a.cf=%2 AND a.index<>%3",
                client.Text(cnp), client.Text(cf), Number(ownIndex))
          : Sql(u"SELECT * FROM asigurati.asigurati AS a WHERE a.cnp=%1 AND a.iesire=0 AND "
                u"a.cf=%2",
                client.Text(cnp), client.Text(cf));
  if (client.Execute(sql, 1) != 0) return std::nullopt;
  return client.RowCount() > 0;
}

std::optional<int> LastLiquidation(CClient& client, const QString& cf, const QString& cnp) {
  const QString sql =
      Sql(u"SELECT * FROM asigurati.asigurati AS a WHERE a.cnp=%1 AND a.iesire>0 AND a.cf=%2 ORDER "
          u"BY a.iesire DESC LIMIT 1",
          client.Text(cnp), client.Text(cf));
  if (client.Execute(sql, 1) != 0) return std::nullopt;
  if (client.RowCount() < 1) return 0;
  return static_cast<int>(LeadingInteger(client.GetField(0, QStringLiteral("IESIRE"))));
}

std::optional<OtherEmployment> ActiveElsewhere(CClient& client, const QString& cf,
                                               const QString& cnp) {
  const QString sql =
      Sql(u"SELECT a.cnp, a.forma, s.denumire FROM asigurati.asigurati AS a LEFT JOIN "
          u"asigurati.societati AS s ON a.cf=s.cf WHERE a.cnp=%1 AND a.iesire=0 AND a.cf<>%2",
          client.Text(cnp), client.Text(cf));
  if (client.Execute(sql, 1) != 0) return std::nullopt;
  OtherEmployment other;
  if (client.RowCount() > 0) {
    other = {true, client.GetField(0, QStringLiteral("DENUMIRE")),
             client.GetField(0, QStringLiteral("FORMA"))};
  }
  return other;
}

std::optional<DependantOf> DependantOfActive(CClient& client, const QString& cnp) {
  const QString sql =
      Sql(u"SELECT c.cnp, a.nume, a.prenume, s.denumire FROM asigurati.coasigurati AS c LEFT JOIN "
          u"asigurati.asigurati AS a ON c.cnp_asig=a.cnp LEFT JOIN asigurati.societati AS s ON "
          u"c.cf=s.cf WHERE c.cnp=%1 AND a.iesire=0",
          client.Text(cnp));
  if (client.Execute(sql, 1) != 0) return std::nullopt;
  DependantOf dependant;
  if (client.RowCount() > 0) {
    dependant = {true, client.GetField(0, QStringLiteral("NUME")),
                 client.GetField(0, QStringLiteral("PRENUME")),
                 client.GetField(0, QStringLiteral("DENUMIRE"))};
  }
  return dependant;
}

bool WriteInsured(CClient& client, const InsuredRecord& record, int ownIndex, bool writeIesire) {
  const Columns columns = writeIesire ? FieldColumns(InsuredFieldTable(), record)
                                      : FieldColumns(InsuredFieldTable(), record, {"IESIRE"});
  if (ownIndex > 0) return client.AuditedUpdate(ownIndex, InsuredTable(), columns) == 0;
  return client.AuditedInsert(InsuredTable(), columns) == 0;
}

bool MoveCnp(CClient& client, const QString& oldCnp, const QString& newCnp) {
  const struct {
    const TableName& table;
    const char16_t* rows;
    const char16_t* move;
  } moves[] = {
      {DependantsTable(), u"cnp_asig=%1",
       u"UPDATE asigurati.coasigurati SET cnp_asig=%1 WHERE cnp_asig=%2"},
      {MonthlyAmountsTable(), u"cnp=%1", u"UPDATE asigurati.sume SET cnp=%1 WHERE cnp=%2"}};
  // On a server the dependants and the amounts follow the CNP together or not at all.
  Transaction transaction(client);
  if (!transaction.Begun()) return false;
  for (const auto& move : moves) {
    // Each row as it was goes into its history first.
    if (client.AuditCopyWhere(move.table, Sql(move.rows, client.Text(oldCnp)),
                              QStringLiteral("M")) != 0 ||
        client.Execute(Sql(move.move, client.Text(newCnp), client.Text(oldCnp))) != 0) {
      return false;
    }
  }
  return transaction.Commit();
}

std::optional<InsuredRecord> FindActiveByPrefix(CClient& client, const QString& cf,
                                                const QString& prefix) {
  const QString sql =
      Sql(u"SELECT * from ASIGURATI.ASIGURATI AS a where a.cnp like %1 AND a.cf=%2 AND a.iesire=0 "
          u"LIMIT 0,1",
          client.Like(QString(), prefix, QStringLiteral("%")), client.Text(cf));
  if (client.Execute(sql, 1) != 0 || client.RowCount() < 1) return std::nullopt;
  return InsuredRecordAt(client, 0);
}

std::optional<ActiveRecords> ActiveRecordsOf(CClient& client, const QString& cf,
                                             const QString& cnp) {
  const QString sql =
      Sql(u"SELECT * FROM asigurati.asigurati AS a WHERE a.cnp=%1 AND a.cf=%2 AND a.iesire=0",
          client.Text(cnp), client.Text(cf));
  if (client.Execute(sql, 1) != 0) return std::nullopt;
  ActiveRecords active;
  active.count = static_cast<int>(client.RowCount());
  for (int row = 0; row < active.count; ++row) {
    const auto hiring = LeadingInteger(client.GetField(row, QStringLiteral("INTRARE")));
    active.latestHiring = std::max(active.latestHiring, static_cast<int>(hiring));
  }
  return active;
}

bool Liquidate(CClient& client, const QString& cf, const QString& cnp, int date) {
  const QString sql =
      Sql(u"UPDATE asigurati.asigurati SET iesire=%1 WHERE cnp=%2 AND iesire=0 AND cf=%3",
          Number(date), client.Text(cnp), client.Text(cf));
  // The records as they were go into the history first.
  Transaction transaction(client);
  if (!transaction.Begun()) return false;
  return client.AuditCopyWhere(
             InsuredTable(),
             Sql(u"cnp=%1 AND iesire=0 AND cf=%2", client.Text(cnp), client.Text(cf)),
             QStringLiteral("M")) == 0 &&
         client.Execute(sql) == 0 && transaction.Commit();
}
