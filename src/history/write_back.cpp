#include "history/write_back.h"

#include <functional>
#include <optional>

#include "common/identifiers.h"
#include "common/number_texts.h"
#include "companies/company_store.h"
#include "health/register/coinsured_checks.h"
#include "health/register/coinsured_store.h"
#include "health/register/insured_store.h"
#include "store/c_client.h"
#include "store/named_lock.h"
#include "store/schema/schema_tables.h"
#include "store/sql.h"
#include "store/transaction.h"

namespace write_back_texts {

namespace {
// A month as the program writes it: "06-2009".
QString Month(int luna) {
  return PadLeft(QString::number(luna % 100), 2) + u'-' + QString::number(luna / 100);
}
}  // namespace

QString RowDeleted() {
  return QStringLiteral(
      "Inregistrarea a fost stearsa intre timp. O puteti recupera din fereastra "
      "inregistrarilor sterse.");
}
QString AlreadyCurrent() { return QStringLiteral("Versiunea aleasa este chiar cea curenta."); }
QString NoCompany(const QString& cf) {
  return QStringLiteral(
             "Societatea cu CUI-ul %1 nu mai exista in registru. Recuperati intai societatea.")
      .arg(cf);
}
QString FiscalCodeTaken(const QString& cf) {
  return QStringLiteral("CUI-ul %1 este deja al altei societati din registru.").arg(cf);
}
QString SecondActiveRecord(const QString& cnp) {
  return QStringLiteral(
             "Societatea are deja o inregistrare activa a CNP-ului %1: un CNP nu poate avea doua "
             "inregistrari active in aceeasi societate.")
      .arg(cnp);
}
QString NoInsuredPerson(const QString& cnp) {
  return QStringLiteral(
             "Asiguratul cu CNP-ul %1 nu mai are nicio inregistrare la societate. Recuperati "
             "intai asiguratul.")
      .arg(cnp);
}
QString NoInsuredRecord() {
  return QStringLiteral(
      "Inregistrarea asiguratului caruia ii apartin aceste sume nu mai exista. Recuperati "
      "intai asiguratul.");
}
QString MonthTaken(int luna) {
  return QStringLiteral("Exista deja sume pentru luna %1.").arg(Month(luna));
}
QString DeclarationTaken(int luna) {
  return QStringLiteral("Societatea are deja aceasta declaratie pentru luna %1.").arg(Month(luna));
}
QString NoDeclaration() {
  return QStringLiteral(
      "Declaratia acestui concediu medical nu mai exista. Recuperati intai declaratia.");
}

}  // namespace write_back_texts

namespace {

namespace texts = write_back_texts;

// A version's values by column name.
class Values {
 public:
  Values(const QStringList& columns, const RecordVersion& version)
      : columns_(columns), version_(version) {}
  QString operator[](const char* column) const {
    const qsizetype at = columns_.indexOf(QString::fromLatin1(column).toUpper());
    return at < 0 ? QString() : version_.values.value(at);
  }
  int Whole(const char* column) const { return static_cast<int>(LeadingInteger((*this)[column])); }

