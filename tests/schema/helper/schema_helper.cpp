// A program start in a given folder, scripted from the command line, for the tests that
// need a fresh data folder or a killed process (the embedded server starts once per
// process). Prints what it sees, one line per fact, flushed at once:
//   MSG <text>           a message shown to the user (line breaks as \n)
//   ROW <query> <cells>  a row of the n-th query (cells separated by tabs)
//   FAILED <query>       the n-th query failed
//   INSERTED <index>     an audited insert succeeded
//   IMPORTED <row>       a record of the imported file is stored (rows counted from 1)
//   READY                the script is done and the program waits to be killed
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "exchange/import/import_file.h"
#include "exchange/import/import_store.h"
#include "old_schema.h"
#include "store/c_client.h"
#include "store/grouped_flushes.h"
#include "store/list_model.h"
#include "store/schema/schema.h"
#include "store/server/server_config.h"
#include "support/helper_facts.h"
#include "support/kill_point.h"
#include "support/scripted_prompter.h"

namespace {

void Query(CClient& client, int number, const QString& sql) {
  if (!PrintQueryRows(client, number, sql)) {
    PrintFact(QStringLiteral("FAILED\t") + QString::number(number));
  }
}

void Inserts(CClient& client, int count) {
  for (int i = 0; i < count; ++i) {
    const Columns columns = {{QStringLiteral("ID_CNP"), QString::number(i + 1)},
                             {QStringLiteral("CF"), QStringLiteral("13548146")},
                             {QStringLiteral("CNP"), QStringLiteral("1800101221144")},
                             {QStringLiteral("LUNA"), QStringLiteral("200906")},
                             {QStringLiteral("SALARIU"), QString::number(1000 + i)}};
    if (client.AuditedInsert({QStringLiteral("ASIGURATI"), QStringLiteral("SUME")}, columns) != 0) {
      return;
    }
    PrintFact(QStringLiteral("INSERTED\t") + QString::number(client.LastInsertId()));
  }
}

// The external-source file's records, stored as the import command stores them: the log
// flushed once a second, each record told when it is whole.
bool ImportExternal(CClient& client, const QString& path) {
  ListModel list;
  if (ReadImportFile(path, ImportLayout::kExternal, list).outcome !=
      ImportFileResult::Outcome::kRead) {
    return false;
  }
  CompanyRecord company;
  company.cf = *ImportFiscalCode(list.GetCellText(0, QStringLiteral("CF")));
  company.denumire = QStringLiteral("IMPORT SRL");
  company.ziuaLic = QStringLiteral("10");
  if (!EnsureImportCompany(client, company)) return false;
  const GroupedFlushes flushes(client);
  ExternalImportRows rows(company.cf);
  if (!rows.Read(client)) return false;
  for (int row = 0; row < list.RowCount(); ++row) {
    if (ImportExternalRecord(client, rows, RowFields(list, row)).kind !=
        ImportOutcome::Kind::kStored) {
      return false;
    }
    PrintFact(QStringLiteral("IMPORTED\t") + QString::number(row + 1));
  }
  return true;
}

bool RunAction(CClient& client, const QString& action, KillPoint& kill, int& queries) {
  const QString name = action.section(u'=', 0, 0);
  const QString value = action.section(u'=', 1);
  if (name == QLatin1String("fixture") || name == QLatin1String("fixture-nocert")) {
    old_schema::Options options;
    options.release = value;
    options.recordedVersion = value == QLatin1String("1.1 beta") ? QString() : value;
    options.certificates = name == QLatin1String("fixture");
    const QString failed = old_schema::Build(client, options);
    if (!failed.isEmpty()) PrintFact(QStringLiteral("FIXTURE FAILED\t") + failed);
    return failed.isEmpty();
  }
  if (name == QLatin1String("kill-after")) {
    kill = KillPoint(value);
    return true;
  }
  if (name == QLatin1String("start")) {
    UpgradeSchema(client, [&kill](const QString& statement) { kill.Observe(statement); });
    return true;
  }
  if (name == QLatin1String("inserts")) {
    Inserts(client, value.toInt());
    return true;
  }
  if (name == QLatin1String("import")) return ImportExternal(client, value);
  if (name == QLatin1String("query")) {
    Query(client, queries++, value);
    return true;
  }
  if (name == QLatin1String("hang")) {
    PrintFact(QStringLiteral("READY"));
    for (;;) pause();
  }
  PrintFact(QStringLiteral("UNKNOWN\t") + action);
  return false;
}

}  // namespace

// For comparing storage engines by hand: SCHEMA_HELPER_CONFIG names a configuration text
// (with %1 for the data folder) used instead of the program's default on a new folder.
void WriteTrialConfig() {
  const QString trial = qEnvironmentVariable("SCHEMA_HELPER_CONFIG");
  if (trial.isEmpty() || QFile::exists(QString::fromLatin1(kServerConfigFile))) return;
  QFile source(trial);
  QFile target(QString::fromLatin1(kServerConfigFile));
  if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly)) return;
  const QString data = QDir::current().absoluteFilePath(QStringLiteral("data"));
  QDir().mkpath(data);
  target.write(QString::fromUtf8(source.readAll()).arg(data).toUtf8());
}

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  const QStringList arguments = application.arguments();
  if (arguments.size() < 2 || !QDir::setCurrent(arguments.at(1))) return 2;
  WriteTrialConfig();
  ScriptedPrompter prompter;
  PrintShownMessages(prompter);
  CClient client(&prompter);
  if (client.Connect(QStringLiteral("127.0.0.1"), 700, {}, {}, 0) != 0) {
    PrintFact(QStringLiteral("NOCONNECT"));
    return 2;
  }
  KillPoint kill;
  int queries = 0;
  int status = 0;
  for (qsizetype i = 2; i < arguments.size() && status == 0; ++i) {
    if (!RunAction(client, arguments.at(i), kill, queries)) status = 1;
  }
  client.Disconnect();
  return status;
}
