#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class CClient;

// An office's embedded register copied onto a MariaDB server: every table of both databases,
// the zlog_ audit tables and the settings, row for row, with the rows' own numbers.

// "database.table" for every table of the register and every audit table, from the schema
// definitions.
[[nodiscard]] QStringList RegisterTableNames();

// Whether the server already has one of the register's databases; nothing when the question
// failed (shown through the client).
[[nodiscard]] std::optional<bool> ServerHoldsRegister(CClient& server);

// Told after each table copied: its name and the rows it has on both sides.
using MoveProgress = std::function<void(const QString& table, qint64 rows)>;

// Copies every table of the embedded register `from` into the register just created on the
// server `to` (its seeded rows replaced), one transaction per table, the values as the server
// sent them, then compares the row counts table by table. The reason on failure.
[[nodiscard]] std::optional<QString> CopyRegister(CClient& from, CClient& to,
                                                  const MoveProgress& progress = {});
