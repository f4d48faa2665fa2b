#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "store/server/server_settings.h"
#include "store/server/server_start.h"

struct st_mysql;

// The network side of the client: a connection to a MariaDB server through the library the
// program links, which connects to a remote server when asked to. The library's embedded
// server is kept from starting first (it would start from the default option files).

// Opens the connection with the settings and prepares its session; on failure `failure`
// says why and nothing is returned.
[[nodiscard]] st_mysql* OpenServerConnection(const ServerSettings& settings,
                                             const QString& password,
                                             std::optional<StartFailure>& failure);

// The session every connection gets, and the checks of the server the register needs:
// run after each connection, the first one and every reconnection alike.
[[nodiscard]] std::optional<StartFailure> PrepareServerSession(st_mysql* connection);

// The privileges the program needs on each of its databases.
const QStringList& RequiredPrivileges();
const QStringList& RegisterDatabases();

// The cipher of an encrypted connection; empty for a plain one.
QString ConnectionCipher(st_mysql* connection);

// Whether the last failure of the connection means the server is no longer there.
[[nodiscard]] bool ConnectionLost(st_mysql* connection);
