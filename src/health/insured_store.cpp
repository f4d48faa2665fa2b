#include "health/insured_store.h"

#include <algorithm>

#include "store/c_client.h"
#include "store/text_numbers.h"

namespace {

const QString kDatabase = QStringLiteral("ASIGURATI");
const QString kTable = QStringLiteral("ASIGURATI");

InsuredRecord RecordAt(const CClient& client, int row) {
  const auto field = [&client, row](const char* name) {
    return client.GetField(row, QLatin1String(name));
  };
  InsuredRecord record;
  record.index = static_cast<int>(LeadingInteger(field("INDEX")));
  record.cf = field("CF");
  record.cas = field("CAS");
  record.nume = field("NUME");
  record.prenume = field("PRENUME");
  record.cnp = field("CNP");
  record.intrare = field("INTRARE");
  record.iesire = field("IESIRE");
  record.forma = field("FORMA");
  return record;
}

}  // namespace

InsuredLoad LoadInsured(CClient& client, int index) {
  InsuredLoad load;
  if (client.Execute(QStringLiteral("SELECT * FROM asigurati.asigurati AS a WHERE a.index=") +
                         CClient::Number(index),
                     1) != 0) {
    return load;
  }
  if (client.RowCount() < 1) {
    load.outcome = InsuredLoad::Outcome::kMissing;
    return load;
  }
  load.outcome = InsuredLoad::Outcome::kRead;
  load.record = RecordAt(client, 0);
  return load;
}

std::optional<bool> ActiveHere(CClient& client, const QString& cf, const QString& cnp,
                               int ownIndex) {
  QString sql = QStringLiteral("SELECT * FROM asigurati.asigurati AS a WHERE a.cnp=") +
                client.Text(cnp) + QStringLiteral(" AND a.iesire=0 AND a.cf=") + client.Text(cf);
  if (ownIndex > 0) sql += QStringLiteral(" AND a.index<>") + CClient::Number(ownIndex);
  if (client.Execute(sql, 1) != 0) return std::nullopt;
  return client.RowCount() > 0;
}

std::optional<int> LastLiquidation(CClient& client, const QString& cf, const QString& cnp) {
  const QString sql = QStringLiteral("SELECT * FROM asigurati.asigurati AS a WHERE a.cnp=") +
                      client.Text(cnp) + QStringLiteral(" AND a.iesire>0 AND a.cf=") +
                      client.Text(cf) + QStringLiteral(" ORDER BY a.iesire DESC LIMIT 1");
  if (client.Execute(sql, 1) != 0) return std::nullopt;
  if (client.RowCount() < 1) return 0;
  return static_cast<int>(LeadingInteger(client.GetField(0, QStringLiteral("IESIRE"))));
}

std::optional<OtherEmployment> ActiveElsewhere(CClient& client, const QString& cf,
                                               const QString& cnp) {
  const QString sql =
      QStringLiteral(
          "SELECT a.cnp, a.forma, s.denumire FROM asigurati.asigurati AS a LEFT JOIN "
          "asigurati.societati AS s ON a.cf=s.cf WHERE a.cnp=") +
      client.Text(cnp) + QStringLiteral(" AND a.iesire=0 AND a.cf<>") + client.Text(cf);
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
      QStringLiteral(
          "SELECT c.cnp, a.nume, a.prenume, s.denumire FROM asigurati.coasigurati AS c LEFT JOIN "
          "asigurati.asigurati AS a ON c.cnp_asig=a.cnp LEFT JOIN asigurati.societati AS s ON "
          "c.cf=s.cf WHERE c.cnp=") +
      client.Text(cnp) + QStringLiteral(" AND a.iesire=0");
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
  client.ClearColumns();
  client.AddColumn(QStringLiteral("CF"), record.cf);
  client.AddColumn(QStringLiteral("CAS"), record.cas);
  client.AddColumn(QStringLiteral("NUME"), record.nume);
  client.AddColumn(QStringLiteral("PRENUME"), record.prenume);
  client.AddColumn(QStringLiteral("CNP"), record.cnp);
  client.AddColumn(QStringLiteral("INTRARE"), record.intrare);
  if (writeIesire) client.AddColumn(QStringLiteral("IESIRE"), record.iesire);
  client.AddColumn(QStringLiteral("FORMA"), record.forma);
  if (ownIndex > 0) return client.AuditedUpdate(ownIndex, kDatabase, kTable) == 0;
  return client.AuditedInsert(kDatabase, kTable) == 0;
}

bool MoveCnp(CClient& client, const QString& oldCnp, const QString& newCnp) {
  const QString moves[] = {
      QStringLiteral("UPDATE asigurati.coasigurati SET cnp_asig=%1 WHERE cnp_asig=%2"),
      QStringLiteral("UPDATE asigurati.sume SET cnp=%1 WHERE cnp=%2")};
  for (const QString& move : moves) {
    if (client.Execute(move.arg(client.Text(newCnp), client.Text(oldCnp))) != 0) return false;
  }
  return true;
}

std::optional<InsuredRecord> FindActiveByPrefix(CClient& client, const QString& cf,
                                                const QString& prefix) {
  const QString sql = QStringLiteral("SELECT * from ASIGURATI.ASIGURATI AS a where a.cnp like ") +
                      client.Like(QString(), prefix, QStringLiteral("%")) +
                      QStringLiteral(" AND a.cf=") + client.Text(cf) +
                      QStringLiteral(" AND a.iesire=0 LIMIT 0,1");
  if (client.Execute(sql, 1) != 0 || client.RowCount() < 1) return std::nullopt;
  return RecordAt(client, 0);
}

std::optional<ActiveRecords> ActiveRecordsOf(CClient& client, const QString& cf,
                                             const QString& cnp) {
  const QString sql = QStringLiteral("SELECT * FROM asigurati.asigurati AS a WHERE a.cnp=") +
                      client.Text(cnp) + QStringLiteral(" AND a.cf=") + client.Text(cf) +
                      QStringLiteral(" AND a.iesire=0");
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
  const QString sql = QStringLiteral("UPDATE asigurati.asigurati SET iesire=") +
                      CClient::Number(date) + QStringLiteral(" WHERE cnp=") + client.Text(cnp) +
                      QStringLiteral(" AND iesire=0 AND cf=") + client.Text(cf);
  return client.Execute(sql) == 0;
}
