#include "exchange/import/import_store.h"

#include <vector>

#include "health/register/insured_fields.h"
#include "store/c_client.h"
#include "store/schema/schema_tables.h"

namespace {

using Kind = ImportOutcome::Kind;

ImportOutcome Failed() { return {Kind::kFailed, {}}; }
ImportOutcome Rejected(const QString& text) { return {Kind::kRejected, text}; }
ImportOutcome WithoutAmounts(const QString& text) { return {Kind::kStored, text, true}; }

QString Field(const ImportFields& fields, const char* name) {
  return fields.value(QLatin1String(name)).trimmed();
}

// The INDEX of the first row of a query kept by the client: 0 when it found none, nothing
// when it failed.
std::optional<int> FirstIndex(CClient& client, const QString& sql) {
  if (client.Execute(sql, 1) != 0) return std::nullopt;
  if (client.RowCount() < 1) return 0;
  return client.GetField(0, QStringLiteral("INDEX")).toInt();
}

// Adds (ownIndex 0) or updates the row; the INDEX of the row written, nothing on a failure.
std::optional<int> WriteRow(CClient& client, const TableName& table, const Columns& columns,
                            int ownIndex) {
  if (ownIndex > 0) {
    if (client.AuditedUpdate(ownIndex, table, columns) != 0) return std::nullopt;
    return ownIndex;
  }
  if (client.AuditedInsert(table, columns) != 0) return std::nullopt;
  return static_cast<int>(client.LastInsertId());
}

// The employment record a file's record describes; its liquidation is the caller's.
InsuredRecord ImportedRecord(const QString& cf, const QString& cas, const ImportFields& fields,
                             const char* form, const char* hiring) {
  InsuredRecord record;
  record.cf = cf;
  record.cas = cas;
  record.nume = Field(fields, "NUME");
  record.prenume = Field(fields, "PRENUME");
  record.cnp = Field(fields, "CNP");
  record.forma = Field(fields, form);
  record.intrare = Field(fields, hiring);
  return record;
}

std::optional<int> MonthRowIndex(CClient& client, int insured, const QString& month) {
  return FirstIndex(client,
                    Sql(u"SELECT * FROM asigurati.sume AS s WHERE  s.id_cnp=%1 AND s.LUNA=%2",
                        Number(insured), Number(month)));
}

ImportAmounts ReadAmounts(const ImportFields& fields,
                          const std::vector<std::pair<const char*, const char*>>& mapping) {
  ImportAmounts result;
  for (const auto& [field, column] : mapping) {
    const std::optional<double> amount = ImportAmount(fields.value(QLatin1String(field)));
    if (!amount) return {{}, BadAmountText(QLatin1String(field))};
    const bool wage = QLatin1String(column) == QLatin1String("SALARIU");
    result.columns.emplace_back(QLatin1String(column),
                                wage ? StoredWage(*amount) : StoredContribution(*amount));
  }
  return result;
}

Columns AmountsRowColumns(int insured, const QString& cf, const QString& cnp, const QString& month,
                          const ImportAmounts& amounts) {
  Columns columns = {{QStringLiteral("ID_CNP"), QString::number(insured)},
                     {QStringLiteral("CF"), cf},
                     {QStringLiteral("CNP"), cnp},
                     {QStringLiteral("LUNA"), month}};
  for (const auto& [column, value] : amounts.columns) columns.push_back({column, value});
  return columns;
}

// Step of the external record after its insured record is written: the month's amounts.
ImportOutcome ExternalAmounts(CClient& client, ExternalImportRows& rows,
                              const PreparedImport& record, int insured, QString status) {
  if (!record.monthValid) return WithoutAmounts(status + BadMonthText());
  if (!record.amounts.problem.isEmpty()) return WithoutAmounts(status + record.amounts.problem);
  const std::optional<int> existing = rows.MonthRow(client, insured, record.month);
  if (!existing) return Failed();
  const std::optional<int> written = WriteRow(
      client, MonthlyAmountsTable(),
      AmountsRowColumns(insured, rows.Cf(), record.cnp, record.month, record.amounts), *existing);
  if (!written) return Failed();
  rows.AddMonthRow(insured, record.month, *written);
  status += *existing > 0 ? QStringLiteral("; Sumele in luna existente: au fost modificate")
                          : QStringLiteral("; Sumele in luna inexistente: au fost adaugate");
  return {Kind::kStored, status};
}

// The server compares CNPs without regard to case or trailing blanks; so does the lookup.
QString CnpKey(const QString& cnp) {
  qsizetype end = cnp.size();
  while (end > 0 && cnp[end - 1] == u' ') --end;
  return cnp.left(end).toUpper();
}

}  // namespace

