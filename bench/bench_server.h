#pragma once

#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>
#include <functional>

#include "store/c_client.h"

// Starts the embedded server in a fresh temporary folder, lets the benchmark fill it, runs
// the registered benchmarks and stops the server: the body of a database benchmark's main.
inline int RunBenchmarksOnServer(int argc, char** argv, Prompter& prompter,
                                 const std::function<void(CClient&)>& setUp) {
  QTemporaryDir folder;
  QDir::setCurrent(folder.path());
  CClient client(&prompter);
  if (client.Connect() != 0) return 1;
  setUp(client);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  client.Disconnect();
  return 0;
}
