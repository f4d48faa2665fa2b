// Program start-up with the schema check, timed as whole processes: the embedded server
// starts once per process, so every measured start is a child process of this program.
// The folders go under TMPDIR, which should be on the kind of disk users have.
//   FirstStart:     empty folder: server start, creation of both databases.
//   StartOnCurrent: a folder already at the current version: server start, repairs, check.
//   ServerOnly:     the same folder, server start and stop without the schema check.
//   StartOnRegister: a folder at the current version holding 200 companies and 20,000
//                   insured persons: server start, preparation, version check.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <cstring>

#include "store/c_client.h"
#include "store/schema/schema.h"

#include "console_prompter.h"

namespace {

constexpr char kChildFlag[] = "--schema-start-child";

constexpr int kCompanies = 200;
constexpr int kInsured = 20000;

// The register of an accountant with many clients, written in blocks of rows.
void FillRegister(CClient& client) {
  QStringList companies;
  for (int c = 0; c < kCompanies; ++c) {
    companies << QStringLiteral("('%1', 'Societatea %1', '')").arg(10000 + c);
  }
  // Set-up of the measured rows: a failure shows in the timings, not here.
  static_cast<void>(client.Execute(
      QStringLiteral("INSERT INTO asigurati.societati (CF, DENUMIRE, ZZ_CONT) VALUES ") +
      companies.join(u',')));
  constexpr int kBlock = 1000;
  for (int first = 0; first < kInsured; first += kBlock) {
    QStringList people;
    for (int i = first; i < first + kBlock; ++i) {
      people << QStringLiteral("('%1', 'CASMB', 'Nume%2', 'Prenume', '%3', 20080101, 0, 'S', '')")
                    .arg(10000 + i % kCompanies)
                    .arg(i)
                    .arg(1800101000000LL + i);
    }
    // Set-up of the measured rows: a failure shows in the timings, not here.
    static_cast<void>(client.Execute(
        QStringLiteral("INSERT INTO asigurati.asigurati (CF, CAS, NUME, PRENUME, CNP, "
                       "INTRARE, IESIRE, FORMA, ZZ_CONT) VALUES ") +
        people.join(u',')));
  }
}

// One program start in `folder`; the exit code tells the parent whether it went cleanly.
int ChildStart(const char* folder, const char* mode) {
  if (!QDir::setCurrent(QString::fromLocal8Bit(folder))) return 2;
  ConsolePrompter prompter;
  CClient client(&prompter);
  if (client.Connect() != 0) return 3;
  if (std::strcmp(mode, "server") != 0) UpgradeSchema(client);
  if (std::strcmp(mode, "fill") == 0) FillRegister(client);
  client.Disconnect();
  return prompter.shown == 0 ? 0 : 4;
}

bool StartChild(benchmark::State& state, const QString& folder, const char* mode) {
  QProcess child;
  child.start(QCoreApplication::applicationFilePath(),
              {QString::fromLatin1(kChildFlag), QString::fromLatin1(mode), folder});
  if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit ||
      child.exitCode() != 0) {
    state.SkipWithError("the program start failed");
    return false;
  }
  return true;
}

void FirstStart(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/velka-bench-XXXXXX"));
    state.ResumeTiming();
    if (!StartChild(state, folder.path(), "schema")) break;
  }
}

void StartOn(benchmark::State& state, const char* mode) {
  QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/velka-bench-XXXXXX"));
  if (!StartChild(state, folder.path(), "schema")) return;  // the first installation
  for (auto _ : state) {
    if (!StartChild(state, folder.path(), mode)) break;
  }
}

void StartOnCurrent(benchmark::State& state) { StartOn(state, "schema"); }

void StartOnRegister(benchmark::State& state) {
  QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/velka-bench-XXXXXX"));
  if (!StartChild(state, folder.path(), "fill")) return;
  for (auto _ : state) {
    if (!StartChild(state, folder.path(), "schema")) break;
  }
}
void ServerOnly(benchmark::State& state) { StartOn(state, "server"); }

}  // namespace

BENCHMARK(FirstStart)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)->Repetitions(5);
BENCHMARK(StartOnCurrent)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3)
    ->Repetitions(5);
BENCHMARK(StartOnRegister)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3)
    ->Repetitions(5);
BENCHMARK(ServerOnly)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)->Repetitions(5);

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], kChildFlag) == 0) {
    QCoreApplication application(argc, argv);
    return ChildStart(argv[3], argv[2]);
  }
  QCoreApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