std::optional<std::optional<CompanyRecord>> FindImportCompany(CClient& client, const QString& cf) {
  if (client.Execute(Sql(u"SELECT * FROM asigurati.societati AS s WHERE s.cf=%1", client.Text(cf)),
                     1) != 0) {
    return std::nullopt;
  }
  if (client.RowCount() < 1) return std::optional<CompanyRecord>();
  CompanyRecord company;
  company.index = client.GetField(0, QStringLiteral("INDEX")).toInt();
  company.cf = cf;
  company.denumire = client.GetField(0, QStringLiteral("DENUMIRE"));
  company.regCom = client.GetField(0, QStringLiteral("REG_COM"));
  company.repr = client.GetField(0, QStringLiteral("REPR"));
  company.ziuaLic = client.GetField(0, QStringLiteral("ZIUA_LIC"));
  company.lunaLicUrmatoare = client.GetField(0, QStringLiteral("LUNA_LIC")) == QLatin1String("1");
  return std::optional<CompanyRecord>(company);
}

bool EnsureImportCompany(CClient& client, const CompanyRecord& company) {
  const auto existing = FindImportCompany(client, company.cf);
  if (!existing) return false;
  if (existing->has_value()) return true;
  const Columns columns = {{QStringLiteral("CF"), company.cf},
                           {QStringLiteral("DENUMIRE"), company.denumire},
                           {QStringLiteral("REG_COM"), company.regCom},
                           {QStringLiteral("REPR"), company.repr},
                           {QStringLiteral("ZIUA_LIC"), company.ziuaLic},
                           {QStringLiteral("LUNA_LIC"),
                            company.lunaLicUrmatoare ? QStringLiteral("1") : QStringLiteral("0")}};
  return client.AuditedInsert(CompaniesTable(), columns) == 0;
}

bool ExternalImportRows::Read(CClient& client) {
  active_.clear();
  monthRows_.clear();
  if (client.Execute(Sql(u"SELECT a.`INDEX` AS `INDEX`, a.CNP AS CNP FROM asigurati.asigurati "
                         u"AS a WHERE a.cf=%1 AND a.iesire=0 ORDER BY a.`INDEX`",
                         client.Text(cf_)),
                     1) != 0) {
    return false;
  }
  const ResultTable& result = client.Result();
  active_.reserve(static_cast<qsizetype>(result.RowCount()));
  for (int row = 0; row < result.RowCount(); ++row) {
    const QString cnp = CnpKey(result.GetField(row, QStringLiteral("CNP")));
    if (!active_.contains(cnp))
      active_.insert(cnp, result.GetField(row, QStringLiteral("INDEX")).toInt());
  }
  return true;
}

int ExternalImportRows::ActiveRecord(const QString& cnp) const {
  return active_.value(CnpKey(cnp), 0);
}

void ExternalImportRows::AddRecord(const QString& cnp, int index) {
  active_.insert(CnpKey(cnp), index);
}

std::optional<int> ExternalImportRows::MonthRow(CClient& client, int record, const QString& month) {
  auto found = monthRows_.find(month);
  if (found == monthRows_.end()) {
    if (client.Execute(Sql(u"SELECT s.`INDEX` AS `INDEX`, s.ID_CNP AS ID_CNP FROM asigurati.sume "
                           u"AS s, asigurati.asigurati AS a WHERE a.`INDEX`=s.ID_CNP AND a.cf=%1 "
                           u"AND a.iesire=0 AND s.LUNA=%2 ORDER BY s.`INDEX`",
                           client.Text(cf_), Number(month)),
                       1) != 0) {
      return std::nullopt;
    }
    QHash<int, int> rows;
    const ResultTable& result = client.Result();
    for (int row = 0; row < result.RowCount(); ++row) {
      const int record = result.GetField(row, QStringLiteral("ID_CNP")).toInt();
      if (!rows.contains(record))
        rows.insert(record, result.GetField(row, QStringLiteral("INDEX")).toInt());
    }
    found = monthRows_.insert(month, rows);
  }
  return found->value(record, 0);
}

void ExternalImportRows::AddMonthRow(int record, const QString& month, int index) {
  monthRows_[month].insert(record, index);
}

PreparedImport PrepareExternalRecord(const QString& cf, const ImportFields& fields) {
  PreparedImport prepared;
  prepared.refusal = ExternalRecordProblem(fields.value(QStringLiteral("CNP")),
                                           fields.value(QStringLiteral("INTRARE")),
                                           fields.value(QStringLiteral("FORMA")));
  if (!prepared.refusal) prepared.refusal = ImportLengthProblem(fields);
  if (prepared.refusal) return prepared;
  prepared.cnp = Field(fields, "CNP");
  // The record's liquidation stays as stored: the file knows only active persons.
  const InsuredRecord record = ImportedRecord(cf, ImportHouse(fields.value(QStringLiteral("CAS"))),
                                              fields, "FORMA", "INTRARE");
  prepared.insured = FieldColumns(InsuredFieldTable(), record, {"IESIRE"});
  prepared.month = Field(fields, "LA_LUNA");
  prepared.monthValid = IsAmountsMonth(prepared.month);
  if (prepared.monthValid) {
    prepared.amounts = ReadAmounts(fields, {{"SALARIU", "SALARIU"},
                                            {"ASG_DAT", "ASIG_DATORAT"},
                                            {"ASG_VIR", "ASIG_VIRAT"},
                                            {"ANG_DAT", "ANG_DATORAT"},
                                            {"ANG_VIR", "ANG_VIRAT"}});
  }
  return prepared;
}

