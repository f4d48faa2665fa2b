// The program's start with its menu, in a given folder, for the tests that kill it, stop it
// with a signal or make its start fail. It runs the program's own menu and stop handling;
// what a user would see is printed on standard output, one fact per line, flushed at once:
//   MSG <text>          a message shown (line breaks as \n)
//   SENT <statement>    a REPAIR sent by the start
//   READY               the start is done and the menu waits for the user
//   INSERTED <index>    an audited write done after the start
//   ROW <query> <cells> a row of the n-th query after the start
// Arguments after the folder, done once the menu is ready: rows=N (N companies written),
// writes (audited writes one after the other until stopped), query=<sql>, exit (the stop a
// desktop logout asks for). Without exit the menu waits.
// VELKA_KILL_AT="<statement text>#<n>": SIGKILL right after the n-th start statement
// containing the text.
#include <signal.h>

#include <QApplication>
#include <QDir>
#include <QTimer>

#include "app/application.h"
#include "store/c_client.h"
#include "store/schema/schema.h"
#include "store/schema/schema_tables.h"
#include "support/helper_facts.h"
#include "support/kill_point.h"
#include "support/scripted_prompter.h"

namespace {

bool WriteCompany(CClient& client, int number) {
  const Columns columns = {
      {QStringLiteral("CF"), QString::number(1000 + number)},
      {QStringLiteral("DENUMIRE"), QStringLiteral("Societatea ") + QString::number(number)}};
  if (client.AuditedInsert(CompaniesTable(), columns) != 0) {
    return false;
  }
  PrintFact(QStringLiteral("INSERTED\t") + QString::number(client.LastInsertId()));
  return true;
}

// Writes one company per turn of the event loop, as a user saving form after form.
void KeepWriting(CClient& client) {
  static int number = 0;
  if (!WriteCompany(client, ++number)) return;
  QTimer::singleShot(0, [&client] { KeepWriting(client); });
}

void AfterStart(CClient& client, const QStringList& actions) {
  PrintFact(QStringLiteral("READY"));
  int queries = 0;
  for (const QString& action : actions) {
    const QString name = action.section(u'=', 0, 0);
    const QString value = action.section(u'=', 1);
    if (name == QLatin1String("rows")) {
      for (int i = 1; i <= value.toInt(); ++i) WriteCompany(client, i);
    } else if (name == QLatin1String("query")) {
      // A failed query prints no row; the test reads that as its answer.
      (void)PrintQueryRows(client, queries++, value);
    } else if (name == QLatin1String("writes")) {
      QTimer::singleShot(0, [&client] { KeepWriting(client); });
    } else if (name == QLatin1String("exit")) {
      raise(SIGTERM);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const QStringList arguments = application.arguments();
  if (arguments.size() < 2 || !QDir::setCurrent(arguments.at(1))) return 2;
  const QStringList actions = arguments.mid(2);
  ScriptedPrompter prompter;
  PrintShownMessages(prompter);
  KillPoint kill(qEnvironmentVariable("VELKA_KILL_AT"));
  return RunMainMenu(prompter, [&](CClient& client) {
    UpgradeSchema(client, [&kill](const QString& statement) {
      if (statement.startsWith(QLatin1String("REPAIR"))) {
        PrintFact(QStringLiteral("SENT\t") + statement);
      }
      kill.Observe(statement);
    });
    AfterStart(client, actions);
  });
}
