#include "health/company_store.h"

#include "common/code_lists.h"
#include "common/identifiers.h"
#include "common/number_texts.h"
#include "health/company_checks.h"
#include "store/c_client.h"

namespace {
const QString kDatabase = QStringLiteral("ASIGURATI");
const QString kTable = QStringLiteral("SOCIETATI");
}  // namespace

int LoadCompany(CClient& client, int index, CompanyFields& company) {
  if (client.Execute(QStringLiteral("SELECT * FROM asigurati.societati AS s WHERE s.index=") +
                         CClient::Number(index),
                     1) != 0) {
    return 1;
  }
  if (client.RowCount() < 1) return 1;
  const auto field = [&client](const char* name) {
    return client.GetField(0, QLatin1String(name));
  };
  company.cf = field("CF");
  company.denumire = field("DENUMIRE");
  company.regCom = field("REG_COM");
  company.repr = field("REPR");
  company.ziuaLic = field("ZIUA_LIC");
  company.lunaLicUrmatoare = LeadingInteger(field("LUNA_LIC")) == 1;
  company.str = field("STR");
  company.nr = field("NR");
  company.bl = field("BL");
  company.sc = field("SC");
  company.et = field("ET");
  company.ap = field("AP");
  company.loc = field("LOC");
  company.judet = CountyIndex(field("JUD"));
  company.sect = company.judet == kBucharestCounty ? field("SECT") : QString();
  company.email = field("EMAIL");
  company.tel = field("TEL");
  company.b1 = field("B1");
  company.f1 = field("F1");
  company.c1 = field("C1");
  return 0;
}

int FiscalCodeTaken(CClient& client, const QString& cf, int ownIndex, bool& taken) {
  // The code is a text column: "0012345674" and "12345674" are the same fiscal code.
  QString sql = QStringLiteral(
                    "SELECT s.index FROM asigurati.societati AS s WHERE TRIM(LEADING '0' FROM "
                    "s.cf)=") +
                client.Text(StripLeadingZeros(cf.trimmed()));
  if (ownIndex > 0) sql += QStringLiteral(" AND s.index<>") + CClient::Number(ownIndex);
  if (client.Execute(sql, 1) != 0) return 1;
  taken = client.RowCount() > 0;
  return 0;
}

int WriteCompany(CClient& client, const CompanyFields& company, int ownIndex) {
  client.ClearColumns();
  client.AddColumn(QStringLiteral("CF"), company.cf);
  client.AddColumn(QStringLiteral("DENUMIRE"), company.denumire);
  client.AddColumn(QStringLiteral("REG_COM"), company.regCom);
  client.AddColumn(QStringLiteral("REPR"), company.repr);
  client.AddColumn(QStringLiteral("ZIUA_LIC"), company.ziuaLic);
  client.AddColumn(QStringLiteral("LUNA_LIC"),
                   company.lunaLicUrmatoare ? QStringLiteral("1") : QStringLiteral("0"));
  client.AddColumn(QStringLiteral("LOC"), company.loc);
  client.AddColumn(QStringLiteral("STR"), company.str);
  client.AddColumn(QStringLiteral("NR"), company.nr);
  client.AddColumn(QStringLiteral("BL"), company.bl);
  client.AddColumn(QStringLiteral("SC"), company.sc);
  client.AddColumn(QStringLiteral("ET"), company.et);
  client.AddColumn(QStringLiteral("AP"), company.ap);
  client.AddColumn(QStringLiteral("TEL"), company.tel);
  client.AddColumn(QStringLiteral("JUD"), CountyCode(company.judet));
  client.AddColumn(QStringLiteral("SECT"), StoredSector(company));
  client.AddColumn(QStringLiteral("EMAIL"), company.email);
  client.AddColumn(QStringLiteral("B1"), company.b1);
  client.AddColumn(QStringLiteral("F1"), company.f1);
  client.AddColumn(QStringLiteral("C1"), company.c1);
  if (ownIndex > 0) return client.AuditedUpdate(ownIndex, kDatabase, kTable);
  return client.AuditedInsert(kDatabase, kTable);
}

int MoveFiscalCode(CClient& client, const QString& oldCf, const QString& newCf) {
  static const char* const tables[] = {"asigurati.asigurati", "asigurati.coasigurati",
                                       "asigurati.sume",      "asigurati.sume_societati",
                                       "concedii.declaratii", "concedii.concedii"};
  for (const char* table : tables) {
    const QString sql = QStringLiteral("UPDATE ") + QLatin1String(table) +
                        QStringLiteral(" SET cf=") + client.Text(newCf) +
                        QStringLiteral(" WHERE cf=") + client.Text(oldCf);
    if (client.Execute(sql) != 0) return 1;
  }
  return 0;
}
