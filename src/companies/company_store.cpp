#include "companies/company_store.h"

#include "common/code_lists.h"
#include "common/identifiers.h"
#include "common/number_texts.h"
#include "companies/company_checks.h"
#include "companies/company_fields.h"
#include "store/c_client.h"
#include "store/schema/schema_tables.h"
#include "store/transaction.h"

std::optional<CompanyRecord> LoadCompany(CClient& client, int index) {
  if (client.Execute(Sql(u"SELECT * FROM asigurati.societati AS s WHERE s.index=%1", Number(index)),
                     1) != 0 ||
      client.RowCount() < 1) {
    return std::nullopt;
  }
  CompanyRecord company;
  company.index = index;
  LoadFields(client, CompanyFieldTable(), company);
  const auto field = [&client](const char* name) {
    return client.GetField(0, QLatin1String(name));
  };
  company.lunaLicUrmatoare = LeadingInteger(field("LUNA_LIC")) == 1;
  company.judet = CountyIndex(field("JUD"));
  company.sect = company.judet == kBucharestCounty ? field("SECT") : QString();
  return company;
}

std::optional<bool> FiscalCodeTaken(CClient& client, const QString& cf, int ownIndex) {
  // The code is a text column: "0012345674" and "12345674" are the same fiscal code.
  const SqlValue code = client.Text(StripLeadingZeros(cf.trimmed()));
  const QString sql =
      ownIndex > 0
          ? Sql(u"SELECT s.index FROM asigurati.societati AS s WHERE TRIM(LEADING '0' FROM "
                u"s.cf)=%1 AND s.index<>%2",
                code, Number(ownIndex))
          : Sql(u"SELECT s.index FROM asigurati.societati AS s WHERE TRIM(LEADING '0' FROM "
                u"s.cf)=%1",
                code);
  if (client.Execute(sql, 1) != 0) return std::nullopt;
  return client.RowCount() > 0;
}

bool WriteCompany(CClient& client, const CompanyRecord& company) {
  Columns columns = FieldColumns(CompanyFieldTable(), company);
  columns.push_back({QStringLiteral("LUNA_LIC"),
                     company.lunaLicUrmatoare ? QStringLiteral("1") : QStringLiteral("0")});
  columns.push_back({QStringLiteral("JUD"), CountyCode(company.judet)});
  columns.push_back({QStringLiteral("SECT"), StoredSector(company)});
  if (company.index > 0) return client.AuditedUpdate(company.index, CompaniesTable(), columns) == 0;
  return client.AuditedInsert(CompaniesTable(), columns) == 0;
}

bool MoveFiscalCode(CClient& client, const QString& oldCf, const QString& newCf) {
  // On a server the move is whole or not at all.
  Transaction transaction(client);
  if (!transaction.Begun()) return false;
  for (const char* table : kTablesWithCompanyCf) {
    // The table's name is part of the statement's own text, from the constant.
    const QString statement =
        QStringLiteral("UPDATE ") + QLatin1String(table) + QStringLiteral(" SET cf=%1 WHERE cf=%2");
    const QString sql = Sql(statement, client.Text(newCf), client.Text(oldCf));
    if (client.Execute(sql) != 0) return false;
  }
  return transaction.Commit();
}