ImportOutcome StoreExternalRecord(CClient& client, ExternalImportRows& rows,
                                  const PreparedImport& record) {
  if (record.refusal) return Rejected(*record.refusal);
  const int active = rows.ActiveRecord(record.cnp);
  const std::optional<int> insured = WriteRow(client, InsuredTable(), record.insured, active);
  if (!insured) return Failed();
  rows.AddRecord(record.cnp, *insured);
  const QString status = active > 0 ? QStringLiteral("Asigurat existent: a fost modificat")
                                    : QStringLiteral("Asigurat inexistent: a fost adaugat");
  return ExternalAmounts(client, rows, record, *insured, status);
}

ImportOutcome ImportExternalRecord(CClient& client, ExternalImportRows& rows,
                                   const ImportFields& fields) {
  return StoreExternalRecord(client, rows, PrepareExternalRecord(rows.Cf(), fields));
}

PreparedImport PreparePreviousRecord(const QString& cf, const QString& cas, const QString& month,
                                     const ImportFields& fields) {
  PreparedImport prepared;
  prepared.refusal = PreviousRecordProblem(fields.value(QStringLiteral("CNP")),
                                           fields.value(QStringLiteral("ANG")),
                                           fields.value(QStringLiteral("CAT")));
  if (!prepared.refusal) prepared.refusal = LiquidationProblem(fields.value(QStringLiteral("PL")));
  if (!prepared.refusal) prepared.refusal = ImportLengthProblem(fields);
  if (prepared.refusal) return prepared;
  prepared.cnp = Field(fields, "CNP");
  prepared.hiring = Field(fields, "ANG");
  InsuredRecord record = ImportedRecord(cf, cas, fields, "CAT", "ANG");
  record.iesire = StoredLiquidation(fields.value(QStringLiteral("PL")));
  prepared.insured = FieldColumns(InsuredFieldTable(), record);
  prepared.month = month;
  prepared.monthValid = IsAmountsMonth(month);
  // A person without amounts that month leaves both blank: no amounts row for them.
  prepared.amountsBlank = Field(fields, "SDL").isEmpty() && Field(fields, "SVL").isEmpty();
  if (prepared.monthValid && !prepared.amountsBlank) {
    prepared.amounts = ReadAmounts(fields, {{"SDL", "ASIG_DATORAT"}, {"SVL", "ASIG_VIRAT"}});
  }
  return prepared;
}

ImportOutcome StorePreviousRecord(CClient& client, const QString& cf, const QString& month,
                                  const PreparedImport& record) {
  if (record.refusal) return Rejected(*record.refusal);
  const std::optional<int> same = FirstIndex(
      client, Sql(u"SELECT * FROM asigurati.asigurati AS a WHERE  a.cf=%1 AND a.cnp=%2 AND "
                  u"a.intrare=%3",
                  client.Text(cf), client.Text(record.cnp), Number(record.hiring)));
  if (!same) return Failed();
  if (*same > 0) {
    return Rejected(
        QStringLiteral("Asiguratul este deja in baza de date cu aceeasi data de "
                       "intrare (fisierul a mai fost importat o data?)."));
  }
  const std::optional<int> insured = WriteRow(client, InsuredTable(), record.insured, 0);
  if (!insured) return Failed();
  if (!record.monthValid) return WithoutAmounts(BadMonthText());
  if (record.amountsBlank) return {Kind::kStored, {}};
  if (!record.amounts.problem.isEmpty()) return WithoutAmounts(record.amounts.problem);
  const std::optional<int> existing = MonthRowIndex(client, *insured, month);
  if (!existing) return Failed();
  if (*existing > 0) return {Kind::kStored, {}};
  if (!WriteRow(client, MonthlyAmountsTable(),
                AmountsRowColumns(*insured, cf, record.cnp, month, record.amounts), 0)) {
    return Failed();
  }
  return {Kind::kStored, {}};
}

ImportOutcome ImportPreviousRecord(CClient& client, const QString& cf, const QString& cas,
                                   const QString& month, const ImportFields& fields) {
  return StorePreviousRecord(client, cf, month, PreparePreviousRecord(cf, cas, month, fields));
}
