// The employees' amounts of a company with 20,000 employees in the report month: a quarter
// with amounts in the month, half with an earlier month only, the rest without any.
// Selecting it in step 2 (query, list, colours, caption, totals); the totals after one F6;
// and F8 over the rest against the same per-row statements (SELECT, INSERT, ZZ_CONT
// update) sent through the raw C API. The medians and their ratio are printed at the end.
#include <benchmark/benchmark.h>
#include <mysql.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <cstdio>

#include "health/amounts/amounts_checks.h"
#include "health/amounts/amounts_store.h"
#include "screens/health/c_employee_amounts_dialog.h"
#include "store/c_client.h"
#include "store/database_thread.h"
#include "store/grouped_flushes.h"
#include "store/schema/schema.h"
#include "ui/c_list_view_ex.h"
#include "ui/modal.h"

#include "bench_server.h"
#include "console_prompter.h"
#include "register_codes.h"

namespace {

constexpr int kMonth = 200906;
constexpr int kEarlierMonth = 200905;
constexpr int kSmallCompanies = 20;
constexpr int kSmallEmployees = 50;
constexpr int kLargeEmployees = 20000;
constexpr int kLargeRow = kSmallCompanies;  // the large company is the last one listed
constexpr int kToCopy = kLargeEmployees * 3 / 4;

// F8 asks first: the benchmark answers yes.
class YesPrompter : public ConsolePrompter {
 protected:
  bool AskQuestion(const QString&, const QString&, Icon) override { return true; }
};

YesPrompter prompter;
CClient* client = nullptr;
std::vector<double> copyTimes;
std::vector<double> rawTimes;

void Run(const QString& sql) {
  if (client->Execute(sql) != 0) std::printf("set-up failed: %s\n", sql.toUtf8().constData());
}

void Fill() {
  for (int company = 0; company <= kSmallCompanies; ++company) {
    Run(QStringLiteral("INSERT INTO asigurati.societati (cf, denumire, ziua_lic, jud, sect) VALUES "
                       "('%1', 'SOCIETATEA %2 SRL', 10, 'MB', 1)")
            .arg(CompanyCode(company))
            .arg(company, 3, 10, QLatin1Char('0')));
    const int employees = company == kLargeRow ? kLargeEmployees : kSmallEmployees;
    for (int first = 0; first < employees; first += 1000) {
      QStringList rows;
      for (int person = first; person < std::min(employees, first + 1000); ++person) {
        const int exit = person % 10 == 9 ? 20090615 : 0;
        const int hired = person % 20 == 3 ? 20090610 : 20050101;
        rows.append(QStringLiteral("('%1','CASAB','%2','POPESCU','ION %3',%4,%5,'S')")
                        .arg(CompanyCode(company))
                        .arg(1700000000000LL + company * 100000LL + person)
                        .arg(person)
                        .arg(hired)
                        .arg(exit));
      }
      Run(QStringLiteral("INSERT INTO asigurati.asigurati (cf, cas, cnp, nume, prenume, intrare, "
                         "iesire, forma) VALUES ") +
          rows.join(u','));
    }
  }
  // person % 4: 0 amounts in the month, 1 and 2 an earlier month only, 3 none.
  Run(QStringLiteral("INSERT INTO asigurati.sume (id_cnp, cf, cnp, luna, salariu, asig_datorat, "
                     "asig_virat) SELECT a.index, a.cf, a.cnp, %1, 2000, 110, 110 FROM "
                     "asigurati.asigurati a WHERE a.cf='%2' AND MOD(a.index, 4) = 0")
          .arg(kMonth)
          .arg(CompanyCode(kLargeRow)));
  Run(QStringLiteral("INSERT INTO asigurati.sume (id_cnp, cf, cnp, luna, salariu, asig_datorat, "
                     "asig_virat) SELECT a.index, a.cf, a.cnp, %1, 1500.5, 83, 83 FROM "
                     "asigurati.asigurati a WHERE a.cf='%2' AND MOD(a.index, 4) IN (1, 2)")
          .arg(kEarlierMonth)
          .arg(CompanyCode(kLargeRow)));
}

QString Caption(QDialog& step) {
  return step.findChild<QLabel*>(QStringLiteral("employeesCaption"))->text();
}

void SelectLargeCompany(benchmark::State& state) {
  CEmployeeAmountsDialog step(nullptr, *client, prompter, kMonth);
  step.show();
  for (auto _ : state) {
    state.PauseTiming();
    step.Companies().SelectRow(0);
    state.ResumeTiming();
    step.Companies().SelectRow(kLargeRow);
  }
  if (Caption(step) != QStringLiteral("Angajati existenti: %1").arg(kLargeEmployees)) {
    state.SkipWithError("the large company's employees were not listed");
  }
}
BENCHMARK(SelectLargeCompany)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(21)
    ->ReportAggregatesOnly(true);

// The employees' query alone, kept as the client's result: the server's share of the above.
void EmployeesQueryAlone(benchmark::State& state) {
  for (auto _ : state) {
    if (!QueryEmployees(*client, CompanyCode(kLargeRow), kMonth)) state.SkipWithError("failed");
  }
  if (client->RowCount() != kLargeEmployees) state.SkipWithError("wrong count of employees");
}
BENCHMARK(EmployeesQueryAlone)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(21)
    ->ReportAggregatesOnly(true);

// Step 2 on the large company with its first employee selected; F6 saves a salary of 2000.
class ModifyFirstEmployee {
 public:
  ModifyFirstEmployee() : step_(nullptr, *client, prompter, kMonth) {
    step_.show();
    step_.Companies().SelectRow(kLargeRow);
    step_.Employees().SelectRow(0);
    SetModalDriver([](QDialog& form) {
      form.findChild<QLineEdit*>(QStringLiteral("salariu"))->setText(QStringLiteral("2000"));
      form.accept();
    });
  }
  ~ModifyFirstEmployee() { SetModalDriver(nullptr); }
  CEmployeeAmountsDialog& Step() { return step_; }