 private:
  const QStringList& columns_;
  const RecordVersion& version_;
};

bool Is(const HistoryTable& table, const TableName& name) {
  return table.name.database == name.database && table.name.table == name.table;
}

// Whether the query finds a row; nothing when it failed (shown).
std::optional<bool> Found(CClient& client, const QString& sql) {
  if (client.Execute(sql, 1) != 0) return std::nullopt;
  return client.RowCount() > 0;
}

// A rule that holds when the query finds a row (a parent) or finds none (a clash).
CheckResult Expect(std::optional<bool> found, bool wanted, const QString& refusal) {
  if (!found) return CheckResult::Failed();
  return *found == wanted ? CheckResult::Ok() : CheckResult::Refused(refusal);
}

CheckResult CompanyThere(CClient& client, const QString& cf) {
  return Expect(
      Found(client, Sql(u"SELECT s.index FROM asigurati.societati AS s WHERE s.cf=%1 LIMIT 1",
                        client.Text(cf))),
      true, texts::NoCompany(cf));
}

CheckResult CompanyRules(CClient& client, const Values& v, qint64 own) {
  const std::optional<bool> taken = FiscalCodeTaken(client, v["CF"], static_cast<int>(own));
  return Expect(taken, false, texts::FiscalCodeTaken(v["CF"]));
}

CheckResult InsuredRules(CClient& client, const Values& v, qint64 own) {
  if (CheckResult company = CompanyThere(client, v["CF"]); !company.IsOk()) return company;
  // Only a record that is active can clash with another active one.
  if (v.Whole("IESIRE") != 0) return CheckResult::Ok();
  return Expect(ActiveHere(client, v["CF"], v["CNP"], static_cast<int>(own)), false,
                texts::SecondActiveRecord(v["CNP"]));
}

CheckResult DependantRules(CClient& client, const Values& v, qint64 own) {
  CheckResult insured =
      Expect(Found(client, Sql(u"SELECT a.index FROM asigurati.asigurati AS a WHERE a.cnp=%1 AND "
                               u"a.cf=%2 LIMIT 1",
                               client.Text(v["CNP_ASIG"]), client.Text(v["CF"]))),
             true, texts::NoInsuredPerson(v["CNP_ASIG"]));
  if (!insured.IsOk()) return insured;
  const std::optional<DependantTaken> taken =
      DependantTakenBy(client, v["CNP"], static_cast<int>(own));
  if (!taken) return CheckResult::Failed();
  if (taken->found) {
    return CheckResult::Refused(
        DependantTakenMessage(taken->nume, taken->prenume, taken->denumire));
  }
  return CheckResult::Ok();
}

CheckResult EmployeeAmountsRules(CClient& client, const Values& v, qint64 own) {
  CheckResult record =
      Expect(Found(client, Sql(u"SELECT a.index FROM asigurati.asigurati AS a WHERE a.index=%1",
                               Number(v["ID_CNP"]))),
             true, texts::NoInsuredRecord());
  if (!record.IsOk()) return record;
  return Expect(Found(client, Sql(u"SELECT s.index FROM asigurati.sume AS s WHERE s.id_cnp=%1 AND "
                                  u"s.luna=%2 AND s.index<>%3 LIMIT 1",
                                  Number(v["ID_CNP"]), Number(v["LUNA"]), Number(own))),
                false, texts::MonthTaken(v.Whole("LUNA")));
}

CheckResult EmployerAmountsRules(CClient& client, const Values& v, qint64 own) {
  if (CheckResult company = CompanyThere(client, v["CF"]); !company.IsOk()) return company;
  return Expect(
      Found(client, Sql(u"SELECT ss.index FROM asigurati.sume_societati AS ss WHERE ss.cf=%1 AND "
                        u"ss.luna=%2 AND ss.index<>%3 LIMIT 1",
                        client.Text(v["CF"]), Number(v["LUNA"]), Number(own))),
      false, texts::MonthTaken(v.Whole("LUNA")));
}

CheckResult DeclarationRules(CClient& client, const Values& v, qint64 own) {
  if (CheckResult company = CompanyThere(client, v["CF"]); !company.IsOk()) return company;
  // A month has one initial declaration and one of each rectification number.
  return Expect(
      Found(client, Sql(u"SELECT d.index FROM concedii.declaratii AS d WHERE d.cf=%1 AND "
                        u"d.luna=%2 AND d.rectificativa=%3 AND d.rectif_nr=%4 AND "
                        u"d.index<>%5 LIMIT 1",
                        client.Text(v["CF"]), Number(v["LUNA"]), client.Text(v["RECTIFICATIVA"]),
                        Number(v["RECTIF_NR"]), Number(own))),
      false, texts::DeclarationTaken(v.Whole("LUNA")));
}

CheckResult CertificateRules(CClient& client, const Values& v, qint64) {
  return Expect(Found(client, Sql(u"SELECT d.index FROM concedii.declaratii AS d WHERE d.index=%1",
                                  Number(v["ID_DECLARATIE"]))),
                true, texts::NoDeclaration());
}

CheckResult Rules(CClient& client, const HistoryTable& table, const Values& v, qint64 own) {
  using Rule = CheckResult (*)(CClient&, const Values&, qint64);
  const struct {
    const TableName& name;
    Rule rule;
  } rules[] = {{CompaniesTable(), CompanyRules},
               {InsuredTable(), InsuredRules},
               {DependantsTable(), DependantRules},
               {MonthlyAmountsTable(), EmployeeAmountsRules},
               {EmployerAmountsTable(), EmployerAmountsRules},
               {DeclarationsTable(), DeclarationRules},
               {CertificatesTable(), CertificateRules}};
  for (const auto& entry : rules) {
    if (Is(table, entry.name)) return entry.rule(client, v, own);
  }
  return CheckResult::Ok();
}

// Takes the form's lock, when it takes one; false when the work may not go on (shown).
bool TakeFormLock(std::optional<NamedLock>& lock, CClient& client, const HistoryTable& table) {
  if (table.lock.isEmpty()) return true;
  lock.emplace(client, table.lock);
  return lock->Held();
}

// The rows a delete took with the row: their audit copies carry its copy time.
struct Companion {
  TableName table;
  QString condition;  // on the audit copy, as z
};

std::vector<Companion> Companions(CClient& client, const HistoryTable& table, const Values& v,
                                  qint64 index) {
  if (Is(table, CompaniesTable())) {
    std::vector<Companion> rows;
    for (const char* name : kTablesWithCompanyCf) {
      rows.push_back({QualifiedTableName(name), Sql(u"z.cf=%1", client.Text(v["CF"]))});
    }
    return rows;
  }
  if (Is(table, InsuredTable())) {
    return {{DependantsTable(), Sql(u"z.cnp_asig=%1", client.Text(v["CNP"]))},
            {MonthlyAmountsTable(), Sql(u"z.id_cnp=%1", Number(index))}};
  }
  if (Is(table, DeclarationsTable())) {
    return {{CertificatesTable(), Sql(u"z.id_declaratie=%1", Number(index))}};
  }
  return {};
}

// Puts back the rows deleted together with the row (deleted at `deletedAt`), parents first.
bool RecoverCompanions(CClient& client, const std::vector<Companion>& companions,
                       const QString& deletedAt) {
  for (const Companion& companion : companions) {
    const std::optional<DeletedRows> rows =
        ReadDeletedRows(client, companion.table,
                        companion.condition + Sql(u" AND z.znew_data=%1", client.Text(deletedAt)));
    if (!rows) return false;
    // Oldest delete first, so the indexes come back in the order they went.
    for (auto row = rows->rows.rbegin(); row != rows->rows.rend(); ++row) {
      if (PutDeletedRowBack(client, companion.table, rows->columns, *row) != 0) return false;
    }
  }
  return true;
}

}  // namespace

