// The cost of loading a query answer into the result table and showing it in a list,
// against the raw cost of taking the server's result and walking every row.
#include <benchmark/benchmark.h>
#include <mysql.h>

#include "store/c_client.h"
#include "store/database_thread.h"
#include "store/list_model.h"

#include "bench_server.h"
#include "console_prompter.h"

namespace {

constexpr int kRows = 20000;
const QString kQuery = QStringLiteral("SELECT * FROM b.rows12");

ConsolePrompter prompter;
CClient* client = nullptr;

void Fill() {
  // Set-up of the measured rows: a failure shows in the timings, not here.
  static_cast<void>(client->Execute(QStringLiteral("CREATE DATABASE b")));
  // Set-up of the measured rows: a failure shows in the timings, not here.
  static_cast<void>(client->Execute(QStringLiteral(
      "CREATE TABLE b.rows12 (`index` INT AUTO_INCREMENT PRIMARY KEY, cf VARCHAR(13), "
      "cnp VARCHAR(13), nume VARCHAR(50), prenume VARCHAR(50), cas VARCHAR(6), intrare INT, "
      "iesire INT, forma VARCHAR(4), salariu DOUBLE, ZZ_CONT VARCHAR(10), ZZ_DATA TIMESTAMP "
      "DEFAULT CURRENT_TIMESTAMP)")));
  for (int block = 0; block < kRows / 1000; ++block) {
    QString insert = QStringLiteral(
        "INSERT INTO b.rows12 (cf, cnp, nume, prenume, cas, intrare, iesire, forma, salariu, "
        "ZZ_CONT) VALUES ");
    for (int i = 0; i < 1000; ++i) {
      const int n = block * 1000 + i;
      if (i > 0) insert += u',';
      insert += QStringLiteral("('12345674','%1','POPESCU%2','ION','CASMB',20090101,0,'S',%3,'')")
                    .arg(1800101000000LL + n)
                    .arg(n)
                    .arg(1000 + n % 5000);
    }
    // Set-up of the measured rows: a failure shows in the timings, not here.
    static_cast<void>(client->Execute(insert));
  }
}

void RawStoreAndWalk(benchmark::State& state) {
  const QByteArray query = kQuery.toUtf8();
  for (auto _ : state) {
    // The raw statements run where the program sends its own: on the database thread.
    RunOnDatabaseThread([&] {
      mysql_real_query(client->NativeHandle(), query.constData(), query.size());
      MYSQL_RES* result = mysql_store_result(client->NativeHandle());
      const unsigned fields = mysql_num_fields(result);
      size_t bytes = 0;
      while (MYSQL_ROW row = mysql_fetch_row(result)) {
        const unsigned long* lengths = mysql_fetch_lengths(result);
        for (unsigned i = 0; i < fields; ++i) bytes += row[i] != nullptr ? lengths[i] : 0;
      }
      benchmark::DoNotOptimize(bytes);
      mysql_free_result(result);
    });
  }
}
BENCHMARK(RawStoreAndWalk)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void StoreResultAndFillList(benchmark::State& state) {
  ListModel list;
  for (auto _ : state) {
    // Set-up of the measured rows: a failure shows in the timings, not here.
    static_cast<void>(client->Execute(kQuery, 1));
    client->FillList(list);
    benchmark::DoNotOptimize(list.RowCount());
  }
  if (list.RowCount() != kRows) state.SkipWithError("wrong row count");
}
BENCHMARK(StoreResultAndFillList)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
  return RunBenchmarksOnServer(argc, argv, prompter, [](CClient& theClient) {
    client = &theClient;
    Fill();
  });
}
