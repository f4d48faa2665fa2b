// The health reporting files of a large company: 20,000 insured persons at three houses,
// 5,000 co-insured dependants and a month of amounts (a tenth of the persons without). Each
// annex of one house is timed, then the save of all three houses; the 1A file is measured
// against the raw cost of its own statement (the server's answer stored and walked, amounts
// rounded, records laid out and written in one buffered write) in the same run.
#include <benchmark/benchmark.h>
#include <mysql.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <cstring>

#include "common/amounts.h"
#include "health/annexes/annex_files.h"
#include "health/annexes/annex_queries.h"
#include "health/annexes/annex_save.h"
#include "store/c_client.h"
#include "store/database_thread.h"
#include "store/schema/schema.h"

#include "bench_server.h"
#include "console_prompter.h"

namespace {

constexpr char kCf[] = "12345674";
constexpr int kInsured = 20000;
constexpr int kDependants = 5000;
const QStringList kHouses = {"CASAB", "CAS_B", "CASCJ"};

ConsolePrompter prompter;
CClient* client = nullptr;
QTemporaryDir* folder = nullptr;

QString PersonCode(int person) { return QString::number(1700000000000LL + person); }

void Fill() {
  // Set-up of the measured rows: a failure shows in the timings, not here.
  static_cast<void>(client->Execute(
      QStringLiteral("INSERT INTO asigurati.societati (cf, denumire, reg_com, repr) "
                     "VALUES ('%1', 'SOCIETATEA MARE SRL', 'J40/1234/2003', "
                     "'POPESCU ION VASILE')")
          .arg(QLatin1String(kCf))));
  QStringList persons;
  for (int person = 0; person < kInsured; ++person) {
    persons.append(
        QStringLiteral("('%1','%2','%3','POPESCU%4','ŞTEFAN ŢĂRAN',20050101,0,'S')")
            .arg(QLatin1String(kCf), kHouses[person % kHouses.size()], PersonCode(person))
            .arg(person % 997));
  }
  InsertRows(
      *client,
      QStringLiteral("INSERT INTO asigurati.asigurati (cf, cas, cnp, nume, prenume, intrare, "
                     "iesire, forma) VALUES "),
      persons);
  // Set-up of the measured rows: a failure shows in the timings, not here.
  static_cast<void>(client->Execute(
      QStringLiteral("INSERT INTO asigurati.sume (id_cnp, cf, cnp, luna, salariu, asig_datorat, "
                     "asig_virat) SELECT `index`, cf, cnp, 200907, 1000, 55.5, 54.5 FROM "
                     "asigurati.asigurati WHERE `index` % 10 <> 0")));
  QStringList dependants;
  for (int dependant = 0; dependant < kDependants; ++dependant) {
    dependants.append(QStringLiteral("('%1','%2','%3','IONESCU','ANA','S')")
                          .arg(QLatin1String(kCf), QString::number(2800000000000LL + dependant),
                               PersonCode(dependant * 4)));
  }
  InsertRows(*client,
             QStringLiteral("INSERT INTO asigurati.coasigurati (cf, cnp, cnp_asig, nume, prenume, "
                            "tip) VALUES "),
             dependants);
  // Set-up of the measured rows: a failure shows in the timings, not here.
  static_cast<void>(client->Execute(
      QStringLiteral("INSERT INTO asigurati.sume_societati (cf, luna, datorat, virat) "
                     "VALUES ('%1', 200907, 52000, 52000)")
          .arg(QLatin1String(kCf))));
}

AnnexHeader Header() {
  return {*SplitMonth(QStringLiteral("200907")), QLatin1String(kCf),
          SplitRegCom(QStringLiteral("J40/1234/2003")),
          SplitRepr(QStringLiteral("POPESCU ION VASILE"))};
}

void OneHouse(benchmark::State& state, Annex annex) {
  const QString path = folder->filePath(QStringLiteral("annex.dbf"));
  for (auto _ : state) {
    if (WriteAnnexFile(*client, annex, Header(), kHouses[0], path) != AnnexOutcome::kWritten) {
      state.SkipWithError("the annex was not written");
    }
  }
  state.counters["bytes"] = static_cast<double>(QFile(path).size());
}
void Annex1AOfOneHouse(benchmark::State& state) { OneHouse(state, Annex::k1A); }
void Annex1BOfOneHouse(benchmark::State& state) { OneHouse(state, Annex::k1B); }
void Annex1COfOneHouse(benchmark::State& state) { OneHouse(state, Annex::k1C); }

// The 1A statement through the C API, each record laid out straight from the server's
// bytes (amounts rounded, no code page conversion) and the file written at once.
void RawAnnex1AOfOneHouse(benchmark::State& state) {
  const QByteArray query = Annex1AStatement(*client, Header(), kHouses[0]).toUtf8();
  const std::vector<AnnexField>& fields = AnnexFields(Annex::k1A);
  const QString path = folder->filePath(QStringLiteral("raw.dbf"));
  for (auto _ : state) {
    // The raw statements run where the program sends its own: on the database thread.
    RunOnDatabaseThread([&] {
      mysql_real_query(client->NativeHandle(), query.constData(), query.size());
      MYSQL_RES* result = mysql_store_result(client->NativeHandle());
      QByteArray bytes(32 * (static_cast<int>(fields.size()) + 1) + 1, '\0');
      char number[32];
      while (MYSQL_ROW row = mysql_fetch_row(result)) {
        const unsigned long* lengths = mysql_fetch_lengths(result);
        bytes.append(' ');
        for (size_t i = 0; i < fields.size(); ++i) {
          const char* text = row[i] != nullptr ? row[i] : "";
          qsizetype length = row[i] != nullptr ? static_cast<qsizetype>(lengths[i]) : 0;
          if ((i == 12 || i == 13) && row[i] != nullptr) {
            length =
                std::snprintf(number, sizeof number, "%.0f", RoundLei(std::strtod(text, nullptr)));
            text = number;
          }
          const qsizetype width = fields[i].length;
          bytes.append(text, std::min(length, width));
          if (length < width) bytes.append(width - length, ' ');
        }
      }
      bytes.append('\x1a');
      mysql_free_result(result);
      QFile file(path);
      if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        state.SkipWithError("the raw file was not written");
      }
    });
  }
}

// The save command's files for all three houses, named by house: nine files.
void AllHousesByHouse(benchmark::State& state) {
  for (auto _ : state) {
    if (WriteReportFiles(*client, prompter, *SplitMonth(QStringLiteral("200907")),
                         QLatin1String(kCf), kHouses, NamingForm::kByHouse, folder->path())
            .outcome != SaveOutcome::kSaved) {
      state.SkipWithError("the files were not saved");
    }
  }
}

#define ANNEX_BENCHMARK(name)         \
  BENCHMARK(name)                     \
      ->Unit(benchmark::kMillisecond) \
      ->MinTime(1.0)                  \
      ->Repetitions(5)                \
      ->ReportAggregatesOnly(true)
ANNEX_BENCHMARK(RawAnnex1AOfOneHouse);
ANNEX_BENCHMARK(Annex1AOfOneHouse);
ANNEX_BENCHMARK(Annex1BOfOneHouse);
ANNEX_BENCHMARK(Annex1COfOneHouse);
ANNEX_BENCHMARK(AllHousesByHouse);

}  // namespace

int main(int argc, char** argv) {
  QTemporaryDir files;
  folder = &files;
  return RunBenchmarksOnServer(argc, argv, prompter, [](CClient& theClient) {
    client = &theClient;
    UpgradeSchema(theClient);
    Fill();
  });
}
