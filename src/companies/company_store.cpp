#include "companies/company_store.h"

#include "common/identifiers.h"
#include "common/number_texts.h"
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
  return company;
}

std::optional<qint64> CompanyIndexOf(CClient& client, const QString& cf) {
  if (client.Execute(Sql(u"SELECT s.index FROM asigurati.societati AS s WHERE s.cf=%1 LIMIT 1",
                         client.Text(cf)),
                     1) != 0) {
    return std::nullopt;
  }
  if (client.RowCount() < 1) return 0;
  return LeadingInteger(client.GetField(0, QStringLiteral("INDEX")));
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
  const Columns columns = FieldColumns(CompanyFieldTable(), company);
  if (company.index > 0) return client.AuditedUpdate(company.index, CompaniesTable(), columns) == 0;
  return client.AuditedInsert(CompaniesTable(), columns) == 0;
}

bool MoveFiscalCode(CClient& client, const QString& oldCf, const QString& newCf) {
  // On a server the move is whole or not at all.
  Transaction transaction(client);
  if (!transaction.Begun()) return false;
  for (const char* table : kTablesWithCompanyCf) {
    // Each row as it was goes into its history first.
    if (client.AuditCopyWhere(QualifiedTableName(table), Sql(u"cf=%1", client.Text(oldCf)),
                              QStringLiteral("M")) != 0) {
      return false;
    }
    // The table's name is part of the statement's own text, from the constant.
    const QString statement =
        QStringLiteral("UPDATE ") + QLatin1String(table) + QStringLiteral(" SET cf=%1 WHERE cf=%2");
    const QString sql = Sql(statement, client.Text(newCf), client.Text(oldCf));
    if (client.Execute(sql) != 0) return false;
  }
  // The record of the files written and of the months handed in follows the company, so
  // the month overview still knows them; it keeps no history of its own.
  const TableName& written = WrittenFilesTable();
  const QString moveRecord = QStringLiteral("UPDATE ") + written.database + u'.' + written.table +
                             QStringLiteral(" SET cf=%1 WHERE cf=%2");
  if (client.Execute(Sql(moveRecord, client.Text(newCf), client.Text(oldCf))) != 0) return false;
  return transaction.Commit();
}
