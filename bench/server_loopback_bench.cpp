// The same register on the embedded server and on a MariaDB server over a loopback
// connection, in one run: the company-selection counts and the list of a company of 20,000
// insured persons, each on both. The server is started by the benchmark on a temporary data
// folder (mariadb-server-core), as the server tests do.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

#include "companies/company_counts.h"
#include "health/register/insured_list_store.h"
#include "mariadb_server.h"
#include "store/c_client.h"
#include "store/list_model.h"
#include "store/schema/schema.h"

#include "console_prompter.h"
#include "register_codes.h"

namespace {

constexpr int kCompanies = 200;
constexpr int kLarge = 117;
constexpr int kLargeInsured = 20000;
constexpr int kOtherInsured = 50;

ConsolePrompter prompter;
CClient* embedded = nullptr;
CClient* loopback = nullptr;

void Fill(CClient& client) {
  UpgradeSchema(client);
  QStringList companies;
  for (int company = 0; company < kCompanies; ++company) {
    companies
        << QStringLiteral("('%1','SOCIETATEA %2 SRL')").arg(CompanyCode(company)).arg(company);
  }
  // Set-up of the measured rows: a failure shows in the timings, not here.
  static_cast<void>(
      client.Execute(QStringLiteral("INSERT INTO asigurati.societati (cf, denumire) VALUES ") +
                     companies.join(u',')));
  for (int company = 0; company < kCompanies; ++company) {
    const int persons = company == kLarge ? kLargeInsured : kOtherInsured;
    for (int first = 0; first < persons; first += 1000) {
      QStringList rows;
      for (int person = first; person < std::min(persons, first + 1000); ++person) {
        rows << QStringLiteral("('%1','CASMB','%2','POP%3','ION',20050101,%4,'S')")
                    .arg(CompanyCode(company), PersonCode(company, person))
                    .arg(person % 997)
                    .arg(person % 4 == 3 ? 20081231 : 0);
      }
      // Set-up of the measured rows: a failure shows in the timings, not here.
      static_cast<void>(client.Execute(
          QStringLiteral("INSERT INTO asigurati.asigurati (cf, cas, cnp, nume, prenume, "
                         "intrare, iesire, forma) VALUES ") +
          rows.join(u',')));
    }
  }
}

CClient& On(const benchmark::State& state) { return state.range(0) == 0 ? *embedded : *loopback; }

void Counts(benchmark::State& state) {
  state.SetLabel(state.range(0) == 0 ? "embedded" : "loopback");
  CompanyCounts counts;
  for (auto _ : state) {
    if (!ComputeCompanyCounts(On(state), CompanyCode(kLarge), counts)) {
      state.SkipWithError("a count query failed");
    }
  }
  if (counts.active != QString::number(kLargeInsured * 3 / 4)) {
    state.SkipWithError("wrong count of active insured persons");
  }
}
BENCHMARK(Counts)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(21)
    ->ReportAggregatesOnly(true);

void InsuredList(benchmark::State& state) {
  state.SetLabel(state.range(0) == 0 ? "embedded" : "loopback");
  ListModel list;
  for (auto _ : state) {
    if (!LoadInsuredList(On(state), CompanyCode(kLarge), 0, list)) {
      state.SkipWithError("the list query failed");
    }
  }
  if (list.RowCount() != kLargeInsured) state.SkipWithError("wrong number of rows");
}
BENCHMARK(InsuredList)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(11)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QTemporaryDir folder;
  QDir::setCurrent(folder.path());
  CClient embeddedClient(&prompter);
  if (embeddedClient.Connect() != 0) return 1;
  MariadbServer server;
  const QString failed = server.Start();
  if (!failed.isEmpty()) {
    std::printf("%s\n", failed.toUtf8().constData());
    return 1;
  }
  QDir::setCurrent(server.Workstation(QStringLiteral("bench")));
  CClient loopbackClient(&prompter);
  if (loopbackClient.Connect() != 0) return 1;
  embedded = &embeddedClient;
  loopback = &loopbackClient;
  Fill(embeddedClient);
  Fill(loopbackClient);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  loopbackClient.Disconnect();
  embeddedClient.Disconnect();
  return 0;
}
