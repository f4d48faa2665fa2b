// The month overview of a register of 200 companies with 20,000 insured persons: the list's
// rows (a few statements over the whole month) against the same statements sent raw through
// the C interface in the same run, and the check whether the written files would differ
// today for the companies whose files were written.
#include <benchmark/benchmark.h>
#include <mysql.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "health/annexes/annex_save.h"
#include "month/month_overview.h"
#include "store/c_client.h"
#include "store/database_thread.h"
#include "store/schema/schema.h"

#include "bench_server.h"
#include "console_prompter.h"
#include "median_reporter.h"
#include "register_codes.h"

namespace {

constexpr int kMonth = 200906;
constexpr int kCompanies = 200;
constexpr int kInsured = 100;      // per company: 20,000 in all
constexpr int kWrittenEvery = 5;   // every fifth company has its files written: 40
constexpr int kDeclaredEvery = 4;  // every fourth company has a declaration: 50
constexpr int kCertificates = 3;   // per declaration
constexpr int kMissingEvery = 10;  // every tenth company has persons without amounts

ConsolePrompter prompter;
CClient* client = nullptr;
QTemporaryDir* folder = nullptr;
QList<QByteArray> statements;  // the overview's statements, as the client sent them

QString House(int person) {
  return person % 2 == 0 ? QStringLiteral("CASAB") : QStringLiteral("CASVL");
}

void FillCompanies() {
  QStringList companies;
  QStringList employers;
  for (int company = 0; company < kCompanies; ++company) {
    companies << QStringLiteral("('%1','SOCIETATEA %2 SRL','J40/%2/2001','POP ION',10,'MB',1)")
                     .arg(CompanyCode(company))
                     .arg(company);
    if (company % 10 != 9) {
      employers << QStringLiteral("('%1',%2,3000,150,150)").arg(CompanyCode(company)).arg(kMonth);
    }
  }
  InsertRows(*client,
             QStringLiteral("INSERT INTO asigurati.societati (cf, denumire, reg_com, repr, "
                            "ziua_lic, jud, sect) VALUES "),
             companies);
  InsertRows(*client,
             QStringLiteral("INSERT INTO asigurati.sume_societati (cf, luna, fond_de_salarii, "
                            "datorat, virat) VALUES "),
             employers);
}

void FillInsured() {
  QStringList insured;
  for (int company = 0; company < kCompanies; ++company) {
    for (int person = 0; person < kInsured; ++person) {
      insured << QStringLiteral("('%1','%2','%3','POPESCU','ION',20050101,0,'S')")
                     .arg(CompanyCode(company), House(person), PersonCode(company, person));
    }
  }
  InsertRows(*client,
             QStringLiteral("INSERT INTO asigurati.asigurati (cf, cas, cnp, nume, prenume, "
                            "intrare, iesire, forma) VALUES "),
             insured);
  // Amounts for everybody but three persons of every tenth company.
  (void)client->Execute(
      QStringLiteral("INSERT INTO asigurati.sume (id_cnp, cf, cnp, luna, asig_datorat, "
                     "asig_virat) SELECT a.index, a.cf, a.cnp, %1, 120, 120 FROM "
                     "asigurati.asigurati AS a WHERE NOT (MOD(a.cf, %2)=0 AND "
                     "MOD(a.cnp, 100000) < 3)")
          .arg(kMonth)
          .arg(kMissingEvery));
}

void FillDeclarations() {
  QStringList declarations;
  for (int company = 0; company < kCompanies; company += kDeclaredEvery) {
    declarations << QStringLiteral("('%1',%2,'NU',0,%3,21)")
                        .arg(CompanyCode(company))
                        .arg(kMonth)
                        .arg(kInsured);
  }
  InsertRows(*client,
             QStringLiteral("INSERT INTO concedii.declaratii (cf, luna, rectificativa, "
                            "rectif_nr, nr_ang, zile_lucratoare) VALUES "),
             declarations);
  (void)client->Execute(
      QStringLiteral("INSERT INTO concedii.concedii (id_declaratie, cf, cnp, nume, prenume, cas, "
                     "cert_serie, cert_numar, cod_indemn, zile_lucratoare, zile_lucrate, "
                     "zile_prestatii, zile_suportate_fnuass, suma_suportata_fnuass) SELECT "
                     "d.index, d.cf, a.cnp, a.nume, a.prenume, a.cas, 'AB', a.cnp, 1, 21, 5, 5, "
                     "2, 200 FROM concedii.declaratii AS d JOIN asigurati.asigurati AS a ON "
                     "a.cf=d.cf WHERE MOD(a.cnp, 100000) < %1")
          .arg(kCertificates));
}

// The health files of every fifth company, written by the wizard's save into a folder.
void WriteFiles() {
  const MonthParts month = *SplitMonth(QString::number(kMonth));
  for (int company = 0; company < kCompanies; company += kWrittenEvery) {
    (void)WriteReportFiles(*client, prompter, month, CompanyCode(company),
                           {QStringLiteral("CASAB"), QStringLiteral("CASVL")}, NamingForm::kByHouse,
                           folder->path());
  }
}

void CheckRows(benchmark::State& state, const std::optional<std::vector<OverviewCompany>>& rows) {
  if (!rows || rows->size() != kCompanies) state.SkipWithError("the overview was not read");
}

// The overview's rows, as the window lists them before the files' check.
void OverviewRows(benchmark::State& state) {
  std::optional<std::vector<OverviewCompany>> rows;
  for (auto _ : state) rows = ReadMonthOverview(*client, kMonth);
  CheckRows(state, rows);
}
BENCHMARK(OverviewRows)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(21)
    ->ReportAggregatesOnly(true);

// The same statements through the C interface, every row and field read.
void RawStatements(benchmark::State& state) {
  MYSQL* mysql = client->NativeHandle();
  bool failed = statements.isEmpty();
  std::size_t fields = 0;
  for (auto _ : state) {
    RunOnDatabaseThread([&] {
      for (const QByteArray& sql : statements) {
        if (mysql_real_query(mysql, sql.constData(), static_cast<unsigned long>(sql.size())) != 0) {
          failed = true;
          return;
        }
        MYSQL_RES* result = mysql_store_result(mysql);
        if (result == nullptr) continue;
        const unsigned width = mysql_num_fields(result);
        while (MYSQL_ROW row = mysql_fetch_row(result)) {
          const unsigned long* lengths = mysql_fetch_lengths(result);
          for (unsigned i = 0; i < width; ++i) fields += row[i] != nullptr ? lengths[i] : 0;
        }
        mysql_free_result(result);
      }
    });
  }
  benchmark::DoNotOptimize(fields);
  if (failed) state.SkipWithError("a statement failed");
}
BENCHMARK(RawStatements)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(21)
    ->ReportAggregatesOnly(true);

// The files of the 40 written companies written again in memory and compared.
void DifferToday(benchmark::State& state) {
  std::optional<std::vector<OverviewCompany>> rows = ReadMonthOverview(*client, kMonth);
  CheckRows(state, rows);
  for (auto _ : state) {
    if (!rows || !CheckDifferToday(*client, prompter, kMonth, *rows)) {
      state.SkipWithError("the check failed");
    }
  }
  // Every written company's files were checked and found as they were written.
  int unchanged = 0;
  for (const OverviewCompany& row : rows.value_or(std::vector<OverviewCompany>{})) {
    if (row.healthDiffers == std::optional<bool>(false)) ++unchanged;
  }
  if (unchanged != kCompanies / kWrittenEvery) state.SkipWithError("wrong files check");
}
BENCHMARK(DifferToday)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void Summary(const MedianReporter::Medians& medians) {
  const double rows = MedianReporter::Median(medians, "OverviewRows");
  const double raw = MedianReporter::Median(medians, "RawStatements");
  const double differ = MedianReporter::Median(medians, "DifferToday");
  if (rows > 0 && raw > 0) {
    std::printf(
        "overview of %d companies, %d insured: rows median %.1f ms (%s 300 ms), raw "
        "statements %.1f ms, ratio %.2f (%s 1.5x); files check of %d written companies "
        "%.1f ms\n",
        kCompanies, kCompanies * kInsured, rows, rows < 300 ? "within" : "OVER", raw, rows / raw,
        rows / raw <= 1.5 ? "within" : "OVER", kCompanies / kWrittenEvery, differ);
  }
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  QTemporaryDir files;
  folder = &files;
  MedianReporter reporter(Summary);
  return RunBenchmarksOnServer(
      argc, argv, prompter,
      [](CClient& theClient) {
        client = &theClient;
        UpgradeSchema(theClient);
        FillCompanies();
        FillInsured();
        FillDeclarations();
        WriteFiles();
        theClient.ClearStatementLog();
        theClient.KeepStatementLog(true);
        (void)ReadMonthOverview(theClient, kMonth);
        theClient.KeepStatementLog(false);
        for (const QString& sql : theClient.StatementLog()) statements << sql.toUtf8();
      },
      &reporter);
}
