// Checking an anexa A file of 100,000 insured persons: the read alone, the check alone
// (the rules over the records already read) and the read, check and marking of the list
// together, measured in the same run. The read only finds the records and the check decodes
// the cells its rules look at, so the two are judged together: the whole under a second. Then the
// same work on a file of 1,000,000 persons, each time in a fresh process of its own so that nothing
// before it counts in its memory: under 5 s, with a peak resident size under twice the file's size.
// Prints the medians and the judgement at the end.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "dbf/dbf_file.h"
#include "exchange/verify/verify_checks.h"
#include "exchange/verify/verify_file.h"
#include "health/annexes/annex_files.h"
#include "store/list_model.h"

#include "median_reporter.h"

namespace {

constexpr int kRecords = 100000;
constexpr int kMillion = 1000000;

// A valid CNP for each person, so that every rule runs to its end.
QString Cnp(int i) {
  static constexpr int kWeights[] = {2, 7, 9, 1, 4, 6, 3, 5, 8, 2, 7, 9};
  const QString body =
      QStringLiteral("1800101") + QString::number(i % 100000).rightJustified(5, u'0');
  int sum = 0;
  for (int d = 0; d < 12; ++d) sum += (body[d].unicode() - u'0') * kWeights[d];
  const int control = sum % 11 == 10 ? 1 : sum % 11;
  return body + QString::number(control);
}

QStringList Person(int i) {
  const QString amount = QString::number(55 + i % 1000);
  // One person in a hundred breaks a rule, as a careless file would.
  return {QStringLiteral("07"),
          QStringLiteral("2009"),
          QStringLiteral("14399840"),
          QStringLiteral("J40"),
          QStringLiteral("1234"),
          QStringLiteral("2003"),
          Cnp(i),
          QStringLiteral("Ţuţea-Brâncuşi ") + QString::number(i),
          QStringLiteral("Ştefan Înşiră"),
          i % 100 == 99 ? QStringLiteral("X") : QStringLiteral("CIC"),
          QStringLiteral("20090604"),
          i % 7 == 0 ? QStringLiteral("20090715") : QStringLiteral("0"),
          amount,
          amount,
          QStringLiteral("Popescu"),
          QStringLiteral("Ion")};
}

// An anexa 1A of `count` persons written by the program's own writer.
void WriteAnnex(const QString& path, int count) {
  DbfFile table = AnnexDefinition(Annex::k1A);
  ListModel list;
  for (const QString& name : table.names) list.InsertColumn(list.ColumnCount(), name);
  std::vector<QStringList> rows;
  rows.reserve(count);
  for (int i = 0; i < count; ++i) rows.push_back(Person(i));
  list.AppendRows(std::move(rows));
  if (!table.WriteDbf(path, list)) std::abort();
}

struct Data {
  Data() {
    path = dir.filePath(QStringLiteral("1A_0709_14399840.dbf"));
    WriteAnnex(path, kRecords);
    names = ReadVerifiedFile(path, read);
    if (read.RowCount() != kRecords) std::abort();
  }

  QTemporaryDir dir;
  QString path;
  QStringList names;
  ListModel read;  // the file as read, for the check alone
};

Data& Shared() {
  static Data data;
  return data;
}

void Read(benchmark::State& state) {
  Data& d = Shared();
  for (auto _ : state) {
    ListModel list;
    if (ReadVerifiedFile(d.path, list).isEmpty()) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(list.RowCount());
  }
}

void Check(benchmark::State& state) {
  Data& d = Shared();
  for (auto _ : state) {
    const VerifyReport report = VerifyTable(VerifiedFile::kAnnexA, {d.names, d.read});
    if (report.faults.size() != kRecords / 100) state.SkipWithError("wrong faults");
  }
}

// What the screen does with a file: read, check, and mark the list.
void ReadCheckAndMark(benchmark::State& state) {
  Data& d = Shared();
  for (auto _ : state) {
    ListModel list;
    const QStringList names = ReadVerifiedFile(d.path, list);
    const VerifyReport report = VerifyTable(VerifiedFile::kAnnexA, {names, list});
    ShowVerifyReport(report, list);
    if (report.faults.size() != kRecords / 100) state.SkipWithError("wrong faults");
  }
}

// --- the file of a million persons, checked in a process of its own

// The process's peak resident size in kB, as the kernel counts it.
long PeakResidentKb() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').front().toLong();
  }
  return -1;
}

