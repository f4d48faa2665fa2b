#include "cli/cli_move.h"

#include <QDir>

#include "cli/cli_console.h"
#include "cli/cli_register.h"
#include "cli/cli_texts.h"
#include "store/c_client.h"
#include "store/named_lock.h"
#include "store/schema/schema.h"
#include "store/server/register_move.h"
#include "store/server/server_settings.h"

namespace {

int Fail(Console& console, const QString& text, int code) {
  console.Error(text);
  return code;
}

// What the server connection's prompter collected, after the command's own text.
QString WithShown(const QString& text, CollectingPrompter& prompter) {
  const QStringList shown = prompter.Take();
  return shown.isEmpty() ? text : text + u' ' + shown.join(u' ');
}

// The copy onto a server reached and found empty; the schema lock keeps workstations from
// starting on the register before its rows are all there.
int MoveOnto(Console& console, CClient& embedded, CClient& server, CollectingPrompter& prompter,
             const QString& shown) {
  const NamedLock lock(server, lock_names::kSchema);
  if (!lock.Held()) return Fail(console, WithShown(cli_texts::kMoveFailed, prompter), 1);
  const std::optional<bool> holds = ServerHoldsRegister(server);
  if (!holds) return Fail(console, WithShown(cli_texts::kMoveFailed, prompter), 1);
  if (*holds) return Fail(console, cli_texts::ServerHoldsRegister(server.ServerName()), 2);
  if (!CreateSchemaIfMissing(server)) {
    return Fail(console, WithShown(cli_texts::kMoveFailed, prompter), 1);
  }
  qint64 total = 0;
  int tables = 0;
  const std::optional<QString> failed =
      CopyRegister(embedded, server, [&](const QString& table, qint64 rows) {
        console.Result(QStringLiteral("%1: %2").arg(table).arg(rows));
        total += rows;
        ++tables;
      });
  if (failed) {
    // The databases were made by this run under the lock, no workstation has used them: gone,
    // the move can be run again once the cause is mended.
    for (const char* database : {"asigurati", "concedii"}) {
      (void)server.ExecuteQuiet(QStringLiteral("DROP DATABASE IF EXISTS ") +
                                QLatin1String(database));
    }
    return Fail(console, cli_texts::kMoveFailed + u' ' + *failed, 1);
  }
  console.Result(cli_texts::Moved(shown, server.ServerName(), tables, total));
  return 0;
}

}  // namespace

int RunMove(Console& console, const QString& startFolder, const QString& version) {
  const QString shown = QDir::toNativeSeparators(startFolder);
  std::optional<SettingsProblem> problem;
  const bool named = ReadServerSettings(startFolder, problem).has_value();
  if (problem) return Fail(console, cli_texts::kStartFailure + u' ' + problem->text, 2);
  if (!named) return Fail(console, cli_texts::NoServerNamed(shown), 2);
  CollectingPrompter embeddedPrompter;
  CClient embedded(&embeddedPrompter);
  embedded.SetVersion(version);
  // The embedded server first: once the process has a network connection, the library no
  // longer starts one.
  if (const auto refused = OpenEmbeddedRegister(embedded, startFolder)) {
    return Fail(console, *refused, 2);
  }
  CollectingPrompter serverPrompter;
  CClient server(&serverPrompter);
  server.SetVersion(version);
  if (const auto refused = ConnectServer(server)) return Fail(console, *refused, 2);
  const int code = MoveOnto(console, embedded, server, serverPrompter, shown);
  server.Disconnect();
  embedded.Disconnect();
  return code;
}