 private:
  CEmployeeAmountsDialog step_;
};

// The totals over the 20,000 rows, as recomputed after the F6 form saved.
void TotalsAfterOneModify(benchmark::State& state) {
  ModifyFirstEmployee modify;
  for (auto _ : state) {
    state.PauseTiming();
    modify.Step().ModifySelectedEmployee();  // the form, its write and the totals
    state.ResumeTiming();
    const TotalsTexts totals =
        FormatTotals(SumEmployeeAmounts(modify.Step().Employees().Model()), kMonth);
    benchmark::DoNotOptimize(totals);
  }
  if (modify.Step().findChild<QLabel*>(QStringLiteral("fund"))->text().isEmpty()) {
    state.SkipWithError("no totals shown");
  }
}
BENCHMARK(TotalsAfterOneModify)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(41)
    ->ReportAggregatesOnly(true);

// The whole F6: the form opened on the row, the salary saved, the row and the totals shown.
void WholeModify(benchmark::State& state) {
  ModifyFirstEmployee modify;
  for (auto _ : state) modify.Step().ModifySelectedEmployee();
}
BENCHMARK(WholeModify)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(21)
    ->ReportAggregatesOnly(true);

// Removes what a copy inserted: the month keeps only the quarter that had it before.
void UndoCopy() {
  Run(QStringLiteral("DELETE FROM asigurati.sume WHERE luna=%1 AND MOD(id_cnp, 4) <> 0")
          .arg(kMonth));
}

int MonthRows() {
  // Set-up of the measured rows: a failure shows in the timings, not here.
  static_cast<void>(client->Execute(
      QStringLiteral("SELECT COUNT(*) AS n FROM asigurati.sume WHERE luna=%1").arg(kMonth), 1));
  return client->GetField(0, QStringLiteral("N")).toInt();
}

void CopyFromEarlierMonths(benchmark::State& state) {
  CEmployeeAmountsDialog step(nullptr, *client, prompter, kMonth);
  step.show();
  for (auto _ : state) {
    state.PauseTiming();
    UndoCopy();
    step.Companies().SelectRow(0);
    step.Companies().SelectRow(kLargeRow);
    QElapsedTimer timer;
    timer.start();
    state.ResumeTiming();
    step.CopyFromEarlierMonths();
    state.PauseTiming();
    copyTimes.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    if (MonthRows() != kLargeEmployees) state.SkipWithError("not every employee was filled");
    state.ResumeTiming();
  }
}
BENCHMARK(CopyFromEarlierMonths)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

bool Query(MYSQL* mysql, const QByteArray& sql) {
  return mysql_real_query(mysql, sql.constData(), static_cast<unsigned long>(sql.size())) == 0;
}

// The same statements per row, through the C API alone: the latest earlier month, the
// insert and its account mark.
void RawCApiCopy(benchmark::State& state) {
  MYSQL* mysql = client->NativeHandle();
  QByteArray rows;
  for (auto _ : state) {
    state.PauseTiming();
    UndoCopy();
    // Set-up of the measured rows: a failure shows in the timings, not here.
    static_cast<void>(
        client->Execute(QStringLiteral("SELECT a.index, a.cnp FROM asigurati.asigurati a LEFT JOIN "
                                       "asigurati.sume s ON s.id_cnp=a.index AND s.luna=%1 WHERE "
                                       "a.cf='%2' AND s.luna IS NULL")
                            .arg(kMonth)
                            .arg(CompanyCode(kLargeRow)),
                        1));
    std::vector<std::pair<QByteArray, QByteArray>> persons;
    for (int row = 0; row < client->RowCount(); ++row) {
      persons.emplace_back(client->GetField(row, QStringLiteral("INDEX")).toLatin1(),
                           client->GetField(row, QStringLiteral("CNP")).toLatin1());
    }
    QElapsedTimer timer;
    timer.start();
    state.ResumeTiming();
    {
      // As the program runs it: on the database thread, the log flushed once a second.
      const GroupedFlushes flushes(*client);
      RunOnDatabaseThread([&] {
        for (const auto& [index, cnp] : persons) {
          if (!Query(mysql, "SELECT * FROM asigurati.sume AS s WHERE s.id_cnp=" + index +
                                " AND s.luna<200906 ORDER BY s.luna DESC LIMIT 1")) {
            state.SkipWithError(mysql_error(mysql));
            return;
          }
          MYSQL_RES* result = mysql_store_result(mysql);
          QByteArray salary = "0";
          if (MYSQL_ROW row = mysql_fetch_row(result)) salary = row[5];
          mysql_free_result(result);
          const QByteArray owed = QByteArray::number(Contribution(salary.toDouble(), 5.5));
          Query(mysql,
                "insert into ASIGURATI.SUME (`ID_CNP`, `CF`, `CNP`, `LUNA`, `SALARIU`, "
                "`ASIG_DATORAT`, `ASIG_VIRAT`) values ('" +
                    index + "', '" + CompanyCode(kLargeRow).toLatin1() + "', '" + cnp +
                    "', '200906', '" + salary + "', '" + owed + "', '" + owed + "')");
          Query(mysql, "update ASIGURATI.SUME set `ZZ_CONT`='' where `index`='" +
                           QByteArray::number(mysql_insert_id(mysql)) + "'");
        }
      });
    }
    state.PauseTiming();
    rawTimes.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    if (MonthRows() != kLargeEmployees) state.SkipWithError("not every employee was filled");
    state.ResumeTiming();
  }
}
BENCHMARK(RawCApiCopy)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const int status = RunBenchmarksOnServer(argc, argv, prompter, [](CClient& theClient) {
    client = &theClient;
    UpgradeSchema(theClient);
    Fill();
  });
  const double copy = Median(copyTimes);
  const double raw = Median(rawTimes);
  std::printf("F8 over %d employees: median %.0f ms; raw C API: median %.0f ms; ratio %.2f\n",
              kToCopy, copy, raw, raw > 0 ? copy / raw : 0.0);
  return status;
}
