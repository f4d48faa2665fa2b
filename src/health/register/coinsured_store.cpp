#include "health/register/coinsured_store.h"

#include "health/register/insured_store.h"
#include "store/c_client.h"
#include "store/list_model.h"
#include "store/schema/schema_tables.h"
#include "store/sql.h"

namespace {

std::optional<InsuredRecord> FirstRecord(CClient& client, const QString& sql) {
  if (client.Execute(sql, 1) != 0 || client.RowCount() < 1) return std::nullopt;
  return InsuredRecordAt(client, 0);
}

}  // namespace

std::optional<InsuredRecord> FindActiveByNames(CClient& client, const QString& cf,
                                               const QString& nume, const QString& prenume) {
  const QString any = QStringLiteral("%");
  return FirstRecord(
      client, Sql(u"SELECT * from ASIGURATI.ASIGURATI AS a where a.nume like %1 AND a.prenume "
                  u"like %2 AND a.cf=%3 AND a.iesire=0 LIMIT 0,1",
                  client.Like(QString(), nume, any), client.Like(QString(), prenume, any),
                  client.Text(cf)));
}

std::optional<bool> InsuredActiveHere(CClient& client, const QString& cf, const QString& cnp) {
  const QString sql = Sql(
      u"SELECT * from ASIGURATI.ASIGURATI AS a where a.cnp=%1 AND a.cf=%2 AND a.iesire=0 LIMIT 0,1",
      client.Text(cnp), client.Text(cf));
  if (client.Execute(sql, 1) != 0) return std::nullopt;
  return client.RowCount() > 0;
}

std::optional<DependantTaken> DependantTakenBy(CClient& client, const QString& cnp, int ownIndex) {
  const QString sql =
      ownIndex > 0
          ? Sql(u"SELECT c.cnp, a.nume, a.prenume, s.denumire FROM asigurati.coasigurati AS c "
                u"LEFT JOIN asigurati.asigurati AS a ON c.cnp_asig=a.cnp LEFT JOIN "
                u"asigurati.societati AS s ON c.cf=s.cf WHERE c.cnp=%1 AND a.iesire=0  AND "
                u"c.index<>%2  LIMIT 1",
                client.Text(cnp), Number(ownIndex))
          : Sql(u"SELECT c.cnp, a.nume, a.prenume, s.denumire FROM asigurati.coasigurati AS c "
                u"LEFT JOIN asigurati.asigurati AS a ON c.cnp_asig=a.cnp LEFT JOIN "
                u"asigurati.societati AS s ON c.cf=s.cf WHERE c.cnp=%1 AND a.iesire=0  LIMIT 1",
                client.Text(cnp));
  if (client.Execute(sql, 1) != 0) return std::nullopt;
  DependantTaken taken;
  if (client.RowCount() > 0) {
    taken = {true, client.GetField(0, QStringLiteral("NUME")),
             client.GetField(0, QStringLiteral("PRENUME")),
             client.GetField(0, QStringLiteral("DENUMIRE"))};
  }
  return taken;
}

std::optional<InsuredSomewhere> DependantInsuredSomewhere(CClient& client, const QString& cnp) {
  const QString sql =
      Sql(u"SELECT a.cnp, s.denumire from ASIGURATI.ASIGURATI AS a LEFT JOIN asigurati.societati "
          u"AS s ON a.cf=s.cf WHERE a.cnp=%1 AND a.iesire=0 LIMIT 1",
          client.Text(cnp));
  if (client.Execute(sql, 1) != 0) return std::nullopt;
  InsuredSomewhere somewhere;
  if (client.RowCount() > 0) somewhere = {true, client.GetField(0, QStringLiteral("DENUMIRE"))};
  return somewhere;
}

bool WriteDependant(CClient& client, const DependantRecord& record) {
  const Columns columns = {
      {QStringLiteral("CF"), record.cf},           {QStringLiteral("CNP_ASIG"), record.cnpAsig},
      {QStringLiteral("CNP"), record.cnp},         {QStringLiteral("NUME"), record.nume},
      {QStringLiteral("PRENUME"), record.prenume}, {QStringLiteral("TIP"), record.tip}};
  if (record.index > 0) {
    return client.AuditedUpdate(record.index, DependantsTable(), columns) == 0;
  }
  return client.AuditedInsert(DependantsTable(), columns) == 0;
}

bool DeleteDependant(CClient& client, int index) {
  return client.AuditedDelete(index, DependantsTable()) == 0;
}

bool LoadDependants(CClient& client, const QString& cf, const QString& insuredCnp,
                    ListModel& list) {
  const QString sql =
      Sql(u"SELECT * FROM asigurati.coasigurati AS c WHERE c.cf=%1 AND c.cnp_asig=%2 ORDER BY "
          u"c.nume, c.prenume",
          client.Text(cf), client.Text(insuredCnp));
  if (client.Execute(sql, 1) != 0) return false;
  client.FillList(list);
  return true;
}
