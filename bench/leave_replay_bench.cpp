// The medical-leave totals of the last rectification of a busy month: one company's month
// holds 2,000 certificate entries, an initial declaration of 1,000 and five rectifications of
// 200 that modify ("M"), add ("A") and withdraw ("S") certificates. The replay up to the last
// rectification is measured against the raw cost of its own query (the server's answer
// stored and every row walked) in the same run.
#include <benchmark/benchmark.h>
#include <mysql.h>

#include <QApplication>
#include <QHash>

#include "common/number_texts.h"
#include "leave/replay/declaration_totals.h"
#include "leave/replay/rectification_replay.h"
#include "screens/leave/c_leave_declarations_dialog.h"
#include "store/c_client.h"
#include "store/database_thread.h"
#include "store/schema/schema.h"
#include "ui/c_list_view_ex.h"

#include "bench_server.h"
#include "console_prompter.h"

namespace {

constexpr char kCf[] = "12345674";
constexpr int kLuna = 200906;
constexpr int kInitialEntries = 1000;
constexpr int kRectifications = 5;
// Of each rectification's 200 entries: modified, added and withdrawn certificates.
constexpr int kModified = 80;
constexpr int kAdded = 60;
constexpr int kWithdrawn = 60;

ConsolePrompter prompter;
CClient* client = nullptr;
qint64 lastRectification = 0;
double expectedJ = 0;  // kept by a plain model of the month: M sets, A adds, S removes

QString Cnp(int certificate) { return QString::number(1800101000000LL + certificate); }

qint64 AddDeclaration(int number) {
  // Set-up of the measured rows: a failure shows in the timings, not here.
  static_cast<void>(
      client->Execute(QStringLiteral("INSERT INTO concedii.declaratii (cf, luna, rectificativa, "
                                     "rectif_nr, nr_ang, fond_de_salarii, contributii_datorate, "
                                     "faambp_datorat, de_recuperat_anterior) VALUES "
                                     "('%1', %2, '%3', %4, 900, 2700000, 22950, 0, 0)")
                          .arg(QLatin1String(kCf))
                          .arg(kLuna)
                          .arg(number == 0 ? QStringLiteral("NU") : QStringLiteral("DA"))
                          .arg(number)));
  // Set-up of the measured rows: a failure shows in the timings, not here.
  static_cast<void>(client->Execute(QStringLiteral("SELECT LAST_INSERT_ID() AS i"), 1));
  return client->GetField(0, QStringLiteral("I")).toLongLong();
}

// One entry row of the declaration, for certificate number `certificate`.
QString EntryRow(qint64 declaration, const char* type, int certificate, int sum,
                 QHash<int, int>& model) {
  if (type[0] == 'S') {
    model.remove(certificate);
  } else {
    model.insert(certificate, sum);
  }
  return QStringLiteral("(%1,'%2','%3','POPESCU','ION','CASMB','%4','CM','%5',%6,20,18,%7)")
      .arg(declaration)
      .arg(QLatin1String(kCf), Cnp(certificate), QLatin1String(type))
      .arg(certificate)
      .arg(certificate % 15 + 1)
      .arg(sum);
}

void InsertEntries(const QStringList& rows) {
  // Set-up of the measured rows: a failure shows in the timings, not here.
  static_cast<void>(client->Execute(
      QStringLiteral("INSERT INTO concedii.concedii (id_declaratie, cf, cnp, nume, prenume, cas, "
                     "tip_rectif, cert_serie, cert_numar, cod_indemn, zile_prestatii, "
                     "zile_suportate_fnuass, suma_suportata_fnuass) VALUES ") +
      rows.join(u',')));
}

void Fill() {
  // Set-up of the measured rows: a failure shows in the timings, not here.
  static_cast<void>(
      client->Execute(QStringLiteral("INSERT INTO asigurati.societati (cf, denumire) VALUES ('%1', "
                                     "'ALFA SRL')")
                          .arg(QLatin1String(kCf))));
  QHash<int, int> model;
  QStringList rows;
  const qint64 initial = AddDeclaration(0);
  for (int certificate = 0; certificate < kInitialEntries; ++certificate) {
    rows.append(EntryRow(initial, "", certificate, 500 + certificate % 300, model));
  }
  InsertEntries(rows);
  for (int number = 1; number <= kRectifications; ++number) {
    const qint64 declaration = AddDeclaration(number);
    rows.clear();
    const int from = (number - 1) * kModified;
    for (int i = 0; i < kModified; ++i) {
      rows.append(EntryRow(declaration, "M", from + i, 400 + i, model));
    }
    for (int i = 0; i < kAdded; ++i) {
      rows.append(
          EntryRow(declaration, "A", kInitialEntries + (number - 1) * kAdded + i, 300, model));
    }
    // Withdrawals reach back into certificates modified by earlier rectifications too.
    for (int i = 0; i < kWithdrawn; ++i) {
      rows.append(EntryRow(declaration, "S", 2 * i + number, 0, model));
    }
    InsertEntries(rows);
    lastRectification = declaration;
  }
  for (int sum : model) expectedJ += sum;
}

void ReplayUpToTheLastRectification(benchmark::State& state) {
  double j = 0;
  for (auto _ : state) {
    const auto replay = RectificationReplay(*client, QLatin1String(kCf), kLuna, kRectifications);
    j = replay ? replay->benefits : -1;
  }
  if (j != expectedJ) state.SkipWithError("wrong J");
}
BENCHMARK(ReplayUpToTheLastRectification)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void RawQueryOfTheReplay(benchmark::State& state) {
  const QByteArray query =
      MonthCertificatesStatement(*client, QLatin1String(kCf), kLuna, kRectifications).toUtf8();
  my_ulonglong rows = 0;
  for (auto _ : state) {
    // The raw statements run where the program sends its own: on the database thread.
    RunOnDatabaseThread([&] {
      mysql_real_query(client->NativeHandle(), query.constData(), query.size());
      MYSQL_RES* result = mysql_store_result(client->NativeHandle());
      const unsigned fields = mysql_num_fields(result);
      size_t bytes = 0;
      rows = 0;
      while (MYSQL_ROW row = mysql_fetch_row(result)) {
        const unsigned long* lengths = mysql_fetch_lengths(result);
        for (unsigned i = 0; i < fields; ++i) bytes += row[i] != nullptr ? lengths[i] : 0;
        ++rows;
      }
      benchmark::DoNotOptimize(bytes);
      mysql_free_result(result);
    });
  }
  if (rows != kInitialEntries + kRectifications * (kModified + kAdded + kWithdrawn)) {
    state.SkipWithError("wrong row count");
  }
}
BENCHMARK(RawQueryOfTheReplay)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The month read into entries (the query and its result table), without the fold.
void ReadTheMonth(benchmark::State& state) {
  for (auto _ : state) {
    const auto entries = ReadMonthCertificates(*client, QLatin1String(kCf), kLuna, kRectifications);
    benchmark::DoNotOptimize(entries);
  }
}
BENCHMARK(ReadTheMonth)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void FoldTheMonth(benchmark::State& state) {
  const auto entries = ReadMonthCertificates(*client, QLatin1String(kCf), kLuna, kRectifications);
  for (auto _ : state) {
    benchmark::DoNotOptimize(FoldCertificates(*entries));
  }
}
BENCHMARK(FoldTheMonth)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// What selecting the declaration costs the panel, short of its certificates list: the
// declaration read, the replay and the ten lines.
void TotalsOfTheLastRectification(benchmark::State& state) {
  QStringList lines;
  for (auto _ : state) {
    const auto totals = LoadDeclarationTotals(*client, lastRectification);
    lines = totals ? DeclarationPanelLines(*totals) : QStringList();
  }
  if (lines.size() != 10) state.SkipWithError("no totals");
}
BENCHMARK(TotalsOfTheLastRectification)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// What the user waits for on the panel when choosing the last rectification: the replay and
// the ten lines, and its certificates list filled and laid out.
void SelectingTheLastRectification(benchmark::State& state) {
  CLeaveDeclarationsDialog panel(nullptr, client, &prompter);
  panel.show();
  panel.CompaniesView().SelectRow(0);
  CListViewEx& declarations = panel.DeclarationsView();
  const int last = declarations.RowCount() - 1;
  for (auto _ : state) {
    declarations.clearSelection();
    declarations.SelectRow(last);
    QApplication::processEvents();
  }
  const QString j = panel.PanelLines().value(5);
  if (panel.CertificatesView().RowCount() != kModified + kAdded + kWithdrawn ||
      !j.endsWith(FormatThousands(FormatInteger(expectedJ)))) {
    state.SkipWithError("wrong panel");
  }
}
BENCHMARK(SelectingTheLastRectification)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
  QApplication application(argc, argv);
  return RunBenchmarksOnServer(argc, argv, prompter, [](CClient& theClient) {
    client = &theClient;
    UpgradeSchema(theClient);
    Fill();
  });
}
