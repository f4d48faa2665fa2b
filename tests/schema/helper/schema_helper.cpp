// A program start in a given folder, scripted from the command line, for the tests that
// need a fresh data folder or a killed process (the embedded server starts once per
// process). Prints what it sees, one line per fact, flushed at once:
//   MSG <text>           a message shown to the user (line breaks as \n)
//   ROW <query> <cells>  a row of the n-th query (cells separated by tabs)
//   FAILED <query>       the n-th query failed
//   INSERTED <index>     an audited insert succeeded
//   READY                the script is done and the program waits to be killed
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

#include "old_schema.h"
#include "store/c_client.h"
#include "store/prompter.h"
#include "store/schema/schema.h"
#include "store/server/server_config.h"

namespace {

void Print(const QString& line) {
  std::fputs((line + u'\n').toUtf8().constData(), stdout);
  std::fflush(stdout);
}

class PrintingPrompter : public Prompter {
 public:
  QString ChooseFile(const QString&) override { return {}; }
  QString ChooseFolder(const QString&, const QString&) override { return {}; }

 protected:
  void ShowMessage(const QString& text, const QString&, Icon) override {
    Print(QStringLiteral("MSG\t") + QString(text).replace(u'\n', QStringLiteral("\\n")));
  }
  bool AskQuestion(const QString& text, const QString& caption, Icon icon) override {
    ShowMessage(text, caption, icon);
    return false;
  }
};

// Kills the program with SIGKILL right after the given occurrence of a statement that
// contains the text: nothing of the process survives that the server had not written.
struct KillRule {
  QString text;
  int occurrence = 0;
  int seen = 0;
};

void Observe(KillRule& rule, const QString& statement) {
  if (rule.text.isEmpty() || !statement.contains(rule.text)) return;
  if (++rule.seen == rule.occurrence) raise(SIGKILL);
}

void Query(CClient& client, int number, const QString& sql) {
  if (client.ExecuteQuiet(sql, 1) != 0) {
    Print(QStringLiteral("FAILED\t") + QString::number(number));
    return;
  }
  const QStringList& cells = client.Result().Cells();
  const qsizetype columns = client.Result().ColumnNames().size();
  for (qsizetype start = 0; columns > 0 && start + columns <= cells.size(); start += columns) {
    Print(QStringLiteral("ROW\t") + QString::number(number) + u'\t' +
          cells.mid(start, columns).join(u'\t'));
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
    Print(QStringLiteral("INSERTED\t") + QString::number(client.LastInsertId()));
  }
}

bool RunAction(CClient& client, const QString& action, KillRule& kill, int& queries) {
  const QString name = action.section(u'=', 0, 0);
  const QString value = action.section(u'=', 1);
  if (name == QLatin1String("fixture") || name == QLatin1String("fixture-nocert")) {
    old_schema::Options options;
    options.release = value;
    options.recordedVersion = value == QLatin1String("1.1 beta") ? QString() : value;
    options.certificates = name == QLatin1String("fixture");
    const QString failed = old_schema::Build(client, options);
    if (!failed.isEmpty()) Print(QStringLiteral("FIXTURE FAILED\t") + failed);
    return failed.isEmpty();
  }
  if (name == QLatin1String("kill-after")) {
    kill.text = value.section(u'#', 0, 0);
    kill.occurrence = value.section(u'#', 1).toInt();
    return true;
  }
  if (name == QLatin1String("start")) {
    UpgradeSchema(client, [&kill](const QString& statement) { Observe(kill, statement); });
    return true;
  }
  if (name == QLatin1String("inserts")) {
    Inserts(client, value.toInt());
    return true;
  }
  if (name == QLatin1String("query")) {
    Query(client, queries++, value);
    return true;
  }
  if (name == QLatin1String("hang")) {
    Print(QStringLiteral("READY"));
    for (;;) pause();
  }
  Print(QStringLiteral("UNKNOWN\t") + action);
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
  PrintingPrompter prompter;
  CClient client(&prompter);
  if (client.Connect(QStringLiteral("127.0.0.1"), 700, {}, {}, 0) != 0) {
    Print(QStringLiteral("NOCONNECT"));
    return 2;
  }
  KillRule kill;
  int queries = 0;
  int status = 0;
  for (qsizetype i = 2; i < arguments.size() && status == 0; ++i) {
    if (!RunAction(client, arguments.at(i), kill, queries)) status = 1;
  }
  client.Disconnect();
  return status;
}
