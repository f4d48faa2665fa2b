// Writing and reading an anexa 1A file of 100,000 insured persons, against the plainest
// way of moving the same bytes: one buffered write, and reading the file into memory and
// cutting it into field texts by hand. The read is also measured against the Python world's
// dBase reader (Debian's python3-dbfread) reading the same file in the same run, when that
// reader is installed. Prints the medians and their ratios at the end.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "dbf/dbf_file.h"
#include "store/list_model.h"

#include "median_reporter.h"

namespace {

constexpr int kRecords = 100000;

struct FieldLayout {
  const char* name;
  const char* type;
  int length;
};

constexpr FieldLayout kAnexa1A[] = {
    {"LN", "N", 2},       {"AN", "N", 4},   {"CF", "C", 13},   {"RJ", "C", 3},
    {"RN", "N", 5},       {"RA", "N", 4},   {"CNP", "N", 13},  {"NUME", "C", 30},
    {"PRENUME", "C", 30}, {"CAT", "C", 3},  {"ANG", "D", 8},   {"PL", "D", 8},
    {"SDL", "N", 12},     {"SVL", "N", 12}, {"NREP", "C", 30}, {"PREP", "C", 30},
};

DbfFile Anexa1A() {
  DbfFile table;
  for (const FieldLayout& f : kAnexa1A) {
    table.AddField(QLatin1String(f.name), QLatin1String(f.type), f.length);
  }
  return table;
}

struct Data {
  Data() {
    for (const FieldLayout& f : kAnexa1A)
      list.InsertColumn(list.ColumnCount(), QLatin1String(f.name));
    std::vector<QStringList> rows;
    rows.reserve(kRecords);
    for (int i = 0; i < kRecords; ++i) rows.push_back(Person(i));
    list.AppendRows(std::move(rows));
    written = dir.filePath(QStringLiteral("citit.dbf"));
    if (!Anexa1A().WriteDbf(written, list)) std::abort();
    QFile file(written);
    if (!file.open(QIODevice::ReadOnly)) std::abort();
    bytes = file.readAll();
  }

  static QStringList Person(int i) {
    const QString n = QString::number(i);
    const QString amount = QString::number(55 + i % 1000);
    return {QStringLiteral("06"),
            QStringLiteral("2009"),
            QStringLiteral("14399840"),
            QStringLiteral("J40"),
            QStringLiteral("1234"),
            QStringLiteral("2003"),
            QStringLiteral("18001014") + n.rightJustified(5, u'0'),
            QStringLiteral("Ţuţea-Brâncuşi ") + n,
            QStringLiteral("Ştefan Înşiră"),
            QStringLiteral("S"),
            QStringLiteral("20090604"),
            QStringLiteral("0"),
            amount,
            amount,
            QStringLiteral("Popescu"),
            QStringLiteral("Ion")};
  }

  QTemporaryDir dir;
  ListModel list;
  QString written;   // a file written by WriteDbf, read by the readers
  QByteArray bytes;  // its bytes, for the plain write
};

Data& Shared() {
  static Data data;
  return data;
}

void WriteDbf(benchmark::State& state) {
  Data& d = Shared();
  const DbfFile table = Anexa1A();
  const QString path = d.dir.filePath(QStringLiteral("scris.dbf"));
  for (auto _ : state) {
    if (!table.WriteDbf(path, d.list)) state.SkipWithError("write failed");
  }
}

void WriteOneBuffer(benchmark::State& state) {
  Data& d = Shared();
  const QString path = d.dir.filePath(QStringLiteral("simplu.dbf"));
  for (auto _ : state) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(d.bytes) != d.bytes.size()) {
      state.SkipWithError("write failed");
    }
  }
}

// The engine's records to a plain file, without the write-beside-and-rename.
void WriteDbfToPlainFile(benchmark::State& state) {
  Data& d = Shared();
  const DbfFile table = Anexa1A();
  const QString path = d.dir.filePath(QStringLiteral("direct.dbf"));
  for (auto _ : state) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !table.WriteDbf(file, d.list, QDate::currentDate())) {
      state.SkipWithError("write failed");
    }
  }
}

// The same bytes with the same safety as WriteDbf: written beside, synced, renamed.
void WriteOneBufferSafely(benchmark::State& state) {
  Data& d = Shared();
  const QString path = d.dir.filePath(QStringLiteral("sigur.dbf"));
  for (auto _ : state) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(d.bytes) != d.bytes.size() ||
        !file.commit()) {
      state.SkipWithError("write failed");
    }
  }
}

void ReadDbf(benchmark::State& state) {
  Data& d = Shared();
  for (auto _ : state) {
    DbfFile table;
    ListModel list;
    if (!table.ReadDbf(d.written, list) || list.RowCount() != kRecords) {
      state.SkipWithError("read failed");
    }
    benchmark::DoNotOptimize(list.RowCount());
  }
}

// The read, then every cell of every record asked for once, as a reader that decodes the
// whole file would.
void ReadDbfEveryCell(benchmark::State& state) {
  Data& d = Shared();
  for (auto _ : state) {
    DbfFile table;
    ListModel list;
    if (!table.ReadDbf(d.written, list) || list.RowCount() != kRecords) {
      state.SkipWithError("read failed");
    }
    qsizetype characters = 0;
    for (int row = 0; row < list.RowCount(); ++row) {
      for (int column = 0; column < list.ColumnCount(); ++column) {
        characters += list.Cell(row, column).size();
      }
    }
    benchmark::DoNotOptimize(characters);
  }
}