CheckResult RestoreVersion(CClient& client, const HistoryTable& table, qint64 index,
                           const RecordHistory& history, const RecordVersion& version) {
  if (version.kind == RecordVersion::Kind::kCurrent) {
    return CheckResult::Refused(texts::AlreadyCurrent());
  }
  std::optional<NamedLock> lock;
  if (!TakeFormLock(lock, client, table)) return CheckResult::Failed();
  Transaction transaction(client);
  if (!transaction.Begun()) return CheckResult::Failed();
  // The row as it is now, read again under the lock: another workstation may have changed it.
  const std::optional<RecordHistory> now = ReadRecordHistory(client, table.name, index);
  if (!now) return CheckResult::Failed();
  if (!now->HasCurrent()) return CheckResult::Refused(texts::RowDeleted());
  const Values current(now->columns, now->versions.front());
  const Values restored(history.columns, version);
  if (CheckResult rules = Rules(client, table, restored, index); !rules.IsOk()) return rules;
  if (WriteVersionBack(client, table.name, index, history.columns, version) != 0) {
    return CheckResult::Failed();
  }
  // What the form does with a changed code, once the row holds it.
  if (Is(table, CompaniesTable()) && current["CF"] != restored["CF"] &&
      !MoveFiscalCode(client, current["CF"], restored["CF"])) {
    return CheckResult::Failed();
  }
  if (Is(table, InsuredTable()) && current["CNP"] != restored["CNP"] &&
      !MoveCnp(client, current["CNP"], restored["CNP"])) {
    return CheckResult::Failed();
  }
  return transaction.Commit() ? CheckResult::Ok() : CheckResult::Failed();
}

CheckResult RecoverDeletedRow(CClient& client, const HistoryTable& table, const DeletedRows& rows,
                              const DeletedRow& row) {
  std::optional<NamedLock> lock;
  if (!TakeFormLock(lock, client, table)) return CheckResult::Failed();
  Transaction transaction(client);
  if (!transaction.Begun()) return CheckResult::Failed();
  const Values values(rows.columns, row.version);
  if (CheckResult rules = Rules(client, table, values, row.index); !rules.IsOk()) return rules;
  if (PutDeletedRowBack(client, table.name, rows.columns, row) != 0) return CheckResult::Failed();
  // Copies made before their time was kept cannot be told apart: the row comes back alone.
  if (!row.version.endedAt.isEmpty() &&
      !RecoverCompanions(client, Companions(client, table, values, row.index),
                         row.version.endedAt)) {
    return CheckResult::Failed();
  }
  return transaction.Commit() ? CheckResult::Ok() : CheckResult::Failed();
}
