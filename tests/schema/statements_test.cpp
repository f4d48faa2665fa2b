#include <QTemporaryDir>
#include <QWidget>
#include <functional>

#include "audited_writes.h"
#include "companies/company_counts.h"
#include "companies/company_delete.h"
#include "companies/company_store.h"
#include "exchange/import/import_store.h"
#include "health/amounts/amounts_copy.h"
#include "health/amounts/amounts_store.h"
#include "health/annexes/annex_print.h"
#include "health/annexes/annex_save.h"
#include "health/annexes/report_generate_store.h"
#include "health/register/change_store.h"
#include "health/register/coinsured_store.h"
#include "health/register/insured_list_store.h"
#include "health/register/insured_store.h"
#include "leave/certificates/certificate_checks.h"
#include "leave/certificates/certificate_store.h"
#include "leave/declarations/declaration_sources.h"
#include "leave/declarations/declaration_store.h"
#include "leave/output/declaration_files.h"
#include "leave/replay/declaration_totals.h"
#include "schema_test_util.h"
#include "screens/companies/company_list.h"
#include "store/list_model.h"
#include "ui/c_list_view_ex.h"

using namespace schema_test;

namespace {

// The rows of the audited writes: company 13548146, employee 1800101221144 (record 1),
// dependant 2820404221147, month 200906, house CASAB, declaration 1, certificate 1.
const QString kCf = QStringLiteral("13548146");
const QString kCnp = QStringLiteral("1800101221144");
const QString kDependant = QStringLiteral("2820404221147");
const QString kMonthText = QStringLiteral("200906");
constexpr int kMonth = 200906;

Columns WriteColumns(const AuditedWrite& write) {
  Columns columns;
  for (qsizetype i = 0; i < write.columns.size(); ++i) {
    columns.push_back({write.columns[i], write.values[i]});
  }
  return columns;
}

TableName WriteTable(const AuditedWrite& write) {
  return {QLatin1String(write.database), QLatin1String(write.table)};
}

// One row in every table, so that joins and updates meet data.
void FillOneRowEach() {
  for (const AuditedWrite& write : ScreenAuditedWrites()) {
    ASSERT_EQ(Client().AuditedInsert(WriteTable(write), WriteColumns(write)), 0)
        << write.table << ": " << Shown().LastText().toStdString();
    EXPECT_EQ(Client().LastInsertId(), 1u) << write.table;
  }
}

bool CompanyListAndForm() {
  QWidget parent;
  CListViewEx view(&parent);
  CompanyList list(parent, view, Client(), Shown());
  CompanyCounts counts;
  const std::optional<CompanyRecord> company = LoadCompany(Client(), 1);
  return list.Load() && ComputeCompanyCounts(Client(), kCf, counts) && company &&
         FiscalCodeTaken(Client(), kCf, 1).has_value() && WriteCompany(Client(), *company);
}

bool InsuredForm() {
  const InsuredLoad loaded = LoadInsured(Client(), 1);
  return loaded.outcome == InsuredLoad::Outcome::kRead &&
         ActiveHere(Client(), kCf, kCnp, 1).has_value() &&
         LastLiquidation(Client(), kCf, kCnp).has_value() &&
         ActiveElsewhere(Client(), kCf, kCnp).has_value() &&
         DependantOfActive(Client(), kCnp).has_value() &&
         WriteInsured(Client(), loaded.record, 1, false) && MoveCnp(Client(), kCnp, kCnp);
}

bool InsuredListAndDependants() {
  ListModel list;
  const DependantRecord dependant{1,
                                  kCf,
                                  kCnp,
                                  kDependant,
                                  QStringLiteral("POPESCU"),
                                  QStringLiteral("MARIA"),
                                  QStringLiteral("S")};
  return LoadInsuredList(Client(), kCf, 0, list) && LoadInsuredList(Client(), kCf, 1, list) &&
         LoadInsuredList(Client(), kCf, 2, list) && LoadDependants(Client(), kCf, kCnp, list) &&
         FindActiveByNames(Client(), kCf, QStringLiteral("Ş"), QStringLiteral("I")) &&
         InsuredActiveHere(Client(), kCf, kCnp) == true &&
         DependantTakenBy(Client(), kDependant, 1).has_value() &&
         DependantInsuredSomewhere(Client(), kDependant).has_value() &&
         WriteDependant(Client(), dependant);
}

bool Amounts() {
  const EmployeeAmounts employee{
      1, kCf, kCnp, kMonth, QStringLiteral("1000"), QStringLiteral("55"), QStringLiteral("55")};
  std::optional<EmployerAmounts> employer = LoadEmployerAmounts(Client(), kCf, kMonth);
  ListModel employees;
  const bool read = QueryCompanies(Client()) && QueryEmployees(Client(), kCf, 200907);
  if (read) Client().FillList(employees);
  return read && UpdateEmployeeAmounts(Client(), employee) &&
         EarlierSalary(Client(), 1, 200907).has_value() && employer &&
         WriteEmployerAmounts(Client(), *employer, kMonth) &&
         CopyEarlierAmounts(Client(), employees, kCf, 200907);
}

bool ReportWizard(const QString& folder) {
  const QString cas = QStringLiteral("CASAB");
  bool printed = true;
  for (const PrintedAnnex annex : {PrintedAnnex::k2A, PrintedAnnex::k2B, PrintedAnnex::k2C}) {
    printed = printed && ReadAnnexPrintout(Client(), Shown(), annex, kCf, cas, kMonthText);
  }
  return QueryCompanyHouses(Client(), kCf, kMonth) && QueryMonthHouses(Client(), kMonth) &&
         CountInsured(Client(), kCf, {}, kMonth) == QStringLiteral("1") &&
         CountInsured(Client(), kCf, cas, kMonth) == QStringLiteral("1") &&
         WriteReportFiles(Client(), Shown(), *SplitMonth(kMonthText), kCf, {cas},
                          NamingForm::kByHouse, folder)
                 .outcome == SaveOutcome::kSaved &&
         printed;
}

bool Declarations(const QString& folder) {
  const DeclarationFormValues values{
      QStringLiteral("06"),     QStringLiteral("2009"), QStringLiteral("1"),
      QStringLiteral("22"),     QStringLiteral("500"),  QStringLiteral("5"),
      QStringLiteral("100000"), QStringLiteral("1000"), QStringLiteral("255"),
      QStringLiteral("1000"),   QStringLiteral("9"),    QStringLiteral("264"),
      QStringLiteral("0")};
  return Client().Execute(CompanyDeclarationsStatement(Client(), kCf), 1) == 0 &&
         Client().Execute(DeclarationCertificatesStatement(1), 1) == 0 &&
         NextDeclarationKind(Client(), kCf, kMonth) && LatestDeclaration(Client(), kCf, kMonth) &&
         UpdateDeclaration(Client(), 1, values) && LoadDeclarationTotals(Client(), 1) &&
         DeclarationPresent(Client(), Shown(), 1) &&
         WriteDeclarationFiles(Client(), Shown(), kCf, 1, folder).outcome == FilesOutcome::kSaved;
}

bool Certificates() {
  const std::optional<CertificateDeclaration> declaration = ReadCertificateDeclaration(Client(), 1);
  const std::optional<CertificateValues> values = ReadCertificate(Client(), 1);
  return declaration && values && ProposePerson(Client(), kCf, QStringLiteral("180")) &&
         !CertificateConfirmProblem(Client(), *declaration, *values, 1).IsFailed() &&
         UpdateCertificate(Client(), *declaration, 1, *values);
}

bool ImportLookups() {
  ExternalImportRows rows(kCf);
  const ImportFields previous = {{QStringLiteral("CNP"), kCnp},
                                 {QStringLiteral("ANG"), QStringLiteral("20090101")},
                                 {QStringLiteral("CAT"), QStringLiteral("S")},
                                 {QStringLiteral("PL"), QString()}};
  const std::optional<std::optional<CompanyRecord>> company = FindImportCompany(Client(), kCf);
  // The record of the file is the one already there: found, so refused.
  return company && *company && rows.Read(Client()) && rows.ActiveRecord(kCnp) == 1 &&
         rows.MonthRow(Client(), 1, kMonthText) == 1 &&
         ImportPreviousRecord(Client(), kCf, QStringLiteral("CASAB"), kMonthText, previous).kind ==
             ImportOutcome::Kind::kRejected;
}

bool ChangeAndLiquidation() {
  InsuredRecord entry = LoadInsured(Client(), 1).record;
  entry.intrare = QStringLiteral("20090616");
  return FindActiveByPrefix(Client(), kCf, QStringLiteral("180")) &&
         ActiveRecordsOf(Client(), kCf, kCnp).has_value() &&
         WriteChange(Client(), 1, 20090615, entry) && Liquidate(Client(), kCf, kCnp, 20090630);
}

bool FiscalCodeMove() {
  const QString moved = QStringLiteral("2795207");
  return MoveFiscalCode(Client(), kCf, moved) && MoveFiscalCode(Client(), moved, kCf);
}

// The record the change opened goes first, so that the last record of the CNP takes its
// dependants with it.
bool Deletions() {
  Shown().QueueAnswers({true, true});
  return CanDeleteDeclaration(Client(), 1) == DeclarationDeletion::kLast &&
         DeleteDeclaration(Client(), 1) && DeleteDependant(Client(), 1) &&
         DeleteInsuredRecord(Client(), kCnp, 2) && DeleteInsuredRecord(Client(), kCnp, 1) &&
         DeleteCompanyCascade(Client(), Shown(), kCf, FinalQuestion::kSureSure) ==
             CompanyDeletion::kDeleted;
}

struct Area {
  const char* name;
  std::function<bool()> run;
};

// What the statements must say: the fiscal code and the CNP are text columns, quoted in
// queries, in the move to a new code and in the deletions, and the dependants' count asks
// whether their insured person is active, so a dependant counts once whatever the person's
// records.
const char* const kExpectedFragments[] = {
    "a.cf='13548146'",
    "c.cf='13548146'",
    "UPDATE asigurati.sume SET cf='2795207' WHERE cf='13548146'",
    "DELETE FROM asigurati.coasigurati WHERE asigurati.coasigurati.cnp_asig='1800101221144'",
    "EXISTS (SELECT 1 FROM asigurati.asigurati AS a WHERE a.cnp=c.cnp_asig AND a.iesire=0)",
};

// Every screen's store and query functions, called as the screens call them, on one row per
// table: each statement they send runs on a fresh schema.
TEST(StatementsTest, EveryStatementOfTheScreensRunsOnAFreshSchema) {
  FreshInstall();
  FillOneRowEach();
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const Area areas[] = {
      {"company list, counts and form", CompanyListAndForm},
      {"fiscal code move", FiscalCodeMove},
      {"insured form", InsuredForm},
      {"insured list and dependants", InsuredListAndDependants},
      {"amounts", Amounts},
      {"report wizard and annexes", [&folder] { return ReportWizard(folder.path()); }},
      {"declarations", [&folder] { return Declarations(folder.path()); }},
      {"certificates", Certificates},
      {"import lookups", ImportLookups},
      {"change and liquidation", ChangeAndLiquidation},
      {"deletions", Deletions},
  };
  QStringList sent;
  Client().KeepStatementLog(true);
  for (const Area& area : areas) {
    Client().ClearStatementLog();
    Shown().Clear();
    EXPECT_TRUE(area.run()) << area.name << ": " << Shown().Texts().join(u'|').toStdString();
    EXPECT_FALSE(Client().StatementLog().isEmpty()) << area.name;
    EXPECT_FALSE(Shown().Texts().join(u'|').contains(QStringLiteral("EROARE")))
        << area.name << ": " << Shown().Texts().join(u'|').toStdString();
    sent += Client().StatementLog();
  }
  Client().KeepStatementLog(false);
  const QString all = sent.join(u'\n');
  for (const char* fragment : kExpectedFragments) {
    EXPECT_TRUE(all.contains(QLatin1String(fragment))) << fragment;
  }
  // The deletions at the end found the rows the screens had built.
  EXPECT_EQ(Count(QStringLiteral("asigurati.societati")), 0);
  EXPECT_EQ(Count(QStringLiteral("concedii.concedii")), 0);
}

// Inserts that leave columns out, updates that copy the old row into the audit table, and
// values stored whole: every audited write of the screens, on every table it touches.
TEST(StatementsTest, AuditedWritesOfTheScreensStoreWholeValuesAndKeepTheirHistory) {
  FreshInstall();
  FillOneRowEach();
  for (const AuditedWrite& write : ScreenAuditedWrites()) {
    const QString table = QLatin1String(write.database) + u'.' + QLatin1String(write.table);
    const QStringList stored = Cells(QStringLiteral("SELECT ") + write.columns.join(u',') +
                                     QStringLiteral(" FROM ") + table);
    EXPECT_EQ(stored, write.values) << write.table;
    Shown().Clear();
    ASSERT_EQ(Client().AuditedUpdate(1, WriteTable(write), WriteColumns(write)), 0)
        << Shown().LastText().toStdString();
    ASSERT_EQ(Client().AuditedDelete(1, WriteTable(write)), 0) << Shown().LastText().toStdString();
    const QString audit =
        QLatin1String(write.database) + QStringLiteral(".zlog_") + QLatin1String(write.table);
    EXPECT_EQ(
        Value(QStringLiteral("SELECT GROUP_CONCAT(znew_op ORDER BY znew_index) FROM ") + audit),
        QStringLiteral("M,D"))
        << write.table;
    EXPECT_EQ(Value(QStringLiteral("SELECT COUNT(*) FROM ") + audit +
                    QStringLiteral(" WHERE zz_data IS NOT NULL AND `index`=1")),
              QStringLiteral("2"))
        << write.table;
  }
}

}  // namespace