// dbfread reads and decodes every record; its own clock leaves out the interpreter's start.
constexpr const char* kDbfreadScript = R"(
import sys, time
import dbfread
start = time.perf_counter()
table = dbfread.DBF(sys.argv[1], encoding='cp1250')
count = sum(1 for record in table)
print(time.perf_counter() - start, count)
)";

// The Python that has Debian's dbfread (Debian's own first); empty when none has it.
QString PythonWithDbfread() {
  for (const QString& python : {QStringLiteral("/usr/bin/python3"), QStringLiteral("python3")}) {
    QProcess process;
    process.start(python, {QStringLiteral("-c"), QStringLiteral("import dbfread")});
    if (process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
        process.exitCode() == 0) {
      return python;
    }
  }
  return {};
}

QString& DbfreadPython() {
  static QString python;
  return python;
}

void Dbfread(benchmark::State& state) {
  Data& d = Shared();
  for (auto _ : state) {
    QProcess process;
    process.start(DbfreadPython(),
                  {QStringLiteral("-c"), QString::fromUtf8(kDbfreadScript), d.written});
    const bool finished = process.waitForFinished(600000) && process.exitCode() == 0;
    const QStringList out = QString::fromUtf8(process.readAllStandardOutput()).split(u' ');
    if (!finished || out.size() != 2 || out[1].trimmed().toInt() != kRecords) {
      state.SkipWithError("dbfread failed");
      break;
    }
    state.SetIterationTime(out[0].toDouble());
  }
}

// The file into memory, then each record cut into one text per field.
void ReadAndSplitByHand(benchmark::State& state) {
  Data& d = Shared();
  std::vector<int> lengths;
  for (const FieldLayout& f : kAnexa1A) lengths.push_back(f.length);
  for (auto _ : state) {
    QFile file(d.written);
    if (!file.open(QIODevice::ReadOnly)) state.SkipWithError("open failed");
    const QByteArray bytes = file.readAll();
    const int headerLength =
        static_cast<unsigned char>(bytes[8]) | static_cast<unsigned char>(bytes[9]) << 8;
    const int recordLength =
        static_cast<unsigned char>(bytes[10]) | static_cast<unsigned char>(bytes[11]) << 8;
    std::vector<QStringList> rows;
    rows.reserve(kRecords);
    for (const char* record = bytes.constData() + headerLength;
         record + recordLength <= bytes.constData() + bytes.size(); record += recordLength) {
      QStringList cells;
      cells.reserve(static_cast<qsizetype>(lengths.size()));
      const char* field = record + 1;
      for (const int length : lengths) {
        cells.append(QString::fromLatin1(field, length));
        field += length;
      }
      rows.push_back(std::move(cells));
    }
    benchmark::DoNotOptimize(rows.data());
  }
}

// Prints a benchmark's median against the plain work it is measured by.
void Ratio(const MedianReporter::Medians& medians, const std::string& ours,
           const std::string& plain) {
  const double mine = MedianReporter::Median(medians, ours);
  const double base = MedianReporter::Median(medians, plain);
  if (mine < 0 || base <= 0) return;
  const double ratio = mine / base;
  std::printf("%-19s median %8.1f ms, %-20s median %8.1f ms: ratio %.2f (%s 3x)\n", ours.c_str(),
              mine, plain.c_str(), base, ratio, ratio <= 3.0 ? "within" : "OVER");
}

// How many times dbfread's time the read takes; the goal is at least 20.
void AgainstDbfread(const MedianReporter::Medians& medians, const std::string& ours) {
  const double mine = MedianReporter::Median(medians, ours);
  const double python = MedianReporter::Median(medians, "Dbfread");
  if (mine <= 0 || python <= 0) return;
  const double times = python / mine;
  std::printf("%-19s median %8.1f ms, dbfread median %8.1f ms: %.1fx faster (%s 20x)\n",
              ours.c_str(), mine, python, times, times >= 20.0 ? "within" : "SHORT OF");
}

void Summary(const MedianReporter::Medians& medians) {
  Ratio(medians, "WriteDbf", "WriteOneBuffer");
  Ratio(medians, "WriteDbf", "WriteOneBufferSafely");
  Ratio(medians, "WriteDbfToPlainFile", "WriteOneBuffer");
  Ratio(medians, "ReadDbf", "ReadAndSplitByHand");
  if (DbfreadPython().isEmpty()) {
    std::printf("dbfread: python3-dbfread is not installed, its row was skipped\n");
  }
  AgainstDbfread(medians, "ReadDbf");
  AgainstDbfread(medians, "ReadDbfEveryCell");
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  DbfreadPython() = PythonWithDbfread();
  if (!DbfreadPython().isEmpty()) {
    // About a second a run: fewer runs than the others, timed by the script itself.
    benchmark::RegisterBenchmark("Dbfread", &Dbfread)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
  }
  RunWithMedians(argc, argv,
                 {{"WriteDbf", &WriteDbf},
                  {"WriteOneBuffer", &WriteOneBuffer},
                  {"WriteOneBufferSafely", &WriteOneBufferSafely},
                  {"WriteDbfToPlainFile", &WriteDbfToPlainFile},
                  {"ReadDbf", &ReadDbf},
                  {"ReadDbfEveryCell", &ReadDbfEveryCell},
                  {"ReadAndSplitByHand", &ReadAndSplitByHand}},
                 3, 7, Summary, Shared);
  return 0;
}
