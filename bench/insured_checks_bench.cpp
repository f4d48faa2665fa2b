// The database checks of the insured form (active here, last liquidation, active at another
// company, co-insured dependant) and one keystroke of the liquidation form's search, on a
// register of 200 companies: one employs 20,000 persons (a quarter liquidated) with 2,000
// co-insured dependants, the others 30,000 together; a fifth of the large company's persons
// are also employed elsewhere.
#include <benchmark/benchmark.h>
#include <mysql.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "health/register/insured_store.h"
#include "screens/health/c_liquidate_dialog.h"
#include "store/c_client.h"
#include "store/database_thread.h"
#include "store/schema/schema.h"
#include "ui/c_edit_ex.h"

#include "bench_server.h"
#include "console_prompter.h"
#include "register_codes.h"

namespace {

constexpr int kCompanies = 200;
constexpr int kLarge = 117;
constexpr int kLargeInsured = 20000;
constexpr int kLargeDependants = 2000;
constexpr int kOthersInsured = 30000;
// Liquidated at the large company, active at two others, co-insured dependant of a person
// active at a third one.
constexpr int kChosenPerson = 15;

ConsolePrompter prompter;
CClient* client = nullptr;

QString ChosenCnp() { return PersonCode(kLarge, kChosenPerson); }

// Another company for the n-th shared or own record of the small companies.
int SmallCompany(int n) {
  const int company = n % (kCompanies - 1);
  return company >= kLarge ? company + 1 : company;
}

QString InsuredRow(int company, const QString& cnp, int exit) {
  return QStringLiteral("('%1','CASAB','%2','POPESCU','ION',20050101,%3,'S')")
      .arg(CompanyCode(company), cnp)
      .arg(exit);
}

void InsertInsured(const QStringList& rows) {
  for (qsizetype first = 0; first < rows.size(); first += 1000) {
    (void)client->Execute(QStringLiteral("INSERT INTO asigurati.asigurati (cf, cas, cnp, nume, "
                                         "prenume, intrare, iesire, forma) VALUES ") +
                          rows.mid(first, 1000).join(u','));
  }
}

void Fill() {
  QStringList companies;
  for (int company = 0; company < kCompanies; ++company) {
    companies.append(QStringLiteral("('%1','SOCIETATEA %2 SRL',10,'MB',1)")
                         .arg(CompanyCode(company))
                         .arg(company));
  }
  (void)client->Execute(
      QStringLiteral(
          "INSERT INTO asigurati.societati (cf, denumire, ziua_lic, jud, sect) VALUES ") +
      companies.join(u','));
  QStringList rows;
  for (int person = 0; person < kLargeInsured; ++person) {
    rows.append(InsuredRow(kLarge, PersonCode(kLarge, person), person % 4 == 3 ? 20081231 : 0));
  }
  int others = 0;
  for (int person = 0; person < kLargeInsured; person += 5, ++others) {
    rows.append(InsuredRow(SmallCompany(person), PersonCode(kLarge, person), 0));
  }
  rows.append(InsuredRow(SmallCompany(kChosenPerson + 1), ChosenCnp(), 0));
  ++others;
  for (int n = 0; others < kOthersInsured; ++n, ++others) {
    rows.append(
        InsuredRow(SmallCompany(n), PersonCode(SmallCompany(n), n), n % 4 == 3 ? 20081231 : 0));
  }
  InsertInsured(rows);
  QStringList dependants;
  for (int dependant = 0; dependant < kLargeDependants; ++dependant) {
    dependants.append(QStringLiteral("('%1','%2','%3','POPESCU','ANA','S')")
                          .arg(CompanyCode(kLarge), PersonCode(999, dependant),
                               PersonCode(kLarge, dependant * 7)));
  }
  dependants.append(QStringLiteral("('%1','%2','%3','POPESCU','ANA','S')")
                        .arg(CompanyCode(4), ChosenCnp(), PersonCode(SmallCompany(4), 4)));
  (void)client->Execute(QStringLiteral("INSERT INTO asigurati.coasigurati (cf, cnp, cnp_asig, "
                                       "nume, prenume, tip) VALUES ") +
                        dependants.join(u','));
}

// Checks 6 to 9 as the insured form runs them for a new record of the chosen person.
bool RunChecks() {
  const QString cf = CompanyCode(kLarge);
  const QString cnp = ChosenCnp();
  const auto here = ActiveHere(*client, cf, cnp, 0);
  const auto last = LastLiquidation(*client, cf, cnp);
  const auto elsewhere = ActiveElsewhere(*client, cf, cnp);
  const auto dependant = DependantOfActive(*client, cnp);
  return here && !*here && last == 20081231 && elsewhere && elsewhere->found && dependant &&
         dependant->found;
}

void InsuredFormChecks(benchmark::State& state) {
  for (auto _ : state) {
    if (!RunChecks()) state.SkipWithError("the checks did not find the chosen person");
  }
}
BENCHMARK(InsuredFormChecks)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

// The same four statements sent straight to the server, each result taken and freed.
QList<QByteArray> CheckStatements(bool quoted) {
  const QString cf = quoted ? client->Text(CompanyCode(kLarge)).Literal() : CompanyCode(kLarge);
  const QString cnp = quoted ? client->Text(ChosenCnp()).Literal() : ChosenCnp();
  const QString statements[] = {
      QStringLiteral("SELECT * FROM asigurati.asigurati AS a WHERE a.cnp=%1 AND a.iesire=0 AND "
                     "a.cf=%2"),
      QStringLiteral("SELECT * FROM asigurati.asigurati AS a WHERE a.cnp=%1 AND a.iesire>0 AND "
                     "a.cf=%2 ORDER BY a.iesire DESC LIMIT 1"),
      QStringLiteral("SELECT a.cnp, a.forma, s.denumire FROM asigurati.asigurati AS a LEFT JOIN "
                     "asigurati.societati AS s ON a.cf=s.cf WHERE a.cnp=%1 AND a.iesire=0 AND "
                     "a.cf<>%2"),
      QStringLiteral("SELECT c.cnp, a.nume, a.prenume, s.denumire FROM asigurati.coasigurati AS "
                     "c LEFT JOIN asigurati.asigurati AS a ON c.cnp_asig=a.cnp LEFT JOIN "
                     "asigurati.societati AS s ON c.cf=s.cf WHERE c.cnp=%1 AND a.iesire=0")};
  QList<QByteArray> sql;
  for (const QString& statement : statements) sql.append(statement.arg(cnp, cf).toUtf8());
  return sql;
}

void SendRaw(benchmark::State& state, const QList<QByteArray>& statements) {
  for (auto _ : state) {
    // The raw statements run where the program sends its own: on the database thread.
    RunOnDatabaseThread([&] {
      for (const QByteArray& sql : statements) {
        if (mysql_real_query(client->NativeHandle(), sql.constData(), sql.size()) != 0) {
          state.SkipWithError(mysql_error(client->NativeHandle()));
        }
        MYSQL_RES* result = mysql_store_result(client->NativeHandle());
        benchmark::DoNotOptimize(result != nullptr ? mysql_num_rows(result) : 0);
        mysql_free_result(result);
      }
    });
  }
}

void InsuredFormChecksRaw(benchmark::State& state) { SendRaw(state, CheckStatements(true)); }
BENCHMARK(InsuredFormChecksRaw)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

// The statements with their codes appended bare: a text column compared with a number
// cannot use its index.
void InsuredFormChecksBareValues(benchmark::State& state) {
  SendRaw(state, CheckStatements(false));
}
BENCHMARK(InsuredFormChecksBareValues)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// One keystroke in the liquidation form's CNP field: the first digits of an active person of
// the large company (the search completes the CNP and shows the person), and digits nobody's
// CNP begins with. The digits before the last one are typed untimed.
void SendKey(QWidget& edit, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(&edit, &press);
}

void LiquidationKeystroke(benchmark::State& state, const QString& digits, bool matches) {
  CLiquidateDialog form(nullptr, *client, prompter, QStringLiteral("SOCIETATEA"),
                        CompanyCode(kLarge));
  auto& cnp = *form.findChild<CEditEx*>(QStringLiteral("cnp"));
  const auto& nume = *form.findChild<QLineEdit*>(QStringLiteral("nume"));
  const auto typeDigit = [&cnp](QChar digit) {
    SendKey(cnp, Qt::Key_0 + digit.digitValue(), QString(digit));
  };
  for (auto _ : state) {
    state.PauseTiming();
    cnp.selectAll();
    SendKey(cnp, Qt::Key_Delete, QString());
    for (const QChar digit : digits.chopped(1)) typeDigit(digit);
    state.ResumeTiming();
    typeDigit(digits.back());
  }
  if (nume.text().isEmpty() == matches || !cnp.text().startsWith(digits)) {
    state.SkipWithError("unexpected search result");
  }
}
BENCHMARK_CAPTURE(LiquidationKeystroke, matching, PersonCode(kLarge, 1234).left(10), true)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(LiquidationKeystroke, not_matching, QStringLiteral("29"), false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(15)
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
