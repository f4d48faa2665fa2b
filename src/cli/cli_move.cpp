#include "cli/cli_move.h"

#include <QDir>

#include "cli/cli_console.h"
#include "cli/cli_register.h"
#include "cli/cli_stop.h"
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

// The copy onto a server reached and found without a register; the schema lock keeps
// workstations from starting on the register before its rows are all there, and a move cut
// short by a kill leaves only staged tables, which count as no register and which the next
// move removes.
int MoveOnto(Console& console, CClient& embedded, CClient& server, CollectingPrompter& prompter,
             const QString& shown) {
  const NamedLock lock(server, lock_names::kSchema);
  if (!lock.Held()) return Fail(console, WithShown(cli_texts::kMoveFailed, prompter), 1);
  const std::optional<ServerRegister> found = FindServerRegister(server);
  if (!found) return Fail(console, WithShown(cli_texts::kMoveFailed, prompter), 1);
  if (*found == ServerRegister::kHeld) {
    return Fail(console, cli_texts::ServerHoldsRegister(server.ServerName()), 2);
  }
  if (*found == ServerRegister::kLeftover) {
    console.Error(cli_texts::kMoveLeftoverRemoved);
    if (!RemoveLeftover(server))
      return Fail(console, WithShown(cli_texts::kMoveFailed, prompter), 1);
  }
  qint64 total = 0;
  int tables = 0;
  const std::optional<QString> failed = CopyRegister(
      embedded, server,
      [&](const QString& table, qint64 rows) {
        console.Result(QStringLiteral("%1: %2").arg(table).arg(rows));
        total += rows;
        ++tables;
      },
      [] { return CommandStop::Requested(); });
  if (failed) {
    // Made by this run under the lock, used by no workstation: gone, so the move can be run
    // again once the cause is mended.
    static_cast<void>(RemoveLeftover(server));
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
  // Ctrl-C or SIGTERM stops the move between batches and removes what it made.
  CommandStop stop;
  // The embedded server first: once the process has a network connection, the library no
  // longer starts one.
  std::optional<QString> refused;
  CommandStop::HoldDuring([&] { refused = OpenEmbeddedRegister(embedded, startFolder); });
  if (refused) return Fail(console, *refused, 2);
  CollectingPrompter serverPrompter;
  CClient server(&serverPrompter);
  server.SetVersion(version);
  if (const auto unreachable = ConnectServer(server)) return Fail(console, *unreachable, 2);
  const int code = MoveOnto(console, embedded, server, serverPrompter, shown);
  server.Disconnect();
  embedded.Disconnect();
  return code;
}
