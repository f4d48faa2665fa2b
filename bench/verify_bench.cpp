// Checking an anexa A file of 100,000 insured persons: the read alone, the check alone
// (the rules over the records already read) and the read, check and marking of the list
// together, measured in the same run. The check should add less than half of the read, and
// the whole should stay under a second. Prints the medians and the judgement at the end.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "dbf/dbf_file.h"
#include "exchange/verify/verify_checks.h"
#include "exchange/verify/verify_file.h"
#include "health/annexes/annex_files.h"
#include "store/list_model.h"

#include "median_reporter.h"

namespace {

constexpr int kRecords = 100000;

// A valid CNP for each person, so that every rule runs to its end.
QString Cnp(int i) {
  static constexpr int kWeights[] = {2, 7, 9, 1, 4, 6, 3, 5, 8, 2, 7, 9};
  const QString body = QStringLiteral("1800101") + QString::number(i).rightJustified(5, u'0');
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

struct Data {
  Data() {
    DbfFile table = AnnexDefinition(Annex::k1A);
    ListModel list;
    for (const QString& name : table.names) list.InsertColumn(list.ColumnCount(), name);
    std::vector<QStringList> rows;
    rows.reserve(kRecords);
    for (int i = 0; i < kRecords; ++i) rows.push_back(Person(i));
    list.AppendRows(std::move(rows));
    path = dir.filePath(QStringLiteral("1A_0709_14399840.dbf"));
    if (!table.WriteDbf(path, list)) std::abort();
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

void Summary(const MedianReporter::Medians& medians) {
  const double read = MedianReporter::Median(medians, "Read");
  const double check = MedianReporter::Median(medians, "Check");
  const double whole = MedianReporter::Median(medians, "ReadCheckAndMark");
  if (read <= 0 || check < 0 || whole < 0) return;
  std::printf(
      "read %.1f ms, check %.1f ms (%.0f%% of the read, %s 50%%), read + check + marks "
      "%.1f ms (%s 1 s)\n",
      read, check, 100.0 * check / read, check <= read / 2 ? "within" : "OVER", whole,
      whole <= 1000.0 ? "within" : "OVER");
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  RunWithMedians(argc, argv,
                 {{"Read", &Read}, {"Check", &Check}, {"ReadCheckAndMark", &ReadCheckAndMark}}, 3,
                 7, Summary, Shared);
  return 0;
}
