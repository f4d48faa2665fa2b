#include "health/register/insured_list_store.h"

#include "store/c_client.h"
#include "store/list_model.h"
#include "store/schema/schema_tables.h"
#include "store/sql.h"
#include "store/transaction.h"

bool LoadInsuredList(CClient& client, const QString& cf, int filter, ListModel& list) {
  static const char16_t* const statements[] = {
      u"SELECT * FROM asigurati.asigurati AS a WHERE a.cf=%1 ORDER BY a.nume, a.intrare",
      u"SELECT * FROM asigurati.asigurati AS a WHERE a.cf=%1 AND a.iesire=0 ORDER BY a.nume, "
      u"a.intrare",
      u"SELECT * FROM asigurati.asigurati AS a WHERE a.cf=%1 AND a.iesire>0 ORDER BY a.nume, "
      u"a.intrare"};
  const int which = filter >= 0 && filter <= 2 ? filter : 0;
  if (client.Execute(Sql(statements[which], client.Text(cf)), 1) != 0) return false;
  client.FillList(list);
  return true;
}

bool DeleteInsuredRecord(CClient& client, const QString& cnp, int index) {
  // The rows that go with the record carry its deletion's one time in their history.
  const std::optional<QString> copyTime = client.AuditCopyTime();
  if (!copyTime) return false;
  const QString others =
      Sql(u"SELECT * FROM asigurati.asigurati AS s WHERE s.cnp=%1 AND s.index!=%2",
          client.Text(cnp), Number(index));
  if (client.Execute(others, 1) != 0) return false;
  const bool lastRecord = client.RowCount() == 0;
  const auto copied = [&](const TableName& table, const QString& rows) {
    return client.AuditCopyWhere(table, rows, QStringLiteral("D"), *copyTime) == 0;
  };
  // On a server the record goes with its dependants and amounts, or nothing goes.
  Transaction transaction(client);
  if (!transaction.Begun()) return false;
  if (lastRecord && (!copied(DependantsTable(), Sql(u"cnp_asig=%1", client.Text(cnp))) ||
                     client.Execute(Sql(u"DELETE FROM asigurati.coasigurati WHERE "
                                        u"asigurati.coasigurati.cnp_asig=%1",
                                        client.Text(cnp))) != 0)) {
    return false;
  }
  return copied(MonthlyAmountsTable(), Sql(u"id_cnp=%1", Number(index))) &&
         client.Execute(Sql(u"DELETE FROM asigurati.sume WHERE asigurati.sume.id_cnp=%1",
                            Number(index))) == 0 &&
         copied(InsuredTable(), Sql(u"`index`=%1", Number(index))) &&
         client.Execute(Sql(u"DELETE FROM asigurati.asigurati WHERE asigurati.asigurati.index=%1",
                            Number(index))) == 0 &&
         transaction.Commit();
}
