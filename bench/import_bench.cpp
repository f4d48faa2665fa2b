// A 20,000-row external-source file imported through the screen into an empty company, then
// the same file again (all updates), against the very statements the screen sent, replayed
// by a raw C loop on the database thread into a register in the same state. Each side runs
// in a process of its own with a fresh register (the embedded server starts once per
// process); rounds alternate between the two and the medians are compared.
#include <mysql.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <optional>

#include "dbf/dbf_file.h"
#include "screens/exchange/c_import_external_dialog.h"
#include "store/c_client.h"
#include "store/database_thread.h"
#include "store/list_model.h"
#include "store/schema/schema.h"

#include "console_prompter.h"

namespace {

// 20,000 unless the first argument says otherwise.
int kRows = 20000;

class FilePrompter : public ConsolePrompter {
 public:
  QString file;
  QString ChooseFile(const QString&, const QString&) override { return file; }
};

// Twelve digits and the CNP's control digit.
QString Cnp(int serial) {
  const QString body = QStringLiteral("1800101%1").arg(serial, 5, 10, QLatin1Char('0'));
  const char* weights = "279146358279";
  int sum = 0;
  for (int i = 0; i < 12; ++i) sum += body[i].digitValue() * (weights[i] - '0');
  const int control = sum % 11 == 10 ? 1 : sum % 11;
  return body + QString::number(control);
}

bool WriteFile(const QString& path, const QString& cf) {
  DbfFile table;
  ListModel list;
  const std::pair<const char*, int> fields[] = {
      {"CF", 13},      {"CAS", 5},      {"CNP", 13},     {"NUME", 30},    {"PRENUME", 30},
      {"INTRARE", 8},  {"FORMA", 3},    {"SALARIU", 12}, {"ASG_DAT", 12}, {"ASG_VIR", 12},
      {"ANG_DAT", 12}, {"ANG_VIR", 12}, {"LA_LUNA", 6}};
  for (const auto& [name, length] : fields) {
    table.AddField(QLatin1String(name), QStringLiteral("C"), length);
    list.InsertColumn(list.ColumnCount(), QLatin1String(name));
  }
  std::vector<QStringList> rows;
  for (int i = 0; i < kRows; ++i) {
    rows.push_back({cf, "CASAB", Cnp(i), "POPESCU", "ION", "20090105", "S", "1234.5", "67.9",
                    "67.9", "80", "80", "200906"});
  }
  list.AppendRows(std::move(rows));
  return table.WriteDbf(path, list);
}

// The statements of one stage, one after the other, each ended by a zero byte.
bool SaveStatements(const QString& path, const QStringList& statements) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  for (const QString& statement : statements) {
    const QByteArray bytes = statement.toUtf8() + '\0';
    if (file.write(bytes) != bytes.size()) return false;
  }
  return true;
}

QList<QByteArray> LoadStatements(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QList<QByteArray> statements = file.readAll().split('\0');
  if (!statements.isEmpty() && statements.last().isEmpty()) statements.removeLast();
  return statements;
}

// One side of a round: prints "first SECONDS again SECONDS".
int ProgramSide(const QString& folder) {
  QDir::setCurrent(folder);
  FilePrompter prompter;
  CClient client(&prompter);
  if (client.Connect() != 0) return 1;
  UpgradeSchema(client);
  const QString file = QDir(folder).filePath(QStringLiteral("import.dbf"));
  if (!WriteFile(file, QStringLiteral("12345674"))) return 1;
  client.KeepStatementLog(true);
  CImportExternalDialog screen(nullptr, client, prompter);
  prompter.file = file;
  screen.findChild<QPushButton*>(QStringLiteral("open"))->click();
  screen.findChild<QLineEdit*>(QStringLiteral("denumire"))->setText(QStringLiteral("BENCH"));
  screen.findChild<QLineEdit*>(QStringLiteral("ziuaLic"))->setText(QStringLiteral("10"));
  QPushButton* save = screen.findChild<QPushButton*>(QStringLiteral("save"));
  const QStringList setUp = client.StatementLog();
  client.ClearStatementLog();
  QElapsedTimer timer;
  timer.start();
  save->click();
  const double first = static_cast<double>(timer.nsecsElapsed()) / 1e9;
  const QStringList firstStatements = client.StatementLog();
  client.ClearStatementLog();
  timer.restart();
  save->click();
  const double again = static_cast<double>(timer.nsecsElapsed()) / 1e9;
  const QDir out(folder);
  if (!SaveStatements(out.filePath(QStringLiteral("setup.sql")), setUp) ||
      !SaveStatements(out.filePath(QStringLiteral("first.sql")), firstStatements) ||
      !SaveStatements(out.filePath(QStringLiteral("again.sql")), client.StatementLog())) {
    return 1;
  }
  std::printf("first %.3f again %.3f\n", first, again);
  return 0;
}