constexpr const char* kChildFlag = "--verify-file";

// The child: what the screen does with the file, then "milliseconds peak-kB faults".
int VerifyInChild(const QString& path) {
  QElapsedTimer timer;
  timer.start();
  ListModel list;
  const QStringList names = ReadVerifiedFile(path, list);
  const VerifyReport report = VerifyTable(VerifiedFile::kAnnexA, {names, list});
  ShowVerifyReport(report, list);
  const qint64 elapsed = timer.elapsed();
  std::printf("%lld %ld %zu\n", static_cast<long long>(elapsed), PeakResidentKb(),
              report.faults.size());
  return list.RowCount() == kMillion ? 0 : 1;
}

struct Million {
  Million() {
    path = dir.filePath(QStringLiteral("1A_0709_14399840.dbf"));
    WriteAnnex(path, kMillion);
    bytes = QFileInfo(path).size();
  }
  QTemporaryDir dir;
  QString path;
  qint64 bytes = 0;
  std::vector<long> peaksKb;  // one per run
};

Million& SharedMillion() {
  static Million million;
  return million;
}

void VerifyMillion(benchmark::State& state) {
  Million& m = SharedMillion();
  for (auto _ : state) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QLatin1String(kChildFlag), m.path});
    const bool finished = child.waitForFinished(600000) && child.exitCode() == 0;
    const QList<QByteArray> out = child.readAllStandardOutput().trimmed().split(' ');
    if (!finished || out.size() != 3 || out[2].toInt() != kMillion / 100) {
      state.SkipWithError("the child's check failed");
      break;
    }
    state.SetIterationTime(out[0].toDouble() / 1000.0);
    m.peaksKb.push_back(out[1].toLong());
  }
}

void MillionSummary(const MedianReporter::Medians& medians) {
  const Million& m = SharedMillion();
  const double seconds = MedianReporter::Median(medians, "VerifyMillion") / 1000.0;
  if (seconds <= 0 || m.peaksKb.empty()) return;
  std::vector<long> peaks = m.peaksKb;
  std::sort(peaks.begin(), peaks.end());
  const double peakMb = static_cast<double>(peaks[peaks.size() / 2]) / 1024.0;
  const double fileMb = static_cast<double>(m.bytes) / (1024.0 * 1024.0);
  std::printf(
      "1,000,000 records (%.0f MB): read + check + marks %.2f s (%s 5 s), peak memory %.0f MB "
      "= %.2fx the file (%s 2x)\n",
      fileMb, seconds, seconds < 5.0 ? "within" : "OVER", peakMb, peakMb / fileMb,
      peakMb < 2 * fileMb ? "within" : "OVER");
}

void Summary(const MedianReporter::Medians& medians) {
  MillionSummary(medians);
  const double read = MedianReporter::Median(medians, "Read");
  const double check = MedianReporter::Median(medians, "Check");
  const double whole = MedianReporter::Median(medians, "ReadCheckAndMark");
  if (read <= 0 || check < 0 || whole < 0) return;
  std::printf("read %.1f ms, check %.1f ms, read + check + marks %.1f ms (%s 1 s)\n", read, check,
              whole, whole <= 1000.0 ? "within" : "OVER");
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  if (argc == 3 && std::strcmp(argv[1], kChildFlag) == 0) {
    return VerifyInChild(QString::fromLocal8Bit(argv[2]));
  }
  // Each run takes seconds: fewer of them, each timed by the child itself.
  benchmark::RegisterBenchmark("VerifyMillion", &VerifyMillion)
      ->Unit(benchmark::kMillisecond)
      ->UseManualTime()
      ->Iterations(1)
      ->Repetitions(3)
      ->ReportAggregatesOnly(true);
  RunWithMedians(argc, argv,
                 {{"Read", &Read}, {"Check", &Check}, {"ReadCheckAndMark", &ReadCheckAndMark}}, 3,
                 7, Summary, Shared);
  return 0;
}
