// Program start-up with the schema check, timed as whole processes: the embedded server
// starts once per process, so every measured start is a child process of this program.
// The folders go under TMPDIR, which should be on the kind of disk users have.
//   FirstStart:     empty folder: server start, creation of both databases.
//   StartOnCurrent: a folder already at the current version: server start, repairs, check.
//   ServerOnly:     the same folder, server start and stop without the schema check.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <cstring>

#include "store/c_client.h"
#include "store/schema.h"

#include "console_prompter.h"

namespace {

constexpr char kChildFlag[] = "--schema-start-child";

// One program start in `folder`; the exit code tells the parent whether it went cleanly.
int ChildStart(const char* folder, bool checkSchema) {
  if (!QDir::setCurrent(QString::fromLocal8Bit(folder))) return 2;
  ConsolePrompter prompter;
  CClient client(&prompter);
  if (client.Connect() != 0) return 3;
  if (checkSchema) UpgradeSchema(client);
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
void ServerOnly(benchmark::State& state) { StartOn(state, "server"); }

}  // namespace

BENCHMARK(FirstStart)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)->Repetitions(5);
BENCHMARK(StartOnCurrent)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3)
    ->Repetitions(5);
BENCHMARK(ServerOnly)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)->Repetitions(5);

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], kChildFlag) == 0) {
    QCoreApplication application(argc, argv);
    return ChildStart(argv[3], std::strcmp(argv[2], "schema") == 0);
  }
  QCoreApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