// Sends the statements through the C interface, each answer read and dropped; the seconds.
double Replay(MYSQL* mysql, const QList<QByteArray>& statements) {
  QElapsedTimer timer;
  timer.start();
  bool failed = false;
  RunOnDatabaseThread([&] {
    for (const QByteArray& sql : statements) {
      if (mysql_real_query(mysql, sql.constData(), static_cast<unsigned long>(sql.size())) != 0) {
        failed = true;
        return;
      }
      if (MYSQL_RES* rows = mysql_store_result(mysql)) mysql_free_result(rows);
    }
  });
  return failed ? -1 : static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

// The other side: a fresh register brought to the program's state, then the two stages.
int RawSide(const QString& folder, const QString& statements) {
  QDir::setCurrent(folder);
  FilePrompter prompter;
  CClient client(&prompter);
  if (client.Connect() != 0) return 1;
  UpgradeSchema(client);
  const QDir from(statements);
  MYSQL* mysql = client.NativeHandle();
  if (Replay(mysql, LoadStatements(from.filePath(QStringLiteral("setup.sql")))) < 0) return 1;
  const double first = Replay(mysql, LoadStatements(from.filePath(QStringLiteral("first.sql"))));
  const double again = Replay(mysql, LoadStatements(from.filePath(QStringLiteral("again.sql"))));
  if (first < 0 || again < 0) return 1;
  // The replay must have left what the program left.
  if (client.ExecuteQuiet(QStringLiteral("SELECT COUNT(*) AS n FROM asigurati.asigurati"), 1) !=
          0 ||
      client.GetField(0, QStringLiteral("N")).toInt() != kRows) {
    return 1;
  }
  std::printf("first %.3f again %.3f\n", first, again);
  return 0;
}

// Runs one side in a child process; its two times.
std::optional<std::pair<double, double>> RunSide(const QStringList& arguments) {
  QProcess child;
  child.start(QCoreApplication::applicationFilePath(), arguments);
  if (!child.waitForFinished(-1) || child.exitCode() != 0) return std::nullopt;
  double first = 0;
  double again = 0;
  for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
    if (std::sscanf(line.constData(), "first %lf again %lf", &first, &again) == 2) {
      return std::make_pair(first, again);
    }
  }
  return std::nullopt;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Both ratios: of the medians, and the median of each round's own ratio, whose two sides ran
// one after the other and so under much the same load of a shared machine.
void Report(const char* what, const std::vector<double>& program, const std::vector<double>& raw) {
  const double programSeconds = Median(program);
  const double rawSeconds = Median(raw);
  std::vector<double> roundRatios;
  for (size_t round = 0; round < program.size(); ++round) {
    roundRatios.push_back(program[round] / raw[round]);
  }
  std::printf(
      "%-18s program %6.0f rows/s, raw C loop %6.0f rows/s, ratio %.2f (of each round: %.2f)\n",
      what, kRows / programSeconds, kRows / rawSeconds, programSeconds / rawSeconds,
      Median(roundRatios));
}

}  // namespace

// import_bench [rows [rounds]]
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const QStringList arguments = application.arguments();
  if (arguments.size() > 3 && arguments[1] == QLatin1String("--program")) {
    kRows = arguments[3].toInt();
    return ProgramSide(arguments[2]);
  }
  if (arguments.size() > 4 && arguments[1] == QLatin1String("--raw")) {
    kRows = arguments[4].toInt();
    return RawSide(arguments[2], arguments[3]);
  }
  if (arguments.size() > 1) kRows = arguments[1].toInt();
  const int rounds = arguments.size() > 2 ? arguments[2].toInt() : 3;
  std::vector<double> programFirst, programAgain, rawFirst, rawAgain;
  for (int round = 0; round < rounds; ++round) {
    QTemporaryDir programFolder;
    QTemporaryDir rawFolder;
    const QString rows = QString::number(kRows);
    const auto program = RunSide({QStringLiteral("--program"), programFolder.path(), rows});
    const auto raw =
        program ? RunSide({QStringLiteral("--raw"), rawFolder.path(), programFolder.path(), rows})
                : std::nullopt;
    if (!program || !raw) {
      std::printf("round %d failed\n", round + 1);
      return 1;
    }
    programFirst.push_back(program->first);
    programAgain.push_back(program->second);
    rawFirst.push_back(raw->first);
    rawAgain.push_back(raw->second);
    std::printf("round %d: program %.2f s / %.2f s, raw %.2f s / %.2f s\n", round + 1,
                program->first, program->second, raw->first, raw->second);
    std::fflush(stdout);
  }
  std::printf("%d rows, medians of %d rounds:\n", kRows, rounds);
  Report("empty company:", programFirst, rawFirst);
  Report("same file again:", programAgain, rawAgain);
  return 0;
}
