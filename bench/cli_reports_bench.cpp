// The month-end command over a whole register: 200 companies of 100 insured persons each,
// spread over three houses, with a month of amounts (a tenth of the persons without) and the
// employers' amounts. "rapoarte" for every company (the command's body, in this process,
// on the same server) is measured against the health files' own figure for one company
// (the wizard's save of all its houses) times 200, in the same run.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

#include "cli/cli_console.h"
#include "cli/cli_reports.h"
#include "health/annexes/annex_save.h"
#include "store/c_client.h"
#include "store/schema/schema.h"

#include "bench_server.h"
#include "console_prompter.h"
#include "median_reporter.h"
#include "register_codes.h"

namespace {

constexpr int kCompanies = 200;
constexpr int kInsured = 100;
constexpr int kMonth = 200907;
const QStringList kHouses = {"CASAB", "CAS_B", "CASCJ"};

ConsolePrompter prompter;
CClient* client = nullptr;
QTemporaryDir* folder = nullptr;

void Fill() {
  QStringList companies;
  QStringList persons;
  QStringList employers;
  for (int company = 0; company < kCompanies; ++company) {
    const QString cf = CompanyCode(company);
    companies.append(QStringLiteral("('%1', 'SOCIETATEA %2 SRL', 'J40/%2/2003', 'POPESCU ION')")
                         .arg(cf)
                         .arg(company));
    employers.append(QStringLiteral("('%1', %2, 5200, 5200)").arg(cf).arg(kMonth));
    for (int person = 0; person < kInsured; ++person) {
      persons.append(QStringLiteral("('%1','%2','%3','POPESCU%4','ŞTEFAN',20050101,0,'S')")
                         .arg(cf, kHouses[person % kHouses.size()], PersonCode(company, person))
                         .arg(person));
    }
  }
  InsertRows(
      *client,
      QStringLiteral("INSERT INTO asigurati.societati (cf, denumire, reg_com, repr) VALUES "),
      companies);
  InsertRows(
      *client,
      QStringLiteral("INSERT INTO asigurati.asigurati (cf, cas, cnp, nume, prenume, intrare, "
                     "iesire, forma) VALUES "),
      persons);
  // Set-up of the measured rows: a failure shows in the timings, not here.
  static_cast<void>(client->Execute(
      QStringLiteral(
          "INSERT INTO asigurati.sume (id_cnp, cf, cnp, luna, salariu, asig_datorat, asig_virat) "
          "SELECT `index`, cf, cnp, %1, 1000, 55.5, 54.5 FROM asigurati.asigurati WHERE `index` % "
          "10 <> 0")
          .arg(kMonth)));
  InsertRows(
      *client,
      QStringLiteral("INSERT INTO asigurati.sume_societati (cf, luna, datorat, virat) VALUES "),
      employers);
}

QString Output(const char* name) {
  const QString path = folder->filePath(QLatin1String(name));
  QDir().mkpath(path);
  return path;
}

// The health files' figure: the wizard's save of one company's three houses, nine files,
// a different company each time.
void OneCompany(benchmark::State& state) {
  const QString out = Output("one");
  int company = 0;
  for (auto _ : state) {
    if (WriteReportFiles(*client, prompter, *SplitMonth(QString::number(kMonth)),
                         CompanyCode(company), kHouses, NamingForm::kByHouse, out)
            .outcome != SaveOutcome::kSaved) {
      state.SkipWithError("the files were not saved");
    }
    company = (company + 1) % kCompanies;
  }
}

// The command for every company: houses found, amounts looked at, files written, summary.
void EveryCompany(benchmark::State& state) {
  const ReportsRequest request{kMonth, {}, NamingForm::kByHouse, false, false, Output("all")};
  std::FILE* discard = std::fopen("/dev/null", "w");
  Console console(discard, discard);
  CollectingPrompter shown;
  for (auto _ : state) {
    if (RunReports(*client, shown, console, request) != 0) {
      state.SkipWithError("the command did not write every company's files");
    }
  }
  std::fclose(discard);
  state.counters["files"] = static_cast<double>(QDir(request.folder).count() - 2);
}

// The medians of the CPU time as well: on a machine shared with other work the wall time of
// two runs taken apart also measures what the others did meanwhile.
MedianReporter::Medians cpuMedians;

class WallAndCpuReporter : public MedianReporter {
 public:
  using MedianReporter::MedianReporter;
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.aggregate_name == "median") {
        cpuMedians[run.run_name.function_name] = run.GetAdjustedCPUTime();
      }
    }
    MedianReporter::ReportRuns(runs);
  }
};

void Ratio(const char* kind, const MedianReporter::Medians& medians) {
  const double one = MedianReporter::Median(medians, "OneCompany");
  const double all = MedianReporter::Median(medians, "EveryCompany");
  if (one <= 0 || all <= 0) return;
  const double parts = one * kCompanies;
  const int files = kCompanies * static_cast<int>(kHouses.size()) * 3;
  std::printf(
      "rapoarte for %d companies, %s time: median %.0f ms, %.0f files/s; one company %.2f ms x "
      "%d = %.0f ms; ratio %.2f (%s 1.1)\n",
      kCompanies, kind, all, files / (all / 1000.0), one, kCompanies, parts, all / parts,
      all / parts <= 1.1 ? "within" : "OVER");
}

void Summary(const MedianReporter::Medians& medians) {
  Ratio("wall", medians);
  Ratio("CPU", cpuMedians);
}

}  // namespace

int main(int argc, char** argv) {
  QTemporaryDir output;
  folder = &output;
  WallAndCpuReporter reporter(Summary);
  // The repetitions of the two alternate, so that both meet the same load of the machine.
  std::vector<char*> arguments(argv, argv + argc);
  char interleaving[] = "--benchmark_enable_random_interleaving=true";
  arguments.insert(arguments.begin() + 1, interleaving);
  return RunBenchmarksOnServer(
      static_cast<int>(arguments.size()), arguments.data(), prompter,
      [](CClient& theClient) {
        client = &theClient;
        UpgradeSchema(theClient);
        Fill();
        benchmark::RegisterBenchmark("OneCompany", OneCompany)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(kCompanies)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true);
        benchmark::RegisterBenchmark("EveryCompany", EveryCompany)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true);
      },
      &reporter);
}
