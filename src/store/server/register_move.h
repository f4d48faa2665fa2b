#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class CClient;
struct st_mysql;

// An office's embedded register copied onto a MariaDB server: every table of both databases,
// the zlog_ audit tables and the settings, row for row, with the rows' own numbers.

// "database.table" for every table of the register and every audit table, from the schema
// definitions.
[[nodiscard]] QStringList RegisterTableNames();

// Where a move stages the register's tables until every one is whole: the database a first
// installation also marks itself with, the one the program's user may create besides the
// register's two.
inline constexpr char kMoveStaging[] = "velka_creare";

enum class ServerRegister {
  kNone,      // neither database
  kHeld,      // a table in asigurati or concedii: a register, never written over
  kLeftover,  // what an interrupted move left (staged tables, empty databases): no register
};

// What the server has of a register; nothing when the question failed (shown through the
// client).
[[nodiscard]] std::optional<ServerRegister> FindServerRegister(CClient& server);

// Drops what an interrupted move left; false, leaving everything, when one of the databases
// turns out to hold a table of a register, or a statement failed.
[[nodiscard]] bool RemoveLeftover(CClient& server);

// "velka_creare.`asigurati__societati`": where a table of a register on its way onto a
// server waits until every table is whole.
[[nodiscard]] QString StagingName(const QString& table);

// The last step of a move or a restore onto a server, whole or not at all: the empty
// asigurati and concedii databases, then every staged table renamed into them in one
// statement, then the staging database dropped. The reason on failure. On the database
// thread.
[[nodiscard]] std::optional<QString> PutStagedTablesInPlace(st_mysql* server,
                                                            const QStringList& tables);

// Told after each table copied: its name and the rows it has on both sides.
using MoveProgress = std::function<void(const QString& table, qint64 rows)>;
// Asked between tables and batches of rows: true stops the move (Ctrl-C, SIGTERM).
using MoveStop = std::function<bool()>;

// Copies every table of the embedded register `from` onto the server `to`, whole or not at
// all: under staging names in kMoveStaging, one transaction per table, the values as the
// server sent them; the row counts compared table by table; then the empty asigurati and
// concedii databases created and every table renamed into them in one statement, the last
// step. The reason on failure or stop, when the staging is left for the caller to remove.
[[nodiscard]] std::optional<QString> CopyRegister(CClient& from, CClient& to,
                                                  const MoveProgress& progress = {},
                                                  const MoveStop& stop = {});
