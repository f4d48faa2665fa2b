// A copy and a restore of a register of 200 companies and 50,000 insured persons with a year
// of amounts: the copy against the same text read through the raw C interface and compressed
// at the same level in the same run, and the restore (a process of its own, as the command
// runs: the embedded server starts once per process) against its budget.
//   copies_bench                   fills the register, runs the three and prints the figures
//   copies_bench --restore F DIR   (the restore's own process)
#include <mysql.h>
#include <zlib.h>

#include <sys/resource.h>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "store/c_client.h"
#include "store/copies/copy_writer.h"
#include "store/copies/gzip_stream.h"
#include "store/copies/register_restore.h"
#include "store/database_thread.h"
#include "store/grouped_flushes.h"
#include "store/schema/schema.h"

#include "console_prompter.h"
#include "median_reporter.h"

namespace {

constexpr int kCompanies = 200;
// 50,000 unless BENCH_PERSONS says otherwise (a quicker look at where the time goes).
const int kPersons = qEnvironmentVariableIsSet("BENCH_PERSONS")
                         ? qEnvironmentVariableIntValue("BENCH_PERSONS")
                         : 50000;
constexpr int kMonths = 12;
constexpr double kCopyBudgetMs = 10000;
constexpr double kRestoreBudgetMs = 30000;
constexpr double kRawRatioBudget = 2.0;

ConsolePrompter prompter;
CClient* client = nullptr;
QString program;
QTemporaryDir* work = nullptr;
QString lastCopy;
std::vector<double> restoreCpuMs;  // the restore processes' own processor time

double ChildrenCpuMs() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

void Run(const QString& sql) {
  if (client->Execute(sql) != 0) {
    std::printf("set-up failed (%u): %s\n", client->LastErrorNumber(),
                sql.left(200).toUtf8().constData());
  }
}

// Sends `head` with the rows, two thousand rows a statement.
void Insert(const QString& head, const QStringList& rows) {
  for (qsizetype first = 0; first < rows.size(); first += 2000) {
    Run(head + rows.mid(first, 2000).join(u','));
  }
}

void Fill() {
  UpgradeSchema(*client);
  const GroupedFlushes flushes(*client);
  const QString names[] = {QStringLiteral("POPESCU"), QStringLiteral("ȚĂRANU"),
                           QStringLiteral("O''BRIEN"), QStringLiteral("ȘTEFĂNESCU")};
  QStringList rows;
  for (int company = 0; company < kCompanies; ++company) {
    rows << QStringLiteral("('%1', 'SOCIETATEA %2 SRL', 'Brașov', 'BV')")
                .arg(10000000 + company)
                .arg(company);
  }
  Insert(QStringLiteral("INSERT INTO asigurati.societati (cf, denumire, loc, jud) VALUES "), rows);
  rows.clear();
  for (int person = 0; person < kPersons; ++person) {
    rows << QStringLiteral("('%1', 'CASAB', '%2', 'ION', '%3', 20090101, 0, 'S')")
                .arg(10000000 + person % kCompanies)
                .arg(names[person % 4])
                .arg(1800101000000LL + person);
  }
  Insert(QStringLiteral("INSERT INTO asigurati.asigurati (cf, cas, nume, prenume, cnp, intrare, "
                        "iesire, forma) VALUES "),
         rows);
  for (int month = 1; month <= kMonths; ++month) {
    rows.clear();
    for (int person = 0; person < kPersons; ++person) {
      rows << QStringLiteral("(%1, '%2', '%3', %4, %5, %6, %6, %7, %7)")
                  .arg(person + 1)
                  .arg(10000000 + person % kCompanies)
                  .arg(1800101000000LL + person)
                  .arg(200800 + month)
                  .arg(1500 + person % 700)
                  .arg(82.5 + person % 40 * 0.01)
                  .arg(78.75);
    }
    Insert(QStringLiteral("INSERT INTO asigurati.sume (id_cnp, cf, cnp, luna, salariu, "
                          "asig_datorat, asig_virat, ang_datorat, ang_virat) VALUES "),
           rows);
  }
  rows.clear();
  for (int company = 0; company < kCompanies; ++company) {
    for (int month = 1; month <= kMonths; ++month) {
      rows << QStringLiteral("('%1', %2, 1234567.89, 98765.4, 98765.4)")
                  .arg(10000000 + company)
                  .arg(200800 + month);
    }
  }
  Insert(QStringLiteral("INSERT INTO asigurati.sume_societati (cf, luna, fond_de_salarii, datorat, "
                        "virat) VALUES "),
         rows);
  // A year of changes kept by the audit tables.
  Run(
      QStringLiteral("INSERT INTO asigurati.zlog_asigurati (`index`, cf, cas, nume, prenume, cnp, "
                     "intrare, iesire, forma, zz_cont, zz_data, znew_cont, znew_op) SELECT "
                     "`index`, cf, cas, nume, prenume, cnp, intrare, iesire, forma, zz_cont, "
                     "zz_data, '', 'M' FROM asigurati.asigurati WHERE `index` % 5 = 0"));
  Run(
      QStringLiteral("INSERT INTO asigurati.zlog_sume (id_cnp, `index`, cf, cnp, luna, salariu, "
                     "asig_datorat, asig_virat, ang_datorat, ang_virat, zz_cont, zz_data, "
                     "znew_cont, znew_op) SELECT id_cnp, `index`, cf, cnp, luna, salariu, "
                     "asig_datorat, asig_virat, ang_datorat, ang_virat, zz_cont, zz_data, '', 'M' "
                     "FROM asigurati.sume WHERE `index` % 20 = 0"));
}

// The copy as the program takes it.
void Copy(benchmark::State& state) {
  for (auto _ : state) {
    if (!lastCopy.isEmpty()) QFile::remove(lastCopy);
    const auto taken = TakeCopy(*client, work->path(), program);
    if (const auto* failed = std::get_if<QString>(&taken)) {
      state.SkipWithError(failed->toUtf8().constData());
      return;
    }
    lastCopy = std::get<TakenCopy>(taken).file;
  }
}

// Every table read through the raw C interface into the same SQL text (rows escaped by the
// connection, half a megabyte a statement), compressed at the same level into memory.
void RawReadAndGzip(benchmark::State& state) {
  for (auto _ : state) {
    qint64 compressed = 0;
    RunOnDatabaseThread([&] {
      MYSQL* connection = client->NativeHandle();
      QByteArray out;
      QBuffer sink(&out);
      sink.open(QIODevice::WriteOnly);
      GzipWriter gzip(sink, kCopyCompressionLevel);
      const char* listing =
          "SELECT CONCAT('`', table_schema, '`.`', table_name, '`') FROM information_schema.tables "
          "WHERE table_schema IN ('asigurati','concedii') ORDER BY table_schema, table_name";
      mysql_query(connection, listing);
      MYSQL_RES* names = mysql_store_result(connection);
      QList<QByteArray> tables;
      while (MYSQL_ROW row = mysql_fetch_row(names)) tables << QByteArray(row[0]);
      mysql_free_result(names);
      for (const QByteArray& table : tables) {
        mysql_query(connection, ("SELECT * FROM " + table).constData());
        MYSQL_RES* rows = mysql_use_result(connection);
        const unsigned columns = mysql_num_fields(rows);
        const MYSQL_FIELD* fields = mysql_fetch_fields(rows);
        QByteArray text;
        qsizetype statement = 0;
        while (MYSQL_ROW row = mysql_fetch_row(rows)) {
          const unsigned long* lengths = mysql_fetch_lengths(rows);
          text += statement == 0 ? "INSERT INTO " + table + " VALUES\n(" : QByteArray(",\n(");
          const qsizetype start = text.size();
          for (unsigned column = 0; column < columns; ++column) {
            if (column > 0) text += ',';
            if (row[column] == nullptr) {
              text += "NULL";
            } else if (IS_NUM(fields[column].type)) {
              text.append(row[column], static_cast<qsizetype>(lengths[column]));
            } else {
              const qsizetype at = text.size();
              text.resize(at + 2 * static_cast<qsizetype>(lengths[column]) + 2);
              text[at] = '\'';
              const auto escaped = static_cast<qsizetype>(mysql_real_escape_string(
                  connection, text.data() + at + 1, row[column], lengths[column]));
              text.resize(at + 1 + escaped);
              text += '\'';
            }
          }
          text += ')';
          statement += text.size() - start;
          if (statement >= 512 * 1024) {
            text += ";\n";
            statement = 0;
          }
          if (text.size() >= 1024 * 1024) {
            static_cast<void>(gzip.Write(text));
            text.clear();
          }
        }
        mysql_free_result(rows);
        text += ";\n";
        static_cast<void>(gzip.Write(text));
      }
      static_cast<void>(gzip.Finish());
      compressed = gzip.Written();
    });
    benchmark::DoNotOptimize(compressed);
  }
}

// The restore in a process of its own, into a folder without a register, timed from outside.
void Restore(benchmark::State& state) {
  for (auto _ : state) {
    QTemporaryDir folder(work->filePath(QStringLiteral("restore-XXXXXX")));
    const double cpuBefore = ChildrenCpuMs();
    QProcess restore;
    restore.setProcessChannelMode(QProcess::ForwardedChannels);
    restore.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--restore"), lastCopy, folder.path()});
    if (!restore.waitForFinished(300000) || restore.exitCode() != 0) {
      state.SkipWithError("the restore failed");
      return;
    }
    restoreCpuMs.push_back(ChildrenCpuMs() - cpuBefore);
  }
}

void Summary(const MedianReporter::Medians& medians) {
  const double copy = MedianReporter::Median(medians, "Copy");
  const double raw = MedianReporter::Median(medians, "RawReadAndGzip");
  const double restore = MedianReporter::Median(medians, "Restore");
  const qint64 size = QFileInfo(lastCopy).size();
  std::printf(
      "copy of %d companies, %d persons, %d months of amounts (%.1f MB compressed): "
      "median %.0f ms (budget %.0f ms: %s)\n",
      kCompanies, kPersons, kMonths, size / 1048576.0, copy, kCopyBudgetMs,
      copy > 0 && copy < kCopyBudgetMs ? "met" : "MISSED");
  std::printf(
      "raw read and gzip of the same text: median %.0f ms; copy/raw %.2f (budget %.1f: %s)\n", raw,
      raw > 0 ? copy / raw : 0.0, kRawRatioBudget,
      raw > 0 && copy / raw <= kRawRatioBudget ? "met" : "MISSED");
  std::sort(restoreCpuMs.begin(), restoreCpuMs.end());
  const double cpu = restoreCpuMs.empty() ? 0 : restoreCpuMs[restoreCpuMs.size() / 2];
  std::printf(
      "restore in its own process: median %.0f ms (budget %.0f ms: %s), of which its "
      "own processor time %.0f ms\n",
      restore, kRestoreBudgetMs, restore > 0 && restore < kRestoreBudgetMs ? "met" : "MISSED", cpu);
}

// Where the restore's time goes, told step by step on standard output.
int RestoreProcess(const QString& copy, const QString& folder) {
  QElapsedTimer timer;
  timer.start();
  RestoreHooks hooks;
  QString phase;
  hooks.progress = [&](RestorePhase now, double done) {
    const QString name =
        now == RestorePhase::kChecking ? QStringLiteral("checked") : QStringLiteral("loaded");
    if (done >= 1.0 && phase != name) {
      phase = name;
      std::printf("  restore: %s at %.1f s\n", name.toUtf8().constData(), timer.elapsed() / 1000.0);
    }
  };
  hooks.observer = [&](const QString& step) {
    if (step == QLatin1String("statement")) return;
    std::printf("  restore: %s at %.1f s\n", step.toUtf8().constData(), timer.elapsed() / 1000.0);
    std::fflush(stdout);
  };
  const auto outcome = RestoreEmbedded(copy, folder, hooks);
  if (const auto* failed = std::get_if<RestoreFailure>(&outcome)) {
    std::printf("restore failed: %s\n", failed->text.toUtf8().constData());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  if (argc == 4 && QByteArray(argv[1]) == "--restore") {
    return RestoreProcess(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
  }
  QTemporaryDir folder;
  work = &folder;
  const QString start = folder.filePath(QStringLiteral("register"));
  QDir().mkpath(start);
  QDir::setCurrent(start);
  CClient opened(&prompter);
  if (opened.Connect() != 0) return 1;
  client = &opened;
  program = CopyProgramName(QStringLiteral("bench"));
  QElapsedTimer filling;
  filling.start();
  Fill();
  std::printf("register filled in %.1f s\n", filling.elapsed() / 1000.0);
  std::fflush(stdout);
  // The copy runs first: the restore loads the copy it wrote.
  RunWithMedians(argc, argv,
                 {{"Copy", Copy}, {"RawReadAndGzip", RawReadAndGzip}, {"Restore", Restore}}, 1, 3,
                 Summary);
  // BENCH_KEEP names a file the last copy is kept in, for a look at the restore by hand.
  if (qEnvironmentVariableIsSet("BENCH_KEEP"))
    QFile::copy(lastCopy, qEnvironmentVariable("BENCH_KEEP"));
  opened.Disconnect();
  return 0;
}
