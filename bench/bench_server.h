#pragma once

#include <benchmark/benchmark.h>

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

#include "store/c_client.h"

// Sends `head` followed by the rows, a thousand rows per statement.
inline void InsertRows(CClient& client, const QString& head, const QStringList& rows) {
  constexpr qsizetype kRowsPerStatement = 1000;
  for (qsizetype first = 0; first < rows.size(); first += kRowsPerStatement) {
    (void)client.Execute(head + rows.mid(first, kRowsPerStatement).join(u','));
  }
}

// Starts the embedded server in a fresh temporary folder, lets the benchmark fill it, runs
// the registered benchmarks (through `reporter` when one is given) and stops the server: the
// body of a database benchmark's main.
inline int RunBenchmarksOnServer(int argc, char** argv, Prompter& prompter,
                                 const std::function<void(CClient&)>& setUp,
                                 benchmark::BenchmarkReporter* reporter = nullptr) {
  QTemporaryDir folder;
  QDir::setCurrent(folder.path());
  CClient client(&prompter);
  if (client.Connect() != 0) return 1;
  setUp(client);
  benchmark::Initialize(&argc, argv);
  if (reporter != nullptr) {
    benchmark::RunSpecifiedBenchmarks(reporter);
  } else {
    benchmark::RunSpecifiedBenchmarks();
  }
  benchmark::Shutdown();
  client.Disconnect();
  return 0;
}
