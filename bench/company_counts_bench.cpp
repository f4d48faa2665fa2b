// The health screen's selection change: picking a company recomputes its four counts. The
// register holds 200 companies; one of them employs 20,000 insured persons (a quarter of
// them liquidated) with 2,000 co-insured dependants, the others 50 persons each.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>

#include "common/code_lists.h"
#include "companies/company_counts.h"
#include "screens/health/c_health_dialog.h"
#include "store/c_client.h"
#include "store/schema/schema.h"
#include "ui/c_list_view_ex.h"

#include "bench_server.h"
#include "console_prompter.h"
#include "register_codes.h"

namespace {

constexpr int kCompanies = 200;
constexpr int kLargeCompany = 117;  // its row in the list
constexpr int kLargeInsured = 20000;
constexpr int kLargeDependants = 2000;
constexpr int kSmallInsured = 50;

ConsolePrompter prompter;
CClient* client = nullptr;

void Fill() {
  QStringList companies;
  for (int company = 0; company < kCompanies; ++company) {
    companies.append(QStringLiteral("('%1','SOCIETATEA %2 SRL',10,'MB',1)")
                         .arg(CompanyCode(company))
                         .arg(company));
  }
  // Set-up of the measured rows: a failure shows in the timings, not here.
  static_cast<void>(client->Execute(
      QStringLiteral(
          "INSERT INTO asigurati.societati (cf, denumire, ziua_lic, jud, sect) VALUES ") +
      companies.join(u',')));
  for (int company = 0; company < kCompanies; ++company) {
    const int persons = company == kLargeCompany ? kLargeInsured : kSmallInsured;
    for (int first = 0; first < persons; first += 1000) {
      QStringList rows;
      for (int person = first; person < std::min(persons, first + 1000); ++person) {
        const int exit = person % 4 == 3 ? 20081231 : 0;
        rows.append(QStringLiteral("('%1','%2','%3','POPESCU','ION',20050101,%4,'S')")
                        .arg(CompanyCode(company),
                             HouseCode(person % kHouseCount, HouseList::kRegister),
                             PersonCode(company, person))
                        .arg(exit));
      }
      // Set-up of the measured rows: a failure shows in the timings, not here.
      static_cast<void>(
          client->Execute(QStringLiteral("INSERT INTO asigurati.asigurati (cf, cas, cnp, nume, "
                                         "prenume, intrare, iesire, forma) VALUES ") +
                          rows.join(u',')));
    }
  }
  QStringList dependants;
  for (int dependant = 0; dependant < kLargeDependants; ++dependant) {
    dependants.append(QStringLiteral("('%1','%2','%3','POPESCU','ANA','S')")
                          .arg(CompanyCode(kLargeCompany), PersonCode(999, dependant),
                               PersonCode(kLargeCompany, dependant * 7)));
  }
  // Set-up of the measured rows: a failure shows in the timings, not here.
  static_cast<void>(
      client->Execute(QStringLiteral("INSERT INTO asigurati.coasigurati (cf, cnp, cnp_asig, nume, "
                                     "prenume, tip) VALUES ") +
                      dependants.join(u',')));
}

// Selecting the large company after a small one, as a user moving through the list does.
void SelectLargeCompany(benchmark::State& state) {
  CHealthDialog panel(nullptr, client, &prompter);
  CListViewEx& list = panel.CompaniesView();
  if (list.RowCount() != kCompanies) state.SkipWithError("the companies were not listed");
  for (auto _ : state) {
    state.PauseTiming();
    list.SelectRow(kLargeCompany - 1);
    state.ResumeTiming();
    list.SelectRow(kLargeCompany);
  }
  const auto* active = panel.findChild<QLabel*>(QStringLiteral("active"));
  if (active == nullptr || active->text() != QString::number(kLargeInsured * 3 / 4)) {
    state.SkipWithError("wrong count of active insured persons");
  }
}
BENCHMARK(SelectLargeCompany)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(41)
    ->ReportAggregatesOnly(true);

// The four count queries alone, without the screen.
void CountsOfTheLargeCompany(benchmark::State& state) {
  CompanyCounts counts;
  for (auto _ : state) {
    if (!ComputeCompanyCounts(*client, CompanyCode(kLargeCompany), counts)) {
      state.SkipWithError("a count query failed");
    }
  }
  // Persons 3, 7, 11, ... are liquidated, and with them the houses only they hold and a
  // quarter of the dependants' insured persons.
  const QStringList expected = {
      QString::number(kHouseCount * 3 / 4), QString::number(kLargeInsured * 3 / 4),
      QString::number(kLargeInsured / 4), QString::number(kLargeDependants * 3 / 4)};
  if (QStringList({counts.houses, counts.active, counts.liquidated, counts.dependants}) !=
      expected) {
    const QString shown =
        QStringList({counts.houses, counts.active, counts.liquidated, counts.dependants})
            .join(u' ');
    state.SkipWithError(("wrong counts: " + shown.toStdString()).c_str());
  }
}
BENCHMARK(CountsOfTheLargeCompany)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(41)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  return RunBenchmarksOnServer(argc, argv, prompter, [](CClient& theClient) {
    client = &theClient;
    UpgradeSchema(theClient);
    Fill();
  });
}
