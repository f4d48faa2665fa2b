#include "history/history_tables.h"

#include "store/c_client.h"
#include "store/named_lock.h"
#include "store/schema/schema_tables.h"

const std::vector<HistoryTable>& HistoryTables() {
  // The names are those of the tables themselves, unique across the two databases.
  static const std::vector<HistoryTable> tables = {
      {CompaniesTable(), QStringLiteral("societati"), QStringLiteral("Societati"),
       lock_names::kCompanyCode},
      {InsuredTable(), QStringLiteral("asigurati"), QStringLiteral("Asigurati"),
       lock_names::kInsured},
      {DependantsTable(), QStringLiteral("coasigurati"), QStringLiteral("Coasigurati"), QString()},
      {MonthlyAmountsTable(), QStringLiteral("sume"), QStringLiteral("Sumele angajatilor"),
       QString()},
      {EmployerAmountsTable(), QStringLiteral("sume_societati"),
       QStringLiteral("Sumele angajatorului"), QString()},
      {DeclarationsTable(), QStringLiteral("declaratii"), QStringLiteral("Declaratii"),
       lock_names::kDeclaration},
      {CertificatesTable(), QStringLiteral("concedii"), QStringLiteral("Concedii medicale"),
       lock_names::kCertificate},
  };
  return tables;
}

const HistoryTable* FindHistoryTable(const QString& word) {
  for (const HistoryTable& table : HistoryTables()) {
    if (table.word.compare(word, Qt::CaseInsensitive) == 0) return &table;
  }
  return nullptr;
}

const HistoryTable* HistoryTableOf(const TableName& table) {
  for (const HistoryTable& entry : HistoryTables()) {
    if (entry.name.database == table.database && entry.name.table == table.table) return &entry;
  }
  return nullptr;
}

QString DeletedOfCompany(const CClient& client, const QString& cf) {
  return Sql(u"z.cf=%1", client.Text(cf));
}

QString DeletedOfCompanyMonth(const CClient& client, const QString& cf, int luna) {
  return Sql(u"z.cf=%1 AND z.luna=%2", client.Text(cf), Number(luna));
}
